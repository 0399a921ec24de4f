#pragma once
// The edit flags an object hands to the modify-value and limit dialogs (GetEditFlags): which
// parts of those dialogs the user may change.
namespace vordalis::edit {

inline constexpr int kNonPositiveValue = 0x01; // a value of 0 or less may be modified
inline constexpr int kPosition = 0x02;         // the position of the value may be edited
inline constexpr int kValue = 0x04;            // the value may be edited
inline constexpr int kEmptyValue = 0x08;       // an empty value is accepted (it clears the reading)
inline constexpr int kLimit = 0x10;            // the limit may be edited
inline constexpr int kLimitBox = 0x20;         // the limit's initial-setting box is offered
inline constexpr int kRange = 0x40;            // the chart's range may be edited
inline constexpr int kRangeBox = 0x80;         // the range's initial-setting box is offered

// What the object families offer: lists of readings (cover lists and every rebound object), the
// bars and the raster of covers.
inline constexpr int kListFlags = kNonPositiveValue | kValue | kEmptyValue | kLimit | kLimitBox;
inline constexpr int kBarsFlags = kValue | kLimit | kLimitBox | kRange | kRangeBox;
inline constexpr int kRasterFlags = kListFlags | kRange | kRangeBox;

} // namespace vordalis::edit
