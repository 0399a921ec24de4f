#pragma once
// The median of rebound values. Values of 1 or less take no part; the validity rule of a
// series rejects a median when too many values lie far from it.
#include <cstdint>
#include <vector>

namespace vordalis::rebound {

// Middle value of the values above 1 (mean of the two middle ones for an even count);
// 0 when no value is above 1.
double Median(std::vector<double> values);
// The median of a series with the validity rule: when more than a fifth of all values lie
// more than 6 away from the median, the median is invalid and 0 is returned.
double SeriesMedian(const std::vector<int32_t>& values);

} // namespace vordalis::rebound
