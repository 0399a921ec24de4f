#include "plot/TBasicPlot.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "settings/Settings.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vordalis {
namespace {

// Adds 0.5 and truncates; values far off the page are held to a range every device takes.
int Nearest(double v) {
    return static_cast<int>(std::clamp(v + 0.5, -1e8, 1e8));
}

// Spans below the first column get the step and minor ticks of the same row.
struct StepRow {
    double below, step;
    int minor;
};
constexpr StepRow kSteps[] = {
    {0.08, 0.01, 1}, {0.16, 0.02, 1}, {0.4, 0.05, 4},   {0.8, 0.1, 1},    {1.6, 0.2, 1},    {4, 0.5, 4},
    {8, 1, 1},       {16, 2, 1},      {40, 5, 4},       {80, 10, 1},      {160, 20, 1},     {400, 50, 4},
    {1000, 100, 1},  {2000, 250, 1},  {10000, 1250, 1}, {20000, 2500, 1}, {40000, 5000, 1}, {80000, 10000, 1},
};

std::u16string FormatLabel(const std::string& format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format.c_str(), v);
    return Latin1ToU16(buf);
}

} // namespace

std::u16string TBasicPlot::Axis::Title() const {
    return titleString != Str::None ? LoadString(titleString) + title : title;
}

bool TBasicPlot::Axis::LabelsShown() const {
    size_t open = title.find(u'[');
    return open != std::u16string::npos && title.find(u']', open) != std::u16string::npos;
}

TBasicPlot::TBasicPlot() = default;

TBasicPlot::~TBasicPlot() {
    // Only the base part is left here; a drawing still in progress is released without the
    // subclass's own clean-up, which owns nothing beyond value types.
    if (started) TBasicPlot::EndDraw();
}

// ---------------------------------------------------------------- set-up

bool TBasicPlot::SetupScreen(Canvas* dc) {
    if (dc && dc->IsPrinter()) return false;
    if (dc) dc->SetMapping(Mapping::Screen);
    page = kScreenPage;
    isCopy = isPrint = false;
    return true;
}

bool TBasicPlot::SetupCopy(Canvas* dc) {
    if (dc && dc->IsPrinter()) return false;
    page = {15, 20, 1715, 2080};
    isCopy = true;
    isPrint = false;
    return true;
}

bool TBasicPlot::SetupPrint(Canvas* dc) {
    if (!dc || !dc->IsPrinter()) return false;
    Size paper = dc->PaperSize();
    if (paper.cx <= 1398 || paper.cy <= 998) return false;
    dc->SetMapping(Mapping::Metric);
    settings::PageBorders b = settings::ReadPageBorders();
    page = {b.left, b.top, paper.cx - b.right, paper.cy - b.bottom};
    isCopy = false;
    isPrint = true;
    return true;
}

// ---------------------------------------------------------------- drawing frame

bool TBasicPlot::BeginDraw(Canvas* dc, int32_t options) {
    if (started) EndDraw();
    opts = options;
    device = dc;
    bool screen = !isPrint && !isCopy;
    if (screen && dc) hitRegions.clear();
    if (dc) {
        dc->SetTransparent(true);
        savedPen_ = dc->GetPen();
        savedBrush_ = dc->GetBrush();
        savedFont_ = dc->GetFont();
        dc->SetPen(BlackPen());
        dc->SetBrush(Brush::Solid(kWhite));
        dc->SetFont(normalFont);
    } else {
        pageCount = 1;
    }
    layoutPage = 1;
    if (opts & opts::kHeader)
        header = {page.left, page.top, page.right, page.top + kHeaderHeight};
    else
        header = {page.left, page.top, page.left, page.top};
    AddHitRegion(header, 0, 0, 0, 0, 1);
    content = header;
    started = true;
    return true;
}

void TBasicPlot::EndDraw() {
    if (device && started) {
        device->SetPen(savedPen_);
        device->SetBrush(savedBrush_);
        device->SetFont(savedFont_);
    }
    device = nullptr;
    started = false;
}

Extent TBasicPlot::ScreenExtent(TBasicObj& obj, int32_t options) {
    if (!DrawScreen(nullptr, obj, options)) return {0, 0};
    return {content.right + 30, content.bottom + 20};
}

Extent TBasicPlot::CopySize(TBasicObj& obj, int32_t options) {
    if (!DrawCopy(nullptr, obj, options)) return {0, 0};
    return {content.right + 15, content.bottom + 20};
}

int TBasicPlot::PageCount(Canvas& printer, TBasicObj& obj, int32_t options) {
    if (!DrawPrintPage(&printer, obj, options, 0)) return 1;
    return std::max(1, pageCount);
}

// ---------------------------------------------------------------- axes

bool TBasicPlot::SetAxis(Axis& axis, double min, double max, double step, int minorTicks, int decimals,
                         bool times1000) {
    double span = std::fabs(max - min);
    axis.pixelsPerUnit = axis.unitsPerPixel = 0;
    if (span < 0.01 || span >= 99999) return false;
    axis.min = min;
    axis.max = max;
    axis.step = step < 0 ? 0 : step;
    axis.minorTicks = (minorTicks < 1 || axis.step == 0) ? 0 : minorTicks;
    axis.labelsTimes1000 = times1000;
    if (decimals < 0) decimals = 0;
    axis.labelFormat = decimals > 6 ? "%lf" : "%0." + std::to_string(decimals) + "lf";
    return true;
}

void TBasicPlot::PlaceAxis(Axis& axis, int a, int b, int offset) {
    axis.offset = offset;
    axis.pixelStart = a + offset;
    axis.pixelEnd = b + offset;
    double span = axis.max - axis.min;
    if (a != b && std::fabs(span) >= 1e-10) {
        axis.pixelsPerUnit = (b - a) / span;
        axis.unitsPerPixel = 1.0 / axis.pixelsPerUnit;
    } else {
        axis.pixelsPerUnit = axis.unitsPerPixel = 0;
    }
}

void TBasicPlot::PlaceChart(const Rect& r, int xOffset, int yOffset) {
    PlaceAxis(axisX, r.left, r.right, xOffset);
    PlaceAxis(axisY, r.top, r.bottom, yOffset);
}

bool TBasicPlot::NiceStep(double a, double b, double* step, int* minorTicks) {
    // The tolerance keeps a span such as 10.04 - 10 (0.0399999...) in the row it names.
    double span = std::fabs(b - a) + 1e-9;
    double s = 0;
    int m = 0;
    if (span >= 0.04 && span < 100000) {
        s = kSteps[std::size(kSteps) - 1].step;
        m = kSteps[std::size(kSteps) - 1].minor;
        for (const auto& row : kSteps)
            if (span < row.below) {
                s = row.step;
                m = row.minor;
                break;
            }
    }
    if (step) *step = s;
    if (minorTicks) *minorTicks = m;
    return s != 0;
}

int TBasicPlot::XToPixel(double v) const {
    return Nearest((v - axisX.min) * axisX.pixelsPerUnit) + axisX.pixelStart;
}

int TBasicPlot::YToPixel(double v, bool yUp) const {
    if (yUp) return axisY.pixelEnd - Nearest((v - axisY.min) * axisY.pixelsPerUnit);
    return axisY.pixelStart + Nearest((v - axisY.min) * axisY.pixelsPerUnit);
}

double TBasicPlot::XFromPixel(int x) const {
    if (!HasScales() || !(opts & opts::kChart)) return -1;
    double v = (x - axisX.pixelStart) * axisX.unitsPerPixel + axisX.min;
    return (v >= 0 && v <= std::fabs(axisX.max - axisX.min)) ? v : -1;
}

double TBasicPlot::YFromPixel(int y, bool yUp) const {
    if (!HasScales() || !(opts & opts::kChart)) return -1;
    double v = yUp ? axisY.max - (y - axisY.pixelStart) * axisY.unitsPerPixel
                   : (y - axisY.pixelStart) * axisY.unitsPerPixel + axisY.min;
    return (v >= 0 && v <= std::fabs(axisY.max - axisY.min)) ? v : -1;
}

Rect TBasicPlot::GetChartRect() const {
    if (!HasScales()) return {};
    return {axisX.pixelStart, axisY.pixelStart, axisX.pixelEnd, axisY.pixelEnd};
}

void TBasicPlot::TickValues(const Axis& axis, std::vector<double>& majors,
                            std::vector<double>& minors) const {
    majors.clear();
    minors.clear();
    if (axis.step <= 0) return;
    double lo = std::min(axis.min, axis.max), hi = std::max(axis.min, axis.max);
    // Counting steps instead of adding them keeps long axes free of drift.
    for (int i = 0;; ++i) {
        double v = lo + i * axis.step;
        if (v > hi + 1e-10) break;
        majors.push_back(v);
        for (int k = 1; k <= axis.minorTicks; ++k) {
            double m = v + k * axis.step / (axis.minorTicks + 1);
            if (m > hi + 1e-10) break;
            minors.push_back(m);
        }
    }
}

bool TBasicPlot::DrawAxes(bool yUp) {
    if (!started || !HasScales()) return false;
    if (!(opts & opts::kChart) || !device) return true;
    Canvas& dc = *device;
    const int x0 = axisX.pixelStart, x1 = axisX.pixelEnd, y0 = axisY.pixelStart, y1 = axisY.pixelEnd;
    const bool frame = (opts & opts::kFrame) != 0;
    dc.SetPen(BlackPen());
    dc.SetTransparent(true);
    int oldAlign = dc.GetTextAlign();

    // The axis lines stand 30 units outside the chart; the reading axis runs along the edge
    // where the values start (top for depth charts, bottom for upward charts).
    if (yUp) {
        dc.MoveTo(x0 - 30, y0 - 30);
        dc.LineTo(x0 - 30, y1 + 30);
        dc.LineTo(x1 + 30, y1 + 30);
        if (frame) {
            dc.LineTo(x1 + 30, y0 - 30);
            dc.LineTo(x0 - 30, y0 - 30);
        }
    } else {
        dc.MoveTo(x1 + 30, y0 - 30);
        dc.LineTo(x0 - 30, y0 - 30);
        dc.LineTo(x0 - 30, y1 + 30);
        if (frame) {
            dc.LineTo(x1 + 30, y1 + 30);
            dc.LineTo(x1 + 30, y0 - 30);
        }
    }

    // X axis: along the top edge of a depth chart, along the bottom edge of an upward chart;
    // dir points away from the chart.
    const int edge = yUp ? y1 : y0, far = yUp ? y0 : y1, dir = yUp ? 1 : -1;
    dc.SetTextAlign(align::kCenter | (yUp ? align::kTop : align::kBottom));
    dc.TextOut((x0 + x1) / 2, edge + dir * 75, axisX.Title());
    std::vector<double> majors, minors;
    TickValues(axisX, majors, minors);
    const bool xLabels = axisX.LabelsShown();
    for (double v : majors) {
        int x = XToPixel(v);
        dc.Line(x, edge + dir * 30, x, edge + dir * 8);
        if (frame) dc.Line(x, far - dir * 30, x, far - dir * 8);
        if (xLabels)
            dc.TextOut(x, edge + dir * 33,
                       FormatLabel(axisX.labelFormat, axisX.labelsTimes1000 ? v * 1000 : v));
    }
    for (double v : minors) {
        int x = XToPixel(v);
        dc.Line(x, edge + dir * 30, x, edge + dir * 15);
        if (frame) dc.Line(x, far - dir * 30, x, far - dir * 15);
    }

    // Y axis on the left, its title written upward.
    if (const std::u16string yTitle = axisY.Title(); !yTitle.empty()) {
        dc.SetTextAlign(align::kCenter | align::kBaseline);
        dc.SetFont(verticalFont);
        dc.TextOut(x0 - 130, (y0 + y1) / 2, yTitle);
        dc.SetFont(normalFont);
    }
    dc.SetTextAlign(align::kRight | align::kBaseline);
    TickValues(axisY, majors, minors);
    const bool yLabels = axisY.LabelsShown();
    for (double v : majors) {
        int y = YToPixel(v, yUp);
        dc.Line(x0 - 30, y, x0 - 8, y);
        if (frame) dc.Line(x1 + 30, y, x1 + 8, y);
        if (yLabels)
            dc.TextOut(x0 - 35, y + 10, FormatLabel(axisY.labelFormat, axisY.labelsTimes1000 ? v * 1000 : v));
    }
    for (double v : minors) {
        int y = YToPixel(v, yUp);
        dc.Line(x0 - 30, y, x0 - 15, y);
        if (frame) dc.Line(x1 + 30, y, x1 + 15, y);
    }
    dc.SetTextAlign(oldAlign);
    return true;
}

bool TBasicPlot::DrawGrid(bool yUp) {
    if (!(opts & opts::kGrid) || !started || !HasScales()) return false;
    if (!(opts & opts::kChart) || !device) return true;
    Canvas& dc = *device;
    const int x0 = axisX.pixelStart, x1 = axisX.pixelEnd, y0 = axisY.pixelStart, y1 = axisY.pixelEnd;
    dc.SetPen((isPrint || isCopy) ? Pen{PenStyle::Dotted, 0, kBlack}
                                  : Pen{PenStyle::Solid, 0, Rgb(128, 128, 128)});
    std::vector<double> majors, minors;
    TickValues(axisX, majors, minors);
    for (double v : majors) {
        int x = XToPixel(v);
        dc.Line(x, y0 - 8, x, y1 + 8);
    }
    TickValues(axisY, majors, minors);
    for (double v : majors) {
        int y = YToPixel(v, yUp);
        dc.Line(x0 - 8, y, x1 + 8, y);
    }
    dc.SetPen(BlackPen());
    return true;
}

// ---------------------------------------------------------------- header

TBasicPlot::HeaderExtras TBasicPlot::GetHeaderExtras(const TBasicObj&) const {
    return {};
}

void TBasicPlot::DrawHeader(const TBasicObj& obj) {
    if (!started || !(opts & opts::kHeader) || !device) return;
    Canvas& dc = *device;
    const int L = header.left, T = header.top, R = header.right;
    HeaderExtras extras = GetHeaderExtras(obj);

    std::u16string family, right;
    const std::u16string& code = obj.instrumentCode;
    if (code == u"V4" || code == u"V5" || code == u"VX") {
        family = u"VERNOSKANT";
        if (code.size() > 1 && code[1] >= u'0' && code[1] <= u'9') family += std::u16string(u" ") + code[1];
        right = LoadString(Str::RebarLocator);
    } else if (code == u"TH") {
        if (obj.type == kTypeReboundSummary)
            family = LoadString(Str::ReboundSummary);
        else if (obj.type == kTypeReboundChina)
            family = u"TORVIHAMMER CHINA";
        else
            family = u"TORVIHAMMER";
    } else if (code == u"MX") {
        family = u"MELOX";
    }
    if (!extras.family.empty()) family = extras.family;
    if (!extras.rightText.empty()) right = extras.rightText;
    std::u16string heading = u"MORVEX - " + family;

    std::u16string part1, part2, hammer, number;
    if (obj.type != kTypeReboundSummary) {
        part1 = obj.idPart1;
        part2 = obj.idPart2;
    }
    if (code == u"TH" && (obj.type == kTypeReboundSeries || obj.type == kTypeReboundChina)) {
        hammer = extras.hammerText;
        number = extras.hammerNumber;
    }
    if (!part1.empty() || !part2.empty() || !hammer.empty() || !number.empty()) {
        heading += u" (" + part1;
        if (!part1.empty() && !part2.empty()) heading += u", ";
        heading += part2;
        if (!hammer.empty()) heading += u", " + hammer;
        heading += number + u")";
    }

    int oldAlign = dc.GetTextAlign();
    dc.SetTextColor(kBlack);
    dc.SetFont(headingFont);
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    dc.TextOut(L, T + 45, heading);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    dc.TextOut(R, T + 45, right);
    dc.SetPen(BlackPen());
    dc.Line(L, T + 55, R, T + 55);

    dc.SetTextAlign(align::kLeft | align::kBaseline);
    // Each value starts at its place, or after its label when a translation is longer.
    auto label = [&](int x, int y, Str id, int valueX) {
        const std::u16string text = LoadString(id);
        dc.TextOut(x, y, text);
        return std::max(valueX, x + dc.TextExtent(text).cx + 20);
    };
    const int titleX = label(L, T + 100, Str::Title, L + 150);
    const int dateX = label(L + 560, T + 100, Str::Date, L + 710);
    const int nameX = label(L + 1000, T + 100, Str::Name, L + 1140);
    const int remarksX = label(L, T + 140, Str::Remarks, L + 300);

    dc.SetFont(normalFont);
    dc.TextOut(titleX, T + 100, obj.title);
    bool rebound = obj.type >= kTypeReboundSeries && obj.type <= kTypeReboundChina;
    dc.TextOut(dateX, T + 100,
               FormatDate(obj.date, rebound ? u"%d-%b-%Y %H:%M" : LoadString(Str::DateFormat)));
    dc.TextOut(nameX, T + 100, obj.name);
    dc.TextOut(remarksX, T + 140, obj.remarks);
    if (isPrint) {
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(R, T + 100, Printf("%d/%d", currentPage, pageCount));
    }
    dc.Line(L, T + 160, R, T + 160);
    dc.SetTextAlign(oldAlign);
}

// ---------------------------------------------------------------- hit regions

bool TBasicPlot::AddHitRegion(const Rect& r, int firstColumn, int firstRow, int lastColumn, int lastRow,
                              int stride) {
    if (isPrint || isCopy || !device) return true;
    if (static_cast<int>(hitRegions.size()) >= kMaxHitRegions) return false;
    HitRegion h;
    h.rect = r.Normalized();
    h.firstColumn = firstColumn;
    h.firstRow = firstRow;
    h.lastColumn = lastColumn;
    h.lastRow = lastRow;
    int columns = std::max(1, lastColumn - firstColumn + 1);
    int rows = std::max(1, lastRow - firstRow + 1);
    if (!h.rect.IsEmpty()) {
        h.cellWidth = std::max(1, (h.rect.Width() + 1) / columns);
        h.cellHeight = std::max(1, (h.rect.Height() + 1) / rows);
        h.rect.right = h.rect.left + h.cellWidth * columns;
        h.rect.bottom = h.rect.top + h.cellHeight * rows;
    }
    h.stride = std::max(stride, columns);
    hitRegions.push_back(h);
    return true;
}

int TBasicPlot::FindHitRegion(int x, int y, int* cell) const {
    for (size_t i = 0; i < hitRegions.size(); ++i) {
        const HitRegion& h = hitRegions[i];
        if (!h.rect.Contains(x, y)) continue;
        if (cell)
            *cell = (x - h.rect.left) / h.cellWidth +
                    ((y - h.rect.top) / h.cellHeight + h.firstRow) * h.stride + h.firstColumn;
        return static_cast<int>(i);
    }
    if (cell) *cell = -1;
    return -1;
}

// ---------------------------------------------------------------- pages

int TBasicPlot::PlaceOnPage(int& y, int height) {
    if (!isPrint) return 1;
    if (y + height <= page.bottom) return layoutPage;
    int top = TopBelowHeader();
    if (top + height > page.bottom) return 0;
    ++layoutPage;
    pageCount = std::max(pageCount, layoutPage);
    y = top;
    return layoutPage;
}

void TBasicPlot::SelectNormalFont() const {
    if (device) device->SetFont(normalFont);
}

void TBasicPlot::SelectHeadingFont() const {
    if (device) device->SetFont(headingFont);
}

} // namespace vordalis
