#pragma once
// The four units a compressive strength is shown in, and the rule when a strength is shown
// at all: only between 1 and 500 MPa (exclusive) and for rebound values up to 60.
#include <string>

namespace vordalis::rebound {

inline constexpr int kUnitCount = 4;
inline constexpr double kPsiPerMPa = 145.0;

// Combo text and unit text of a unit code 1..4 ("N/mm²", "MPa", "psi", "kg/cm²"); "" otherwise.
std::u16string UnitText(int unit);

struct StrengthDisplay {
    bool row = false;     // false: the statistics block draws no strength row
    std::u16string value; // e.g. "  42.8  ", or "-    " when out of range
    std::u16string unit;  // empty when out of range
};

// fc (MPa) in the given unit code (MPa and N/mm² are the same); fc itself for an unknown code.
double StrengthInUnit(double fcMPa, int unit);

// The strength row's value and unit for fc (MPa) at rebound value r in the given unit code.
StrengthDisplay FormatStrength(double fcMPa, double rebound, int unit);
// The text a row shows when there is no value.
inline constexpr const char16_t* kNoValue = u"-    ";

} // namespace vordalis::rebound
