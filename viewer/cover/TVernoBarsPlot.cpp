#include "cover/TVernoBarsPlot.h"

#include "cover/CoverRows.h"
#include "cover/LegendText.h"
#include "cover/TVernoBars.h"
#include "model/Strings.h"
#include "plot/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vordalis {
bool TVernoBarsPlot::BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj) {
    if (std::fabs(axisX.max - axisX.min) < 1e-10 || std::fabs(axisY.max - axisY.min) < 1e-10) return false;
    if (!TLevelPlot::BeginLevelDraw(dc, options, obj)) {
        if (started) EndDraw();
        return false;
    }
    legend = {};
    if (!(options & opts::kChart)) {
        AddHitRegion({}, 0, 0, 0, 0, 1);
        return true;
    }
    const Rect chart = PlaceLevelChart(800, 0);
    legend = {chart.right + 180, chart.top, chart.right + 180 + (Limit() > 0 ? 280 : 200), chart.top + 450};
    AddHitRegion(legend, 0, 0, 0, 0, 1);
    content = content.United({legend.left, legend.top - 70, legend.right + 150, legend.bottom});
    return true;
}

bool TVernoBarsPlot::Paint(TBasicObj& obj) {
    TVernoBars& bars = static_cast<TVernoBars&>(obj);
    if ((opts & opts::kChart) && !HasScales()) {
        EndDraw();
        return false;
    }
    DrawHeader(bars);
    if (DrawsPage(1) && (opts & opts::kChart)) {
        DrawAxes(false);
        DrawChart(bars);
        DrawGrid(false);
        DrawLegend(bars);
    }
    DrawStatistics(bars);
    DrawTables(bars);
    EndDraw();
    return true;
}

void TVernoBarsPlot::DrawChart(TVernoBars& bars) {
    if (!device || !HasBrushes() || bars.ClassCount() < 1) return;
    Canvas& dc = *device;
    std::vector<int> items;
    for (int i = 0; i < TVernoBars::kPositions; ++i) {
        if (bars.xScan.Get(i) > 0) items.push_back(i);
    }
    for (int i = 0; i < TVernoBars::kPositions; ++i) {
        if (bars.yScan.Get(i) > 0) items.push_back(TVernoBars::kYItem + i);
    }
    // The deepest bars first, so that the shallower ones are painted over them.
    std::stable_sort(items.begin(), items.end(),
                     [&](int a, int b) { return bars.ItemCover(a) > bars.ItemCover(b); });

    const double scale = bars.grid.Scale();
    const double half = bars.HalfDiameter();
    const bool values = (opts & opts::kValues) != 0;
    dc.SetFont(normalFont);
    dc.SetTextColor(kBlack);
    for (int item : items) {
        const int32_t cover = bars.ItemCover(item);
        const Brush& brush = GetBrush(BrushIndex(bars.ClassOf(cover), bars.ClassCount(), cover));
        const bool isY = (item & TVernoBars::kYItem) != 0;
        const double pos = (item & 0xFF) * (isY ? bars.grid.StepY() : bars.grid.StepX()) * scale;
        Rect r;
        if (!isY) {
            r = {XToPixel(pos - half), YToPixel(0, false), XToPixel(pos + half),
                 YToPixel(bars.DrawnLengthY(), false)};
            if (r.Width() < 3) {
                int c = XToPixel(pos);
                r.left = c - 1;
                r.right = c + 2;
            }
        } else {
            r = {XToPixel(0), YToPixel(pos - half, false), XToPixel(bars.DrawnLengthX()),
                 YToPixel(pos + half, false)};
            if (r.Height() < 3) {
                int c = YToPixel(pos, false);
                r.top = c - 1;
                r.bottom = c + 2;
            }
        }
        dc.FillRect(r, brush);
        if (!values) continue;
        std::u16string text = bars.imperial ? Printf("%0.2lf", cover * kInchPerMm) : Printf("%3d", cover);
        if (!isY) {
            dc.SetTextAlign(align::kCenter | align::kTop);
            dc.TextOut((r.left + r.right) / 2, r.bottom - 2, text);
        } else {
            dc.SetTextAlign(align::kLeft | align::kBaseline);
            dc.TextOut(r.right, (r.top + r.bottom) / 2 + 10, text);
        }
    }
}

void TVernoBarsPlot::DrawLegend(TVernoBars& bars) {
    const int n = bars.ClassCount();
    if (!device || !HasBrushes() || n < 2) return;
    Canvas& dc = *device;
    const bool inches = bars.imperial != 0;
    const int32_t limit = Limit();
    const int swatchLeft = legend.left + 120, swatchRight = legend.left + 200;
    int limitY = -1;
    dc.SetFont(normalFont);
    dc.SetTextColor(kBlack);
    dc.SetPen(BlackPen());
    for (int g = 1; g <= n; ++g) {
        const LegendClass c = LegendClassBounds(bars, g, limit);
        const int top = legend.top + (g - 1) * 50, bottom = top + 28;
        const Brush& brush = GetBrush(BrushIndex(g - 1, n, c.upper + 1));
        if (limit > c.lower && limit <= c.upper) {
            const int split = top + static_cast<int>(28.0 * (static_cast<double>(limit) - c.lower) /
                                                         (static_cast<double>(c.upper) - c.lower + 1) +
                                                     0.5);
            dc.FillRect({swatchLeft, top, swatchRight, split}, GetBrush(kBelowLimitBrush));
            dc.FillRect({swatchLeft, split, swatchRight, bottom}, brush);
            limitY = split;
        } else {
            dc.FillRect({swatchLeft, top, swatchRight, bottom}, brush);
            if (limit > 0 && limit == c.upper + 1) limitY = bottom + 11;
        }
        dc.SetBrush(Brush::Hollow());
        dc.Rectangle({swatchLeft, top, swatchRight, bottom});
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(swatchLeft - 20, bottom, LegendLabel(bars, g, c, inches));
    }
    dc.SetTextAlign(align::kCenter | align::kBaseline);
    dc.TextOut(swatchLeft, legend.top - 33, LoadString(Str::Cover) + UnitSuffix(inches));
    if (limit > 0 && limitY >= 0) {
        dc.Line(swatchLeft - 4, limitY, swatchRight + 40, limitY);
        const LimitText t = SplitLimitText(limit, inches);
        dc.SetTextAlign(align::kLeft | align::kBottom);
        dc.TextOut(swatchRight + 45, limitY, t.head);
        dc.SetTextAlign(align::kLeft | align::kTop);
        dc.TextOut(swatchRight + 45, limitY, t.tail);
    }
}

void TVernoBarsPlot::DrawStatistics(TVernoBars& bars) {
    if (!(opts & opts::kStatistics)) return;
    const bool inches = bars.imperial != 0;
    const int32_t limit = bars.xScan.Lower();
    const int extra = limit > 0 ? 40 : 0;
    int y = content.bottom + 80;
    int height = 285 + extra;
    const int before = layoutPage;
    const int onPage = PlaceOnPage(y, height);
    if (onPage == 0) return;
    if (onPage != before) height = 325 + extra;
    content = content.United({page.left, y, page.right, y + height});
    if (!DrawsPage(onPage)) return;
    Canvas& dc = *device;
    dc.SetTextColor(kBlack);

    // Parameters at the page's left edge.
    const int left = page.left;
    DrawBoxTitle(*this, left, y + 45, LoadString(Str::SetParameters));
    std::vector<CoverRow> rows = BarParameterRows(bars.barDiameter, bars.layerWord, limit, inches);
    const double step = bars.grid.StepX();
    const std::u16string width = inches ? Printf("%0.2lf ", step) : Printf("%0.0lf  ", step);
    const std::u16string unit = inches ? u"in" : u"mm";
    rows.push_back({LoadString(Str::XGridWidth), u"dX", width, unit});
    rows.push_back({LoadString(Str::YGridWidth), u"dY", width, unit});
    int baseline = y + 45;
    for (const CoverRow& row : rows) DrawCoverRow(*this, left, baseline += 40, row, {420, 500, 515});

    // Statistics per scan, from the page's centre - 120.
    const int sl = (page.left + page.right) / 2 - 120;
    DrawBoxTitle(*this, sl, y + 45, LoadString(Str::Statistic));
    dc.SetTextAlign(align::kRight | align::kBaseline);
    dc.TextOut(sl + 650, y + 45, u"x  ");
    dc.TextOut(sl + 760, y + 45, u"y  ");
    struct Column {
        std::u16string n, mean, sd, max, min, span, below;
    };
    auto column = [&](TValueSeries& s) {
        Column c;
        const int32_t count = s.Count();
        c.n = Printf("%d  ", count);
        if (count < 1) {
            // A scan without bars shows a dash in every row of its column.
            c.n = c.mean = c.sd = c.max = c.min = c.span = c.below = u"-  ";
            return c;
        }
        c.mean = Printf(inches ? "%6.2lf" : "%6.1lf", s.Mean());
        c.sd = count < 2 ? u"-  " : Printf(inches ? "%6.2lf" : "%6.1lf", s.StdDev());
        if (inches) {
            c.max = Printf("%0.2f", s.Max() * kInchPerMm);
            c.min = Printf("%0.2f", s.Min() * kInchPerMm);
            c.span = Printf("%0.2f", (s.Max() - s.Min()) * kInchPerMm);
        } else {
            c.max = Printf("%d  ", s.Max());
            c.min = Printf("%d  ", s.Min());
            c.span = Printf("%d  ", s.Max() - s.Min());
        }
        c.below = Printf("%0.1lf", s.PercentOutside());
        return c;
    };
    const Column cx = column(bars.xScan), cy = column(bars.yScan);
    const std::u16string len = inches ? u"in" : u"mm";
    struct StatRow {
        Str label;
        const char16_t* symbol;
        std::u16string Column::*value;
        std::u16string unit;
    };
    std::vector<StatRow> statRows = {
        {Str::MeasuredBarCount, u"N", &Column::n, u""},    {Str::AverageCover, u"m", &Column::mean, len},
        {Str::StandardDeviation, u"sa", &Column::sd, len}, {Str::MaximumCover, u"Max", &Column::max, len},
        {Str::MinimumCover, u"Min", &Column::min, len},    {Str::Span, u"R", &Column::span, len},
    };
    if (limit > 0) statRows.push_back({Str::CoversBelowLimit, u"<s(Min)", &Column::below, u"%"});
    baseline = y + 45;
    for (const StatRow& r : statRows) {
        baseline += 40;
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        dc.TextOut(sl, baseline, LoadString(r.label));
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(sl + 540, baseline, std::u16string(r.symbol) + u"  =");
        dc.TextOut(sl + 650, baseline, cx.*r.value);
        dc.TextOut(sl + 760, baseline, cy.*r.value);
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        dc.TextOut(sl + 790, baseline, r.unit);
    }
}

void TVernoBarsPlot::DrawTables(TVernoBars& bars) {
    if (!(opts & opts::kTable)) {
        // Keep the region numbers of the tables stable for the view.
        AddHitRegion({}, 0, 0, 0, 0, 1);
        AddHitRegion({}, 0, 0, 0, 0, 1);
        return;
    }
    const bool inches = bars.imperial != 0;
    const bool mm = !inches && bars.mmScale;
    const int32_t limit = bars.xScan.Lower();
    const std::u16string coverTitle = LoadString(Str::Cover) + UnitSuffix(inches);
    const int w = 20 * static_cast<int>(coverTitle.size());
    const int tableWidth = w + 150;
    const double unit = bars.grid.StepX() * bars.grid.Scale();

    int nextTop = content.bottom + 135;
    int left = page.left;
    for (int t = 0; t < 2; ++t, left += tableWidth + 80) {
        TValueSeries& scan = t == 0 ? bars.xScan : bars.yScan;
        std::vector<int> indices;
        for (int i = 0; i < TVernoBars::kPositions; ++i)
            if (scan.Get(i) > 0) indices.push_back(i);
        const int rows = static_cast<int>(indices.size());
        const int height = rows * 40 + 70;
        // The two tables stand side by side; each moves to the next page as a whole.
        int top = nextTop;
        const int before = layoutPage;
        const int onPage = PlaceOnPage(top, height);
        if (onPage == 0) {
            AddHitRegion({}, 0, 0, 0, 0, 1);
            continue;
        }
        if (onPage != before) top += 60; // room for the title on the new page
        nextTop = top;
        const int right = left + tableWidth;
        content = content.United({left, top - 50, right, top + height});
        const int firstItem = t == 0 ? 0 : TVernoBars::kYItem;
        if (rows > 0)
            AddHitRegion({left + 26, top + 66, right, top + 66 + rows * 40}, firstItem, 0, firstItem,
                         rows - 1, 1);
        else
            AddHitRegion({}, 0, 0, 0, 0, 1);
        if (!DrawsPage(onPage)) continue;
        Canvas& dc = *device;
        dc.SetPen(BlackPen());
        dc.SetTextColor(kBlack);
        if (t == 0) {
            SelectHeadingFont();
            dc.SetTextAlign(align::kLeft | align::kBottom);
            dc.TextOut(left, top - 10, LoadString(Str::MeasuredCovers));
            SelectNormalFont();
        }
        const std::u16string posTitle = std::u16string(t == 0 ? u"x" : u"y") + (inches ? u" [in]"
                                                                                : mm   ? u" [mm]"
                                                                                       : u" [m]");
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(left + 120, top + 40, posTitle);
        dc.TextOut(left + 140 + w, top + 40, coverTitle);
        dc.Line(left, top, right, top);
        dc.Line(left, top + 60, right, top + 60);
        dc.Line(left, top + height, right, top + height);
        int baseline = top + 100;
        for (int index : indices) {
            const double pos = index * unit;
            const int32_t cover = scan.Get(index);
            dc.SetTextColor(kBlack);
            dc.TextOut(left + 120, baseline, mm ? Printf("%0.0lf", pos * 1000) : Printf("%0.2lf", pos));
            dc.SetTextColor(CoverTextColour(cover, limit, opts));
            dc.TextOut(left + 170 + w / 2, baseline,
                       inches ? Printf("%0.2f", cover * kInchPerMm) : Printf("%d", cover));
            baseline += 40;
        }
        dc.SetTextColor(kBlack);
    }
}

} // namespace vordalis
