#pragma once
// Measuring-area strength conversion table for non-pumped concrete (MPa): rows for the mean
// rebound value R = 20.0, 20.2, ..., 60.0, columns for the carbonation depth d = 0.0, 0.5, ...,
// 6.0 mm. A cell below 10 MPa is stored as 0.0, a cell above 60 MPa as 60.1.
namespace vordalis {

constexpr int kChinaTableRows = 201;
constexpr int kChinaTableColumns = 13;
constexpr double kChinaTableFirstR = 20.0;
constexpr double kChinaTableRStep = 0.2;
constexpr double kChinaTableDepthStep = 0.5;
constexpr double kChinaCellBelow = 0.0;
constexpr double kChinaCellAbove = 60.1;

extern const double kChinaTable[kChinaTableRows][kChinaTableColumns];

} // namespace vordalis
