#include "cover/TVernoObj.h"

#include "plot/TBasicPlot.h"

namespace vordalis {

TVernoObj::TVernoObj() {
    date = OleDate::Today();
}

void TVernoObj::Draw(Canvas& dc) {
    BeforePainting();
    Plot().DrawScreen(&dc, *this, options);
}
void TVernoObj::PrintPage(Canvas& dc, int page) {
    BeforePainting();
    Plot().DrawPrintPage(&dc, *this, options, page);
}
void TVernoObj::DrawCopy(Canvas& dc) {
    BeforePainting();
    Plot().DrawCopy(&dc, *this, options);
}
Extent TVernoObj::GetExtent() {
    return Plot().ScreenExtent(*this, options);
}
int TVernoObj::GetPageCount(Canvas& dc) {
    return Plot().PageCount(dc, *this, options);
}
Extent TVernoObj::GetCopySize() {
    return Plot().CopySize(*this, options);
}
int TVernoObj::HitRegion(int x, int y, int* row) {
    return Plot().FindHitRegion(x, y, row);
}

int TVernoObj::ReadCoverInstrumentId(ObjectReader& in) {
    SetTitle(NumberFigures("%06ld"));
    instrumentCode = u"VX";
    return ReadInstrumentId(in, u"VX;V4;V5");
}

} // namespace vordalis
