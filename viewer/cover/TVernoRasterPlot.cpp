#include "cover/TVernoRasterPlot.h"

#include "cover/CoverRows.h"
#include "cover/LegendText.h"
#include "cover/TVernoRaster.h"
#include "model/Strings.h"
#include "plot/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vordalis {
namespace {

constexpr int kTableColumns = 20;

} // namespace

int TVernoRasterPlot::BandHeight(int32_t options, int32_t limit) {
    const bool values = (options & opts::kValues) != 0;
    if (limit > 0) return values ? 335 : 215;
    return values ? 255 : 175;
}

bool TVernoRasterPlot::BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj) {
    if (std::fabs(axisX.max - axisX.min) < 1e-10 || std::fabs(axisY.max - axisY.min) < 1e-10) return false;
    if (!TLevelPlot::BeginLevelDraw(dc, options, obj)) {
        if (started) EndDraw();
        return false;
    }
    if (!(options & opts::kChart)) {
        legend = page;
        AddHitRegion({}, 0, 0, 0, 0, 1);
        return true;
    }
    const int band = BandHeight(options, Limit());
    // No width cap; the legend band below the chart stays on the page.
    const Rect chart = PlaceLevelChart(page.Width(), 70 + band);
    legend = {std::min(page.left + 150, chart.left), chart.bottom + 70,
              std::max(page.right - 50, chart.right), chart.bottom + 70 + band};
    AddHitRegion(legend, 0, 0, 0, 0, 1);
    content = content.United({legend.left - 200, legend.top, legend.right + 50, legend.bottom});
    return true;
}

bool TVernoRasterPlot::Paint(TBasicObj& obj) {
    TVernoRaster& raster = static_cast<TVernoRaster&>(obj);
    if ((opts & opts::kChart) && !HasScales()) {
        EndDraw();
        return false;
    }
    DrawHeader(raster);
    if (DrawsPage(1) && (opts & opts::kChart)) {
        DrawAxes(false);
        DrawChart(raster);
        DrawGrid(false);
        DrawLegend(raster);
    }
    DrawStatistics(raster);
    DrawTable(raster);
    EndDraw();
    return true;
}

void TVernoRasterPlot::DrawChart(TVernoRaster& raster) {
    if (!device || !HasBrushes()) return;
    const double cw = raster.grid.StepX() * raster.grid.Scale();
    const double ch = raster.grid.StepY() * raster.grid.Scale();
    const int nx = raster.grid.Nx();
    for (int row = 0; row < raster.UsedRows(); ++row) {
        for (int col = 0; col < raster.UsedColumns(); ++col) {
            const int32_t cover = raster.covers.Get(row * nx + col);
            if (cover <= 0) continue;
            const Rect r{XToPixel(col * cw), YToPixel(row * ch, false), XToPixel((col + 1) * cw),
                         YToPixel((row + 1) * ch, false)};
            device->FillRect(r, GetBrush(BrushIndex(raster.ClassOf(cover), raster.ClassCount(), cover)));
        }
    }
}

void TVernoRasterPlot::DrawLegend(TVernoRaster& raster) {
    const int n = raster.ClassCount();
    if (!device || !HasBrushes() || n < 2) return;
    Canvas& dc = *device;
    const bool inches = raster.imperial != 0;
    const int32_t limit = Limit();
    const bool values = (opts & opts::kValues) != 0;
    const int W = legend.Width() + 30 - 30 * n;
    const int sw = W / n, pitch = W / n + 30;
    const int labelY = legend.top + 32, top = legend.top + 40, bottom = top + 50;
    int markerX = -1;
    dc.SetFont(normalFont);
    dc.SetTextColor(kBlack);
    dc.SetPen(BlackPen());
    // Shares of the classes, rounded to tenths of a percent, and their running sum.
    const int32_t total = raster.covers.Count();
    std::vector<double> shares(static_cast<size_t>(n), 0.0);
    for (int g = 0; g < n; ++g)
        if (total > 0)
            shares[static_cast<size_t>(g)] =
                static_cast<int>(raster.Counter(g) * 1000.0 / total + 0.5) / 10.0;
    double sum = 0;
    const int rowsY = legend.top + (limit > 0 ? 172 : 132);
    for (int g = 1; g <= n; ++g) {
        const LegendClass c = LegendClassBounds(raster, g, limit);
        const int left = legend.left + (g - 1) * pitch, right = left + sw;
        const Brush& brush = GetBrush(BrushIndex(g - 1, n, c.upper + 1));
        if (limit > c.lower && limit <= c.upper) {
            const int split = left + static_cast<int>(sw * (static_cast<double>(limit) - c.lower) /
                                                          (static_cast<double>(c.upper) - c.lower + 1) +
                                                      0.5);
            dc.FillRect({left, top, split, bottom}, GetBrush(kBelowLimitBrush));
            dc.FillRect({split, top, right, bottom}, brush);
            markerX = split;
        } else {
            dc.FillRect({left, top, right, bottom}, brush);
            if (limit > 0 && limit == c.upper + 1) markerX = right + 15;
        }
        dc.SetBrush(Brush::Hollow());
        dc.Rectangle({left, top, right, bottom});
        dc.SetTextAlign(align::kCenter | align::kBaseline);
        dc.TextOut((left + right) / 2, labelY, LegendLabel(raster, g, c, inches));
        if (values) {
            const double share = shares[static_cast<size_t>(g - 1)];
            sum += share;
            dc.TextOut((left + right) / 2, rowsY, Printf("%0.1lf", share));
            dc.TextOut((left + right) / 2, rowsY + 40, Printf("%0.1lf", sum));
        }
    }
    // The title stands left of the first swatch, or above the labels when it is too long there.
    const std::u16string title = LoadString(Str::Cover);
    if (dc.TextExtent(title).cx <= legend.left - 30 - page.left) {
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(legend.left - 30, labelY, title);
    } else {
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        dc.TextOut(page.left, labelY - 36, title);
    }
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    dc.TextOut(legend.right + (inches ? 25 : 10), labelY, inches ? u"in" : u"mm");
    if (values) {
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(legend.left - 50, rowsY, u"R");
        dc.TextOut(legend.left - 50, rowsY + 40, u"S");
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        dc.TextOut(legend.right + 10, rowsY, u"%");
        dc.TextOut(legend.right + 10, rowsY + 40, u"%");
    }
    if (limit > 0 && markerX >= 0) {
        dc.SetPen(Pen{PenStyle::Solid, 3, kBlack});
        dc.Line(markerX, top - 4, markerX, bottom + 8);
        dc.SetPen(BlackPen());
        const LimitText t = SplitLimitText(limit, inches);
        dc.SetTextAlign(align::kCenter | align::kTop);
        dc.TextOut(markerX, legend.top + 105, t.tail.empty() ? t.head : t.head + u" " + t.tail);
        if (values) {
            const double below = raster.covers.PercentOutside();
            const int aY = rowsY + 80;
            dc.SetTextAlign(align::kRight | align::kBaseline);
            dc.TextOut(markerX - 10, aY, Printf("%0.1lf", below));
            dc.TextOut(legend.left - 50, aY, u"A");
            dc.SetTextAlign(align::kLeft | align::kBaseline);
            dc.TextOut(markerX + 10, aY, Printf("%0.1lf", 100.0 - below));
            dc.TextOut(legend.right + 10, aY, u"%");
        }
    }
}

void TVernoRasterPlot::DrawStatistics(TVernoRaster& raster) {
    if (!(opts & opts::kStatistics)) return;
    const bool inches = raster.imperial != 0;
    const int32_t limit = raster.covers.Lower();
    const int height = 325 + (limit > 0 ? 40 : 0);
    int y = content.bottom + 50;
    const int onPage = PlaceOnPage(y, height);
    if (onPage == 0) return;
    content = content.United({page.left, y, page.right, y + height});
    if (!DrawsPage(onPage)) return;
    device->SetTextColor(kBlack);
    const RowColumns at{540, 620, 635};

    const int left = page.left;
    DrawBoxTitle(*this, left, y + 45, LoadString(Str::SetParameters));
    std::vector<CoverRow> rows = BarParameterRows(raster.barDiameter, raster.layerWord, limit, inches);
    auto width = [&](double step) {
        if (!inches) return Printf("%0.0lf  ", step);
        return step < 10 ? Printf("%0.2lf ", step) : Printf("%0.1lf ", step);
    };
    const std::u16string unit = inches ? u"in" : u"mm";
    rows.push_back({LoadString(Str::XGridWidth), u"dX", width(raster.grid.StepX()), unit});
    rows.push_back({LoadString(Str::YGridWidth), u"dY", width(raster.grid.StepY()), unit});
    int baseline = y + 45;
    for (const CoverRow& row : rows) DrawCoverRow(*this, left, baseline += 40, row, at);

    TValueSeries& s = raster.covers;
    const int32_t n = s.Count();
    const double area = raster.MeasuredArea();
    const std::u16string len = inches ? u"in" : u"mm";
    std::vector<CoverRow> stats;
    stats.push_back({LoadString(Str::MeasuredCoverCount), u"N", Printf("%d  ", n), u""});
    std::u16string areaText = !inches        ? Printf("%0.2lf", area)
                              : area >= 1000 ? Printf("%0.0f", area)
                              : area >= 100  ? Printf("%0.1f", area)
                                             : Printf("%0.2f", area);
    stats.push_back({LoadString(Str::MeasuredGridArea), u"A", areaText, inches ? u"ft\u00B2" : u"m\u00B2"});
    stats.push_back(
        {LoadString(Str::AverageCover), u"m", Printf(inches ? "%6.2lf" : "%6.1lf", s.Mean()), len});
    stats.push_back(
        {LoadString(Str::StandardDeviation), u"sa", Printf(inches ? "%6.2lf" : "%6.1lf", s.StdDev()), len});
    if (inches) {
        stats.push_back({LoadString(Str::MaximumCover), u"Max", Printf("%0.2f", s.Max() * kInchPerMm), len});
        stats.push_back({LoadString(Str::MinimumCover), u"Min", Printf("%0.2f", s.Min() * kInchPerMm), len});
        stats.push_back(
            {LoadString(Str::Span), u"R", Printf("%0.2f", (s.Max() - s.Min()) * kInchPerMm), len});
    } else {
        stats.push_back({LoadString(Str::MaximumCover), u"Max", Printf("%d  ", s.Max()), len});
        stats.push_back({LoadString(Str::MinimumCover), u"Min", Printf("%d  ", s.Min()), len});
        stats.push_back({LoadString(Str::Span), u"R", Printf("%d  ", s.Max() - s.Min()), len});
    }
    if (limit > 0)
        stats.push_back(
            {LoadString(Str::CoversBelowLimit), u"<s(Min)", Printf("%0.1lf", s.PercentOutside()), u"%"});
    const int sl = (page.left + page.right) / 2 + 50;
    DrawBoxTitle(*this, sl, y + 45, LoadString(Str::Statistic));
    baseline = y + 45;
    for (const CoverRow& row : stats) DrawCoverRow(*this, sl, baseline += 40, row, at);
}

void TVernoRasterPlot::DrawTable(TVernoRaster& raster) {
    if (!(opts & opts::kTable)) return;
    const int nx = raster.grid.Nx(), ny = raster.grid.Ny();
    const int cw = (page.Width() - 110) / kTableColumns;
    if (cw < 20 || nx <= 0 || ny <= 0) return;
    int rowsPerBlock = ny;
    if (isPrint) {
        rowsPerBlock = (page.Height() - 270) / 40;
        if (rowsPerBlock < 2) return;
    }
    const bool inches = raster.imperial != 0;
    const bool mm = !inches && raster.mmScale;
    const double stepX = raster.grid.StepX() * raster.grid.Scale();
    const double stepY = raster.grid.StepY() * raster.grid.Scale();
    const int32_t limit = raster.covers.Lower();
    const std::u16string xTitle = inches ? u"x[ft]" : mm ? u"x[mm]" : u"x[m]";
    const std::u16string yTitle = inches ? u"y[ft]" : mm ? u"y[mm]" : u"y[m]";
    bool first = true;
    for (int c0 = 0; c0 < nx; c0 += kTableColumns) {
        const int c1 = std::min(nx, c0 + kTableColumns) - 1;
        const int columns = c1 - c0 + 1;
        for (int r0 = 0; r0 < ny; r0 += rowsPerBlock) {
            const int r1 = std::min(ny, r0 + rowsPerBlock) - 1;
            const int rows = r1 - r0 + 1;
            const int height = (rows - 1) * 40 + 160;
            int top = content.bottom + 100;
            const int onPage = PlaceOnPage(top, height);
            if (onPage == 0) return;
            const int left = page.left + (columns < kTableColumns ? (kTableColumns - columns) * cw / 2 : 0);
            const int cells = left + 106;
            const int right = cells + columns * cw;
            content = content.United({left, top - 40, right, top + height});
            AddHitRegion({cells, top + 116, right, top + 116 + rows * 40}, c0, r0, c1, r1, nx);
            const bool isFirst = first;
            first = false;
            if (!DrawsPage(onPage)) continue;
            Canvas& dc = *device;
            dc.SetPen(BlackPen());
            dc.SetTextColor(kBlack);
            dc.SetTextAlign(align::kLeft | align::kBaseline);
            if (isFirst) {
                SelectHeadingFont();
                dc.TextOut(left, top + 34, LoadString(Str::MeasuredCovers) + UnitSuffix(inches));
                SelectNormalFont();
            } else {
                dc.TextOut(left, top + 34, LoadString(Str::MeasuredCoversContinued));
            }
            dc.SetTextAlign(align::kRight | align::kBaseline);
            dc.TextOut(cells - 6, top + 72, xTitle);
            dc.TextOut(cells - 6, top + 104, yTitle);
            long previousWhole = -1;
            for (int c = c0; c <= c1; ++c) {
                const int cr = cells + (c - c0 + 1) * cw - 8;
                const double pos = c * stepX;
                if (mm) {
                    dc.TextOut(cr, top + 104, Printf("%0.0lf", pos * 1000));
                    continue;
                }
                // Whole metres (feet) where they change, the hundredths below them.
                const long hundredths = std::lround(pos * 100);
                if (hundredths / 100 != previousWhole)
                    dc.TextOut(cr, top + 72, Printf("%ld", hundredths / 100));
                previousWhole = hundredths / 100;
                dc.TextOut(cr, top + 104, Printf(".%02ld", hundredths % 100));
            }
            dc.Line(left, top + 112, right, top + 112);
            dc.Line(cells - 2, top + 30, cells - 2, top + height);
            for (int r = r0; r <= r1; ++r) {
                const int baseline = top + 116 + (r - r0) * 40 + 32;
                const double pos = r * stepY;
                dc.SetTextColor(kBlack);
                dc.TextOut(cells - 10, baseline, mm ? Printf("%0.0lf", pos * 1000) : Printf("%0.2lf", pos));
                for (int c = c0; c <= c1; ++c) {
                    const int32_t cover = raster.covers.Get(r * nx + c);
                    if (cover <= 0) continue;
                    dc.SetTextColor(CoverTextColour(cover, limit, opts));
                    dc.TextOut(cells + (c - c0 + 1) * cw - 8, baseline,
                               inches ? Printf("%0.2f", cover * kInchPerMm) : Printf("%d", cover));
                }
            }
            dc.SetTextColor(kBlack);
            dc.Line(left, top + height, right, top + height);
        }
    }
}

} // namespace vordalis
