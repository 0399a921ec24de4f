#pragma once
// The chart of a cover list: one bar per reading hanging from the chart's top edge down to
// the measured cover, over a hatched band of the covers shallower than the limit. The list's
// parameters, statistics and table are painted by the list itself, into the region this plot
// sets up beside or below the chart.
#include "plot/TBasicPlot.h"

namespace vordalis {

class TVernoList;

class TVernoListPlot : public TBasicPlot {
public:
    static constexpr Rgb kBandColour{208, 208, 208};
    static const Pattern16 kPattern; // a one-pixel checkerboard

    bool DrawScreen(Canvas* dc, TBasicObj& obj, int32_t opts) override;
    bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t opts, int page) override;
    bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t opts) override;
    void EndDraw() override;

    // Bar and low-bar colours of a colour mode.
    static Rgb BarColour(int colourMode);
    static Rgb LowColour(int colourMode);

    Rect sideRegion; // right of the chart; the sections' region when not below
    bool below = true;
    Rect chart; // the placed chart area (empty without the chart)
    int32_t limit = 0;
    Brush barBrush, lowBrush, patternBrush;

private:
    bool Setup(Canvas* dc, TBasicObj& obj, int32_t opts);
    bool Paint(Canvas* dc, TBasicObj& obj, int32_t opts);
    void DrawBars(TVernoList& list);
    int LimitY(const TVernoList& list) const;

    TVernoList* list_ = nullptr;
};

} // namespace vordalis
