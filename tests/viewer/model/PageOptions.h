#pragma once
// The display options of a usual page in the tests: header, chart, statistics, table and axes.
#include "model/DisplayOptions.h"

namespace vordalis::test {

inline constexpr int32_t kPageSections =
    opts::kHeader | opts::kChart | opts::kStatistics | opts::kTable | opts::kAxis;

} // namespace vordalis::test
