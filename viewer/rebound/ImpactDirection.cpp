#include "rebound/ImpactDirection.h"

#include <algorithm>
#include <cstdint>

namespace vordalis::rebound {
namespace {

struct Correction {
    double offset, factor;
};
// Index = code - 1; direction 1 is the reference and has no correction.
const Correction kCorrections[kDirectionCount] = {
    {0, 0}, {-4.5, 0.048}, {-7.1, 0.08}, {3.1, -0.03}, {4.3, -0.043}};
const char16_t* const kTexts[kDirectionCount] = {u"     0\u00B0", u"  + 45\u00B0", u"  + 90\u00B0",
                                                 u" - 45\u00B0", u" - 90\u00B0"};

bool Known(int code) {
    return code >= 1 && code <= kDirectionCount;
}

// Rounds half up; a value from a damaged file that corrects beyond the int range stays at its end.
int32_t Rounded(double v) {
    return static_cast<int32_t>(std::clamp(v + 0.5, double(INT32_MIN), double(INT32_MAX)));
}

} // namespace

std::u16string DirectionText(int code) {
    return Known(code) ? kTexts[code - 1] : u"";
}

int32_t CorrectDirection(int32_t value, int measured, int target) {
    if (!Known(measured) || !Known(target) || measured == target) return value;
    const Correction& m = kCorrections[measured - 1];
    const Correction& t = kCorrections[target - 1];
    double v = value;
    if (measured == 1) return Rounded(v + t.offset + v * t.factor);
    double horizontal = (v - m.offset) / (1 + m.factor);
    if (target == 1) return Rounded(horizontal);
    return Rounded(horizontal + t.offset + horizontal * t.factor);
}

} // namespace vordalis::rebound
