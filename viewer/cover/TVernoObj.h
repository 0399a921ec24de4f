#pragma once
// What the three cover objects (list, bar scan, raster) have in common: the painting and size
// slots forwarded to the object's chart, the page's hit regions, and the start of their
// files' closing part (the object number as the first title, then the instrument id).
#include "model/TBasicObj.h"

namespace vordalis {

class TBasicPlot;

class TVernoObj : public TBasicObj {
public:
    // Cover files keep the day only: a cover object dates from today at 00:00 until its
    // trailer says otherwise (see ReadCommonTrailer).
    TVernoObj();

    // --- painting, forwarded to the chart ---
    void Draw(Canvas& dc) override;
    void PrintPage(Canvas& dc, int page) override;
    void DrawCopy(Canvas& dc) override;
    Extent GetExtent() override;
    int GetPageCount(Canvas& dc) override;
    Extent GetCopySize() override;
    int HitRegion(int x, int y, int* row) override;

    virtual TBasicPlot& Plot() = 0;

protected:
    // Runs before every pass that paints: the chart axes that follow a display option are
    // set again there. Nothing by default.
    virtual void BeforePainting() {}
    // Titles the object with its number in six figures and reads the instrument id (codes
    // VX, V4 and V5); returns the delimiter after it, or -1 for another code.
    int ReadCoverInstrumentId(ObjectReader& in);
};

} // namespace vordalis
