#pragma once
// Lengths of the cover objects are held in millimetres; imperial objects show inches.
namespace vordalis::cover {

inline constexpr double kInchPerMm = 0.0394;

} // namespace vordalis::cover
