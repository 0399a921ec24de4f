#pragma once
// The page of a raster: the measured cells in their class colours, the legend band under
// the chart with the class shares, parameters and statistics, and the table of covers.
#include "cover/TLevelPlot.h"

namespace vordalis {

class TVernoRaster;

class TVernoRasterPlot : public TLevelPlot {
public:
    // The page set-up: chart area, legend band and the band's hit region.
    bool BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj) override;

    // Height of the legend band for the options and the limit.
    static int BandHeight(int32_t options, int32_t limit);

    Rect legend;

private:
    bool Paint(TBasicObj& obj) override;
    void DrawChart(TVernoRaster& raster);
    void DrawLegend(TVernoRaster& raster);
    void DrawStatistics(TVernoRaster& raster);
    void DrawTable(TVernoRaster& raster);
};

} // namespace vordalis
