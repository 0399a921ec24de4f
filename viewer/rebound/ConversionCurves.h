#pragma once
// The sixteen conversion curves from rebound value to compressive strength. Every curve is a
// quadratic a R² + b R + c whose result is scaled per group: the maker's curves give MPa and
// carry a 5 % allowance, the J and JAP curves give kg/cm², the free curves F1..F3 and Fx give MPa.
#include <array>
#include <string>

namespace vordalis::rebound {

inline constexpr int kCurveCount = 16;
inline constexpr int kCurveNone = 0;
inline constexpr int kCurveF1 = 12;
inline constexpr int kCurveFx = 15;
// kg/cm² in one MPa; the J and JAP curves deliver kg/cm².
inline constexpr double kKgPerCm2PerMPa = 10.197;

struct CurveCoefficients {
    double a = 0, b = 0, c = 0;
};

using CoefficientRow = std::array<double, kCurveCount>;

// Display name of a curve; index 0 is "none" (the combo text), unknown indices give "".
std::u16string CurveName(int index);
// Built-in coefficients of curves 1..11; curves 1 and 2 depend on the instrument variant
// (1 or 2) and stay zero for any other variant. Rows 0 and 12..15 are zero here.
CurveCoefficients BuiltInCurve(int index, int variantCode);
// Factor applied to the polynomial's result to give MPa (0 for curve 0 and unknown indices).
double CurveResultScale(int index);
// Fills rows 0..11 of the coefficient arrays with the built-in curves.
void InstallBuiltInCurves(CoefficientRow& a, CoefficientRow& b, CoefficientRow& c, int variantCode);
// Strength before corrections: ((a R + b) R + c) × the curve's result scale.
double CurveStrength(const CurveCoefficients& k, int index, double r);
// Maps the instrument's curve code (0..20) to a curve index; unknown codes give 0.
int CurveFromInstrumentCode(int code);
// "%0.4f R² + %0.2f R + %0.1f", the formula text of the free curves.
std::u16string FormulaText(const CurveCoefficients& k);

} // namespace vordalis::rebound
