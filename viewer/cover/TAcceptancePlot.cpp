#include "cover/TAcceptancePlot.h"

#include "model/DisplayOptions.h"

#include <algorithm>

namespace vordalis {

bool TAcceptancePlot::DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t o, int pageNumber) {
    if (!SetupPrint(dc)) return false;
    currentPage = pageNumber;
    return pageNumber <= 0 || Paint(dc, obj, o);
}

bool TAcceptancePlot::DrawCopy(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!SetupCopy(dc)) return false;
    currentPage = 0;
    return Paint(dc, obj, o);
}

bool TAcceptancePlot::Paint(Canvas* dc, TBasicObj& obj, int32_t o) {
    // The page always carries the object's header: it names what was judged.
    BeginDraw(dc, o | opts::kHeader);
    DrawHeader(obj);
    int y = TopBelowHeader() + 80;
    const int left = page.left;
    if (device) {
        SelectHeadingFont();
        device->TextOut(left, y, heading);
    }
    y += 80;
    for (const Row& r : rows) {
        if (device) {
            SelectNormalFont();
            device->TextOut(left, y, r.label);
            device->TextOut(left + kValueColumn, y, r.value);
        }
        y += kRowHeight;
    }
    y += 40;
    if (device) {
        device->MoveTo(left, y - 30);
        device->LineTo(std::min(page.right, left + kValueColumn + 600), y - 30);
        SelectHeadingFont();
        device->TextOut(left, y + 10, verdict);
    }
    y += 70;
    content.right = std::max(content.right, std::min(page.right, left + kValueColumn + 600));
    content.bottom = std::max(content.bottom, y);
    EndDraw();
    return true;
}

} // namespace vordalis
