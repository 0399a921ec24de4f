#pragma once
// The page of a China-standard object: the rebound chart with the outliers greyed, the block
// of parameters (angle glyph, casting surface, pump concrete, conversion) and the evaluation
// R1, R2, R3, f1, f2, and the table of readings with the outliers struck through.
#include "rebound/TTorvPlot.h"

namespace vordalis {

class TTorvChina;

class TTorvChinaPlot : public TTorvPlot {
public:
    // The arrow of an impact-angle code at the value column of a row: x the block's left edge,
    // y the row's baseline (page units, y down).
    static void DrawAngleGlyph(Canvas& dc, int angle, int x, int y);

protected:
    HeaderExtras GetHeaderExtras(const TBasicObj& obj) const override;
    int DrawStatistics(TTorvObj& obj, int left, int top) override;
    int DrawTable(TTorvObj& obj, int left, int top, int width) override;
    void DrawCell(TTorvObj& obj, int index, const Rect& cell) override;
};

} // namespace vordalis
