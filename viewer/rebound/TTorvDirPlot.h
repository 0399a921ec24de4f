#pragma once
// The page of a rebound summary: one bar per member, the summary statistics (mean or median
// rebound value and strength, or the component strength of a China summary) and the table of
// members with their values.
#include "rebound/TTorvPlot.h"

namespace vordalis {

class TTorvDirPlot : public TTorvPlot {
protected:
    HeaderExtras GetHeaderExtras(const TBasicObj& obj) const override;
    int DrawStatistics(TTorvObj& obj, int left, int top) override;
    int DrawTable(TTorvObj& obj, int left, int top, int width) override;
    void DrawCell(TTorvObj& obj, int index, const Rect& cell) override;
};

} // namespace vordalis
