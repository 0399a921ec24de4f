#pragma once
// The page of a bar scan: strips of the bars found in x and y in their class colours, the
// legend of the classes, parameters and statistics per scan, and the tables of covers.
#include "cover/TLevelPlot.h"

namespace vordalis {

class TVernoBars;

class TVernoBarsPlot : public TLevelPlot {
public:
    // The page set-up: chart area, legend rectangle and the legend's hit region.
    bool BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj) override;

    Rect legend;

private:
    bool Paint(TBasicObj& obj) override;
    void DrawChart(TVernoBars& bars);
    void DrawLegend(TVernoBars& bars);
    void DrawStatistics(TVernoBars& bars);
    void DrawTables(TVernoBars& bars);
};

} // namespace vordalis
