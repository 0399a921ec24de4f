#include "rebound/TTorvPlot.h"

#include "model/Strings.h"
#include "rebound/TTorvObj.h"

#include <algorithm>
#include <cmath>

namespace vordalis {

TTorvPlot::BarColours TTorvPlot::ColoursFor(int mode) {
    switch (mode) {
    case opts::kGrayscale:
        return {Rgb(88, 88, 88), Rgb(144, 144, 144)};
    case opts::kInvertedGrayscale:
        return {Rgb(144, 144, 144), Rgb(88, 88, 88)};
    case opts::kSpectral:
        return {Rgb(0, 128, 192), Rgb(200, 0, 0)};
    default: // green/red shades, also for any unknown mode
        return {Rgb(0, 144, 72), Rgb(200, 0, 0)};
    }
}

bool TTorvPlot::RedForOutside(int mode) {
    return mode != opts::kGrayscale && mode != opts::kInvertedGrayscale;
}

Pattern16 TTorvPlot::BandPattern() {
    Pattern16 p{};
    for (size_t row = 0; row < p.size(); ++row) p[row] = (row % 2 == 0) ? 0x5555 : 0xAAAA;
    return p;
}

void TTorvPlot::DrawArrow(Canvas& dc, const Arrow& a, int x, int y) {
    dc.SetPen(Pen{PenStyle::Solid, 3, kBlack});
    dc.Line(x + a.x0, y - a.y0, x + a.x1, y - a.y1);
    dc.Line(x + a.x1, y - a.y1, x + a.hx0, y - a.hy0);
    dc.Line(x + a.x1, y - a.y1, x + a.hx1, y - a.hy1);
    dc.SetPen(BlackPen());
}

bool TTorvPlot::ShownRed(const TTorvObj& obj, double v) const {
    return obj.showLimits && obj.OutsideLimits(v) && RedForOutside(opts::ColourMode(opts));
}

bool TTorvPlot::DrawScreen(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!SetupScreen(dc)) return false;
    return Paint(dc, static_cast<TTorvObj&>(obj), o, true);
}

bool TTorvPlot::DrawCopy(Canvas* dc, TBasicObj& obj, int32_t o) {
    if (!SetupCopy(dc)) return false;
    return Paint(dc, static_cast<TTorvObj&>(obj), o, true);
}

bool TTorvPlot::DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t o, int pageNumber) {
    if (!SetupPrint(dc)) return false;
    currentPage = pageNumber;
    // Page 0 is the layout pass that counts the pages.
    return Paint(pageNumber > 0 ? dc : nullptr, static_cast<TTorvObj&>(obj), o, pageNumber <= 1);
}

double TTorvPlot::LargestValue(TTorvObj& obj) const {
    double largest = 0;
    for (int i = 1; i <= obj.PositionCount(); ++i) largest = std::max(largest, obj.PositionValue(i));
    return largest;
}

bool TTorvPlot::Layout(TTorvObj& obj) {
    if (std::fabs(axisX.max - axisX.min) < 1e-10 || std::fabs(axisY.max - axisY.min) < 1e-10) return false;
    BeginDraw(device, opts);
    section = page;
    const int middle = page.left + page.Width() / 2 + 50;
    bandRect = {};
    colours = ColoursFor(opts::ColourMode(opts));
    if (!(opts & opts::kChart)) {
        AddEmptyRegion();
        stacked = true;
        chartFrame = {};
        section.top = content.bottom + 60;
        return true;
    }

    const double xSpan = std::fabs(axisX.max - axisX.min), ySpan = std::fabs(axisY.max - axisY.min);
    int width = std::max(static_cast<int>(50 * xSpan), 500);
    width = std::min(width, page.Width() - 200);
    int height = ySpan < 50 ? static_cast<int>(18 * ySpan) : 900;
    const int left = page.left + 150, top = content.bottom + 150;
    chartFrame = {left, top, left + width, top + height};
    PlaceChart(chartFrame, 0, 0);

    // Region 1 (double click opens the Limit dialog) covers the band the limits span.
    const double largest = LargestValue(obj);
    Rect region;
    if (obj.showLimits && largest >= obj.lowerLimit && HasScales()) {
        double high = std::min(1.1 * largest, static_cast<double>(obj.upperLimit));
        region = {chartFrame.left, YToPixel(high, true), chartFrame.right, YToPixel(obj.lowerLimit, true)};
        region = region.Normalized();
        region.top = std::max(region.top, chartFrame.top);
    }
    AddHitRegion(region, 0, 0, 0, 0, 1);
    if (obj.showLimits && largest > obj.lowerLimit) bandRect = region;

    // The axes, their labels and titles stand outside the frame.
    Grow({chartFrame.left - 180, chartFrame.top - 40, chartFrame.right + 40, chartFrame.bottom + 110});
    stacked = chartFrame.right + 80 >= middle;
    if (stacked)
        section = {page.left, chartFrame.bottom + 130, page.right, page.bottom};
    else
        section = {middle, chartFrame.top - 30, page.right, page.bottom};
    return true;
}

bool TTorvPlot::Paint(Canvas* dc, TTorvObj& obj, int32_t o, bool chartPainted) {
    device = dc;
    opts = o;
    if (!Layout(obj)) return false;
    const bool chart = (opts & opts::kChart) != 0;
    if (chart && !HasScales()) {
        EndDraw();
        return false;
    }
    DrawHeader(obj);
    if (chart && device && chartPainted) {
        DrawAxes(true);
        device->SetClip(chartFrame);
        DrawBand(obj);
        device->ClearClip();
        DrawGrid(true);
        device->SetClip(chartFrame);
        DrawBars(obj);
        device->ClearClip();
        DrawMeanLine(obj);
    }
    int y = section.top;
    if (opts & opts::kStatistics)
        y = DrawStatistics(obj, section.left, y);
    else
        AddEmptyRegion();
    // Table cells are sized from the full page width also when the sections stand beside the
    // chart; the painters then put fewer cells in a row.
    if (opts & opts::kTable) DrawTable(obj, section.left, y, page.Width());
    EndDraw();
    return true;
}

void TTorvPlot::DrawBand(TTorvObj&) {
    if (bandRect.IsEmpty()) return;
    device->FillRect(bandRect, Brush::Hatch(BandPattern(), kWhite, kBandBackground));
}

void TTorvPlot::DrawBars(TTorvObj& obj) {
    Canvas& dc = *device;
    const int baseline = YToPixel(0, true);
    const bool labels = (opts & opts::kValues) != 0;
    for (int i = 1; i <= obj.PositionCount(); ++i) {
        double v = obj.PositionValue(i);
        if (!(v > 0)) continue;
        int x0 = XToPixel(i - 0.4), x1 = XToPixel(i + 0.4);
        int top = YToPixel(v, true);
        bool cut = top < chartFrame.top;
        if (cut) top = chartFrame.top;
        const bool greyed = obj.PositionGreyed(i);
        Rgb fill =
            greyed ? kGreyed : (obj.showLimits && obj.OutsideLimits(v) ? colours.outside : colours.normal);
        dc.FillRect({x0, top, x1, baseline}, Brush::Solid(fill));
        dc.SetPen(BlackPen());
        dc.Line(x1, baseline - 2, x1, top);
        if (!cut) dc.Line(x0, top, x1, top);
        if (!labels) continue;
        std::u16string text = obj.PositionLabel(i);
        int xm = (x0 + x1) / 2, ty = top - 36;
        dc.SetTextAlign(align::kCenter | align::kTop);
        dc.SetTextColor(greyed ? kGreyed : kBlack);
        dc.TextOut(xm, ty, text);
        if (greyed) {
            Size ext = dc.TextExtent(text);
            dc.SetPen(Pen{PenStyle::Solid, 1, kGreyed});
            dc.Line(xm - ext.cx / 2, ty + ext.cy / 2, xm + ext.cx / 2, ty + ext.cy / 2);
            dc.SetPen(BlackPen());
        }
        dc.SetTextColor(kBlack);
    }
}

void TTorvPlot::DrawMeanLine(TTorvObj& obj) {
    if (!obj.showMeanLine) return;
    const int n = obj.PositionCount();
    const double end = n <= 4 ? 6.0 : n + 1.0;
    const int y = YToPixel(obj.ChartMean(), true);
    device->SetPen(Pen{PenStyle::Solid, 5, kBlack});
    device->Line(XToPixel(0) - 10, y, XToPixel(end) + 10, y);
    device->SetPen(BlackPen());
}

void TTorvPlot::DrawRow(int x, int y, const std::u16string& label, const std::u16string& symbol,
                        const std::u16string& value, const std::u16string& unit) {
    Grow({x, y - normalFont.height, x + 800, y + 8});
    if (!device) return;
    Canvas& dc = *device;
    dc.SetFont(normalFont);
    dc.SetTextColor(kBlack);
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    if (!label.empty()) dc.TextOut(x, y, label);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    if (!symbol.empty()) dc.TextOut(x + 540, y, symbol + u"  =");
    if (!value.empty()) dc.TextOut(x + 660, y, value);
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    if (!unit.empty()) dc.TextOut(x + 690, y, unit);
}

int TTorvPlot::DrawBlockHeading(int x, int top, const std::u16string& text) {
    Grow({x, top, x + 800, top + 50});
    if (device) {
        device->SetFont(headingFont);
        device->SetTextColor(kBlack);
        device->SetTextAlign(align::kLeft | align::kBaseline);
        device->TextOut(x, top + 45, text);
        device->SetFont(normalFont);
    }
    return top + 45 + kRowHeight;
}

int TTorvPlot::DrawTable(TTorvObj& obj, int left, int top, int width) {
    const int n = obj.PositionCount();
    if (n < 1 || n > 256) return top;
    const int cellWidth = (width - 20) / 24;
    if (cellWidth < 20) return top;
    return DrawCellTable(obj, left, top, stacked ? 24 : 11, cellWidth, n,
                         LoadString(Str::MeasuredReboundValue) + u" [R]");
}

int TTorvPlot::DrawCellTable(TTorvObj& obj, int left, int top, int columns, int cellWidth, int count,
                             const std::u16string& heading) {
    if (count < 1 || columns < 1) return top;
    const int rows = (count + columns - 1) / columns;
    const int tableTop = top + 60;
    if (isPrint && rows > (page.bottom - tableTop - 200) / kRowHeight) return top;
    const int right = left + columns * cellWidth;
    const int bottom = tableTop + rows * kRowHeight + 10;
    Grow({left, top, right + 10, bottom + 20});
    AddHitRegion({left, tableTop, right, tableTop + rows * kRowHeight}, 0, 0, columns - 1, rows - 1, columns);
    if (!device || !DrawsPage(1)) return bottom + 20;
    Canvas& dc = *device;
    dc.SetFont(headingFont);
    dc.SetTextColor(kBlack);
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    dc.TextOut(left, tableTop - 10, heading);
    dc.SetFont(normalFont);
    dc.SetPen(BlackPen());
    dc.Line(left, tableTop, right + 10, tableTop);
    dc.Line(left, bottom, right + 10, bottom);
    for (int i = 0; i < count; ++i) {
        int col = i % columns, row = i / columns;
        Rect cell{left + col * cellWidth, tableTop + row * kRowHeight, left + (col + 1) * cellWidth,
                  tableTop + (row + 1) * kRowHeight};
        DrawCell(obj, i, cell);
    }
    dc.SetTextColor(kBlack);
    return bottom + 20;
}

} // namespace vordalis
