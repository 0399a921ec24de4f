#include "cover/TLevelPlot.h"

#include "cover/TLevelObj.h"

#include <algorithm>
#include <cmath>

namespace vordalis {
namespace {

constexpr Rgb kGray[10] = {kWhite,          {244, 244, 244}, {228, 228, 228}, {208, 208, 208},
                           {184, 184, 184}, {152, 152, 152}, {120, 120, 120}, {88, 88, 88},
                           {56, 56, 56},    {0, 0, 0}};
constexpr Rgb kInverted[10] = {kWhite,          {0, 0, 0},       {56, 56, 56},    {88, 88, 88},
                               {120, 120, 120}, {152, 152, 152}, {184, 184, 184}, {208, 208, 208},
                               {228, 228, 228}, {244, 244, 244}};
constexpr Rgb kSpectral[10] = {kWhite,       {160, 0, 0},   {255, 0, 0},   {255, 128, 0}, {192, 192, 0},
                               {0, 192, 64}, {0, 192, 192}, {0, 128, 255}, {0, 0, 196},   {0, 0, 128}};
constexpr Rgb kGreen[10] = {kWhite,       {128, 208, 0}, {112, 192, 0}, {96, 176, 0}, {80, 160, 0},
                            {64, 144, 0}, {48, 128, 0},  {32, 112, 0},  {16, 104, 0}, {0, 80, 0}};
constexpr Rgb kRed[10] = {kWhite,       {255, 128, 0}, {228, 112, 0}, {212, 96, 0}, {196, 80, 0},
                          {176, 64, 0}, {158, 48, 0},  {136, 32, 0},  {124, 16, 0}, {100, 0, 0}};

} // namespace

int TLevelPlot::BrushIndex(int a, int n, int32_t v) const {
    int index;
    if (a < 0 || a > n - 1)
        index = 0;
    else if (a == 0)
        index = 1;
    else if (a == n - 1)
        index = 9;
    else
        index = static_cast<int>(8.0 * a / (n - 1) + 0.5) + 1;
    if (index == limitBrush_ && v < limit_) index = kBelowLimitBrush;
    return index;
}

TLevelPlot::Colours TLevelPlot::ColourTable(int mode, int limitBrush) {
    Colours c{};
    const Rgb* table = mode == 1 ? kGray : mode == 2 ? kInverted : mode == 4 ? kSpectral : kGreen;
    for (int i = 0; i < 10; ++i) c[static_cast<size_t>(i)] = table[i];
    const int lb = (limitBrush >= 0 && limitBrush <= 9) ? limitBrush : 0;
    if (table == kGreen) {
        // Classes wholly below the limit are red, the limit's class red below the limit only.
        c[kBelowLimitBrush] = kRed[lb];
        for (int i = 1; i < lb; ++i) c[static_cast<size_t>(i)] = kRed[i];
    } else {
        c[kBelowLimitBrush] = table[lb];
    }
    return c;
}

bool TLevelPlot::BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj) {
    if (haveBrushes_) return false;
    if (!BeginDraw(dc, options)) return false;
    level = dynamic_cast<TLevelObj*>(&obj);
    if (!level) return false;
    int32_t limit = 0;
    obj.GetLimits(&limit, nullptr, nullptr, nullptr);
    limit_ = limit;
    limitBrush_ = 0;
    limitBrush_ = BrushIndex(level->ClassOf(limit_), level->ClassCount(), 32767);
    if (!dc) return true;
    Colours colours = ColourTable(opts::ColourMode(options), limitBrush_);
    for (int i = 0; i < kBrushCount; ++i)
        brushes_[static_cast<size_t>(i)] = Brush::Solid(colours[static_cast<size_t>(i)]);
    haveBrushes_ = true;
    return true;
}

bool TLevelPlot::DrawScreen(Canvas* dc, TBasicObj& obj, int32_t options) {
    if (!SetupScreen(dc)) return false;
    currentPage = 0;
    return BeginLevelDraw(dc, options, obj) && Paint(obj);
}

bool TLevelPlot::DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t options, int pageNo) {
    if (!SetupPrint(dc)) return false;
    currentPage = pageNo;
    // Page 0 is the layout pass that counts the pages.
    return BeginLevelDraw(pageNo > 0 ? dc : nullptr, options, obj) && Paint(obj);
}

bool TLevelPlot::DrawCopy(Canvas* dc, TBasicObj& obj, int32_t options) {
    if (!SetupCopy(dc)) return false;
    currentPage = 0;
    return BeginLevelDraw(dc, options, obj) && Paint(obj);
}

Rect TLevelPlot::PlaceLevelChart(int maxWidth, int reservedBelow) {
    const double xSpan = axisX.max - axisX.min, ySpan = axisY.max - axisY.min;
    const int top = content.bottom;
    int w = std::min(page.Width() - 200, maxWidth);
    const int h = page.bottom - top - 150 - reservedBelow;
    int t = static_cast<int>(std::lround(w * (ySpan / xSpan)));
    int shift = 0;
    if (t > h && h > 0) {
        t = h;
        const int narrower = static_cast<int>(std::lround(h * (xSpan / ySpan)));
        shift = (w - narrower) / 2;
        w = narrower;
    }
    const Rect chart{page.left + 150 + shift, top + 150, page.left + 150 + shift + w, top + 150 + t};
    PlaceChart(chart, 0, 0);
    // The axes and their titles stand outside the chart area.
    content = content.United({chart.left - 150, chart.top - 110, chart.right + 30, chart.bottom + 30});
    return chart;
}

void TLevelPlot::EndDraw() {
    if (device && started && haveBrushes_) device->SetBrush(Brush::Solid(kWhite));
    brushes_.fill(Brush{});
    haveBrushes_ = false;
    TBasicPlot::EndDraw();
}

} // namespace vordalis
