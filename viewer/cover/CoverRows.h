#pragma once
// Rows of the parameter and statistics boxes of the bars and raster pages: a label at the
// box's left edge, "symbol  =" right-aligned, the value right-aligned and the unit after it.
#include "cover/CoverUnits.h"
#include "plot/TBasicPlot.h"

#include <string>
#include <vector>

namespace vordalis {

inline constexpr double kInchPerMm = cover::kInchPerMm;

struct CoverRow {
    std::u16string label, symbol, value, unit;
};

// Where the row painter puts the symbol, value and unit, relative to the box's left edge.
struct RowColumns {
    int symbol, value, unit;
};

void DrawCoverRow(TBasicPlot& plot, int left, int baseline, const CoverRow& row, const RowColumns& at);
// A box title in the heading font, left-aligned on the baseline.
void DrawBoxTitle(TBasicPlot& plot, int left, int baseline, const std::u16string& title);

// The bar rows of the parameter box: the two-layer description when the layer word is odd,
// else the bar diameter and (when above 0) the bar distance; then the limit when above 0.
std::vector<CoverRow> BarParameterRows(int barDiameter, int layerWord, int limit, bool inches);

// " [mm]" or " [in]" after a title.
std::u16string UnitSuffix(bool inches);
// Covers above 0 and below the limit print in red in the green/red and spectral modes.
Rgb CoverTextColour(int32_t cover, int32_t limit, int32_t options);

} // namespace vordalis
