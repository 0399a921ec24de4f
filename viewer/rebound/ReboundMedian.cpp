#include "rebound/ReboundMedian.h"

#include <algorithm>
#include <cmath>

namespace vordalis::rebound {

double Median(std::vector<double> values) {
    std::erase_if(values, [](double v) { return !(v > 1); });
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    // Removing the largest and the smallest in turn leaves the middle one or two.
    return (values[(n - 1) / 2] + values[n / 2]) / 2.0;
}

double SeriesMedian(const std::vector<int32_t>& values) {
    double median = Median(std::vector<double>(values.begin(), values.end()));
    size_t far = 0;
    for (int32_t v : values)
        if (std::fabs(v - median) > 6) ++far;
    return 5 * far > values.size() ? 0.0 : median;
}

} // namespace vordalis::rebound
