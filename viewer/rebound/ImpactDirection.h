#pragma once
// Impact directions of the rebound hammer and the correction of a rebound value from one
// direction to another. Direction 1 (horizontal) is the reference: a value R₁ measured
// horizontally reads R₁ × (1 + f) + o in another direction.
#include <cstdint>
#include <string>

namespace vordalis::rebound {

inline constexpr int kDirectionCount = 5;

// Combo text of a direction code 1..5 ("     0°", "  + 45°", ...); "" for other codes.
std::u16string DirectionText(int code);
// Converts one value measured in direction `measured` to direction `target`. Codes outside
// 1..5 or equal codes leave the value unchanged; results are rounded half up and truncated.
int32_t CorrectDirection(int32_t value, int measured, int target);

} // namespace vordalis::rebound
