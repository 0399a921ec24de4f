#pragma once
// A series' statistics for descriptions (vordalis-cli info), in the numbers the page shows:
// count, mean, stddev, min, max, percent_outside and the unit they are in ("mm", "in", "R").
#include "model/Json.h"

namespace vordalis {

class TValueSeries;

// Without a series every member is null; without readings all but the count are.
Json DescribeStatistics(TValueSeries* series);

} // namespace vordalis
