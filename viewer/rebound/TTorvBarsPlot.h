#pragma once
// The page of a rebound series: the shared rebound chart, the block of set parameters with
// the impact-direction arrow, the statistics block and the table of evaluated values.
#include "rebound/TTorvPlot.h"

namespace vordalis {

class TTorvBars;

class TTorvBarsPlot : public TTorvPlot {
public:
    // The arrow of impact direction code 1..5 in the value column of a row: x is the block's
    // left edge, y the row's baseline (page units, y down).
    static void DrawDirectionArrow(Canvas& dc, int code, int x, int y);

protected:
    int DrawStatistics(TTorvObj& obj, int left, int top) override;
    void DrawCell(TTorvObj& obj, int index, const Rect& cell) override;
    HeaderExtras GetHeaderExtras(const TBasicObj& obj) const override;
};

} // namespace vordalis
