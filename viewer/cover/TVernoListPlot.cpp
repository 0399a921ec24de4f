#include "cover/TVernoListPlot.h"

#include "cover/TVernoList.h"
#include "plot/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace vordalis {

const Pattern16 TVernoListPlot::kPattern = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA,
                                            0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};

Rgb TVernoListPlot::BarColour(int mode) {
    switch (mode) {
    case opts::kGrayscale:
        return {88, 88, 88};
    case opts::kInvertedGrayscale:
        return {144, 144, 144};
    case opts::kSpectral:
        return {0, 128, 192};
    default:
        return {0, 144, 72};
    }
}

Rgb TVernoListPlot::LowColour(int mode) {
    switch (mode) {
    case opts::kGrayscale:
        return {144, 144, 144};
    case opts::kInvertedGrayscale:
        return {88, 88, 88};
    default:
        return {200, 0, 0};
    }
}

bool TVernoListPlot::DrawScreen(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!SetupScreen(dc)) return false;
    currentPage = 0;
    return Paint(dc, obj, o);
}

bool TVernoListPlot::DrawCopy(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!SetupCopy(dc)) return false;
    currentPage = 0;
    return Paint(dc, obj, o);
}

bool TVernoListPlot::DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t o, int pageNumber) {
    if (!SetupPrint(dc)) return false;
    // The layout pass counts the pages, so every header can show "page/count".
    currentPage = 0;
    if (!Paint(nullptr, obj, o)) return false;
    if (pageNumber <= 0) return true;
    currentPage = pageNumber;
    return Paint(dc, obj, o);
}

void TVernoListPlot::EndDraw() {
    list_ = nullptr;
    TBasicPlot::EndDraw();
}

int TVernoListPlot::LimitY(const TVernoList& list) const {
    return std::min(YToPixel(list.Shown(limit), false), chart.bottom);
}

bool TVernoListPlot::Setup(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (std::fabs(axisX.max - axisX.min) < 1e-10 || std::fabs(axisY.max - axisY.min) < 1e-10) return false;
    BeginDraw(dc, o);
    list_ = dynamic_cast<TVernoList*>(&obj);
    if (!list_) {
        EndDraw();
        return false;
    }
    list_->GetLimits(&limit, nullptr, nullptr, nullptr);
    const int top = TopBelowHeader();
    sideRegion = {page.left + page.Width() / 2 + 50, top, page.right, top};
    chart = {};
    if (!(opts & opts::kChart)) {
        AddHitRegion({}, 0, 0, 0, 0, 1);
        below = true;
    } else {
        int w = static_cast<int>(std::fabs(axisX.max - axisX.min) * 50);
        w = std::min(std::max(w, 500), page.Width() - 200);
        chart = {page.left + 150, top + 150, page.left + 150 + w, top + 1050};
        PlaceChart(chart, 0, 0);
        // The axis lines and the frame stand 30 units outside the chart.
        content = content.United({chart.left - 30, chart.top - 30, chart.right + 30, chart.bottom + 30});
        // The limit band is the view's limit-and-range region.
        Rect band;
        if (limit >= 1 && HasScales()) band = {chart.left, chart.top, chart.right, LimitY(*list_)};
        AddHitRegion(band, 0, 0, 0, 0, 1);
        sideRegion.top = sideRegion.bottom = chart.top - 30;
        below = !(chart.right + 80 < sideRegion.left);
    }
    int mode = opts::ColourMode(opts);
    barBrush = Brush::Solid(BarColour(mode));
    lowBrush = Brush::Solid(LowColour(mode));
    patternBrush = Brush::Hatch(kPattern, kBandColour, kWhite);
    return true;
}

bool TVernoListPlot::Paint(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!Setup(dc, obj, o)) return false;
    if ((opts & opts::kChart) && !HasScales()) {
        EndDraw();
        return false;
    }
    TVernoList& list = *list_;
    DrawHeader(obj);
    if (DrawsPage(1) && (opts & opts::kChart)) {
        DrawAxes(false);
        DrawBars(list);
        DrawGrid(false);
    }
    list.PaintSections(*this);
    EndDraw();
    return true;
}

void TVernoListPlot::DrawBars(TVernoList& list) {
    if (!device || !(opts & opts::kChart)) return;
    Canvas& dc = *device;
    if (limit > 0) {
        dc.SetTextColor(kBandColour);
        dc.SetBkColor(kWhite);
        dc.FillRect({chart.left, chart.top, chart.right, LimitY(list)}, patternBrush);
        dc.SetTextColor(kBlack);
    }
    dc.SetPen(BlackPen());
    dc.SetFont(normalFont);
    int oldAlign = dc.SetTextAlign(align::kCenter | align::kTop);
    for (int i = 0; i < list.Count(); ++i) {
        int32_t v = list.Cover(i);
        if (v <= 0) continue;
        double a = list.Shown(v);
        int x0 = XToPixel(i + 0.6), x1 = XToPixel(i + 1.4);
        // An edited cover deeper than the axis stops at the chart's bottom edge.
        int y = std::min(YToPixel(a, false), chart.bottom);
        dc.FillRect({x0, chart.top, x1, y}, v < limit ? lowBrush : barBrush);
        dc.Line(x1, chart.top, x1, y);
        dc.Line(x0, y, x1, y);
        if (opts & opts::kValues)
            dc.TextOut((x0 + x1) / 2, y + 6, list.Inches() ? Printf("%0.2lf", a) : Printf("%0.0lf", a));
    }
    dc.SetTextAlign(oldAlign);
}

} // namespace vordalis
