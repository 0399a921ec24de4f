#include "cover/TVernoList.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vordalis {
namespace {

// Wide arithmetic: a damaged file must not overflow; the integer division truncates toward 0.
int32_t Narrow(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
int32_t InchEighthsToMm(int32_t d) {
    return Narrow((int64_t{d} * 254 + 40) / 80);
}
int32_t InchHundredthsToMm(int32_t v) {
    return Narrow((int64_t{v} * 254 + 500) / 1000);
}

} // namespace

std::unique_ptr<TBasicObj> TVernoList::Create(ByteSource& file, bool) {
    return std::make_unique<TVernoList>(file);
}

TVernoList::TVernoList(ByteSource& file) {
    category = kCategoryList;
    type = kTypeCoverList;
    ObjectReader in(file);
    if (!in.SkipToken()) return; // "Vernoskant5"; the kind is known already
    int32_t headerLimit = 0;
    if (!in.ReadInteger(objectNumber) || !in.ReadInteger(barDiameter) || !in.ReadInteger(headerLimit)) return;
    std::u16string unit;
    if (in.ReadToken(unit, 20) == 0) return;
    bool inch;
    if (unit == u"mm")
        inch = false;
    else if (unit == u"inch" || unit == u"in")
        inch = true;
    else
        return;

    // Five integers: n, mean, smallest, largest, deviation; six: the layer word first.
    int32_t fields[6] = {};
    int count = 0;
    while (count < 6 && in.LastDelimiter() == delim::kTab)
        if (!in.ReadInteger(fields[count++])) return;
    int32_t n, largest;
    if (count == 5) {
        layerWord = 0;
        n = fields[0];
        largest = fields[3];
    } else if (count == 6) {
        layerWord = fields[0];
        n = fields[1];
        largest = fields[4];
    } else {
        return;
    }
    if (inch) {
        barDiameter = InchEighthsToMm(barDiameter);
        largest = InchHundredthsToMm(largest);
    }
    // Every reading takes at least two bytes, so a count the file cannot hold is refused
    // before anything is allocated.
    if (n <= 0 || n > (file.Size() - file.Tell()) / 2 + 1 || n > int32_t{TValueSeries::kMaxReadings}) return;
    if (!covers.Init(static_cast<uint32_t>(n), u"mm", headerLimit, 0)) return;
    for (int i = 0; i < n; ++i) {
        int32_t v;
        if (!in.ReadInteger(v)) return;
        covers.At(i) = inch ? InchHundredthsToMm(v) : v;
    }
    initialLimit = headerLimit;

    int delimiter = ReadCoverInstrumentId(in);
    if (delimiter < 0) return;
    if (Inches()) covers.SetUnit(u"in");
    if (delimiter != 10 && delimiter != 13) {
        int32_t current;
        if (in.ReadInteger(current)) {
            covers.SetLower(current);
            delimiter = in.LastDelimiter();
        }
    }
    if (delimiter == delim::kLf || delimiter == delim::kCr) ReadCommonTrailer(in);

    // Axes: readings 0 .. n + 1 (n at least 5), covers from 0 down to 1.1 x the deeper of the
    // largest cover and the limit.
    if (!CoverAxis(largest, headerLimit, plot.axisY)) {
        covers.Clear();
        return;
    }
    double xTop = std::max(n, 5) + 1;
    double xStep;
    int xMinor;
    TBasicPlot::NiceStep(0, xTop, &xStep, &xMinor);
    plot.SetAxis(plot.axisX, 0, xTop, xStep, xMinor, 0, false);
    plot.axisY.titleString = Str::Cover;
    plot.axisY.title = UnitSuffix(Inches());
    valid = true;
}

bool TVernoList::CoverAxis(int32_t largest, int32_t limit, TBasicPlot::Axis& axis) {
    const double top = Shown(1.1 * std::max(largest, limit));
    double step;
    int minor;
    return TBasicPlot::NiceStep(0, top, &step, &minor) &&
           plot.SetAxis(axis, 0, top, step, minor, Inches() ? 1 : 0, false);
}

// ---------------------------------------------------------------- file

bool TVernoList::Write(ObjectWriter& out) {
    int n = Count();
    if (n <= 0 || n > kMaxWritten || !InstrumentIdReadsBack()) return false;
    // The header takes the initial limit (the current one follows the instrument id, so both
    // read back) and the largest cover; a file whose chart range could not be set up again
    // would not open, so it is not written.
    TBasicPlot::Axis probe;
    if (!CoverAxis(covers.Max(), initialLimit, probe)) return false;
    out.WriteText("", delim::kLf);
    out.WriteText("Vernoskant5", delim::kTab);
    out.WriteInteger(objectNumber, delim::kTab);
    out.WriteInteger(barDiameter, delim::kTab);
    out.WriteInteger(initialLimit, delim::kTab);
    out.WriteText("mm", delim::kTab);
    if (layerWord != 0) out.WriteInteger(layerWord, delim::kTab);
    out.WriteInteger(n, delim::kTab);
    out.WriteInteger(static_cast<int32_t>(covers.Mean() + 0.5), delim::kTab);
    out.WriteInteger(covers.Min(), delim::kTab);
    out.WriteInteger(covers.Max(), delim::kTab);
    out.WriteReal(covers.StdDev(), delim::kLf);
    for (int i = 0; i < n; ++i) out.WriteInteger(covers.Get(i), i + 1 == n ? delim::kFileEnd : delim::kLf);
    WriteInstrumentId(out);
    out.WriteInteger(Limit(), delim::kLf);
    WriteCommonTrailer(out, delim::kFileEnd);
    return true;
}

// ---------------------------------------------------------------- limits and values

bool TVernoList::GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    if (limit) *limit = Limit();
    if (second) *second = 0;
    if (lower) *lower = 10;
    if (upper) *upper = 80;
    return true;
}

bool TVernoList::GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    GetLimits(nullptr, second, lower, upper);
    if (limit) *limit = initialLimit;
    return true;
}

void TVernoList::SetLimits(int32_t limit, int32_t, int32_t, int32_t) {
    covers.SetLower(limit);
}

double TVernoList::HitX(int x, int) {
    double v = plot.XFromPixel(x);
    if (v <= 0) return -1;
    double k = std::floor(v + 0.5);
    return (k >= 1 && k <= Count() + 0.01) ? k : -1;
}

double TVernoList::HitY(int x, int y) {
    double v = plot.YFromPixel(y, false);
    if (v < 0) return -1;
    double k = HitX(x, y);
    // The bar's end in the axis unit (inches for an imperial list).
    double end = k < 0 ? 0 : Shown(Cover(static_cast<int>(k) - 1));
    return (v <= 1 || v <= end) ? 7777.0 : -1;
}

double TVernoList::HitValue(int x, int y) {
    if (HitY(x, y) < 0) return -1;
    double k = HitX(x, y);
    return (k > 0 && k <= Count() + 0.1) ? Cover(static_cast<int>(k) - 1) : -1;
}

double TVernoList::RowX(int row) {
    return row >= 0 && row < Count() ? row + 1 : -1;
}
double TVernoList::RowY(int row) {
    return row >= 0 && row < Count() ? 7777.0 : -1;
}
double TVernoList::RowValue(int row) {
    return Cover(row);
}

bool TVernoList::SetValueAt(double x, double, double value) {
    double d = std::floor(x + 0.5);
    if (d < 1 || d > Count() || !std::isfinite(value)) return false;
    covers.At(static_cast<int>(d) - 1) = Narrow(static_cast<int64_t>(std::clamp(value, -1e18, 1e18)));
    return true;
}

bool TVernoList::SetValueByIndex(int index, double value) {
    if (index < 0 || index >= Count() || !std::isfinite(value)) return false;
    covers.At(index) = Narrow(static_cast<int64_t>(std::clamp(value, -1e18, 1e18)));
    return true;
}

// ---------------------------------------------------------------- description

void TVernoList::Describe(Json& out) const {
    TBasicObj::Describe(out);
    out.Set("bar_diameter", Json::Int(barDiameter));
    out.Set("layer_word", Json::Int(layerWord));
    bool twoLayer = (layerWord & 1) != 0;
    out.Set("bar_distance", (!twoLayer && layerWord > 0) ? Json::Int(layerWord) : Json::Null());
    out.Set("two_layer_correction", Json::Bool(twoLayer));
    if (twoLayer) {
        out.Set("first_layer_double_bars", Json::Bool((layerWord & 2) != 0));
        int second = (layerWord >> 2) & 3;
        out.Set("second_layer_diameter", second < 3 ? Json::Int(second == 0   ? 16
                                                                : second == 1 ? 25
                                                                              : 32)
                                                    : Json::Null());
        out.Set("arrangement_code", Json::Int((layerWord >> 4) & 7));
    }
    // The current cover limit, under its short name and its full one.
    out.Set("limit", Json::Int(Limit()));
    out.Set("cover_limit", Json::Int(Limit()));
    out.Set("initial_limit", Json::Int(initialLimit));
    out.Set("unit", Json::Text(covers.Unit()));
    out.Set("count", Json::Int(Count()));
    out.Set("covers", Json::IntArray(covers.Values()));
}

// ---------------------------------------------------------------- sections

std::vector<CoverRow> TVernoList::StatisticRows() {
    std::vector<CoverRow> rows;
    const int n = covers.Count();
    const std::u16string unit = Inches() ? u"in" : u"mm";
    const std::u16string dash = u"-  ";
    auto length = [&](int32_t mm) { return Inches() ? Printf("%0.2f", mm * kInch) : Printf("%d  ", mm); };
    const char* meanFormat = Inches() ? "%6.2lf" : "%6.1lf";
    rows.push_back({LoadString(Str::MeasuredBarCount), u"N", Printf("%d  ", n), u""});
    rows.push_back(
        {LoadString(Str::AverageCover), u"m", n < 1 ? dash : Printf(meanFormat, covers.Mean()), unit});
    rows.push_back({LoadString(Str::StandardDeviation), u"sa",
                    n < 2 ? dash : Printf(meanFormat, covers.StdDev()), unit});
    // Without a single reading there is no maximum, minimum or span to show.
    rows.push_back({LoadString(Str::MaximumCover), u"Max", n < 1 ? dash : length(covers.Max()), unit});
    rows.push_back({LoadString(Str::MinimumCover), u"Min", n < 1 ? dash : length(covers.Min()), unit});
    rows.push_back({LoadString(Str::Span), u"R", n < 1 ? dash : length(covers.Max() - covers.Min()), unit});
    if (Limit() > 0 && n >= 1)
        rows.push_back(
            {LoadString(Str::CoversBelowLimit), u"<s(Min)", Printf("%0.1lf", covers.PercentOutside()), u"%"});
    return rows;
}

int TVernoList::PaintBox(TVernoListPlot& layout, int left, int top, Str titleId,
                         const std::vector<CoverRow>& rows) {
    int bottom = top + static_cast<int>(rows.size()) * 40 + 45;
    if (layout.DrawsPage(1)) {
        Canvas& dc = *layout.device;
        int oldAlign = dc.GetTextAlign();
        dc.SetTextColor(kBlack);
        DrawBoxTitle(layout, left, top + 45, LoadString(titleId));
        int y = top + 45;
        for (const CoverRow& r : rows) {
            y += 40;
            dc.SetTextAlign(align::kLeft | align::kBaseline);
            dc.TextOut(left, y, r.label);
            dc.SetTextAlign(align::kRight | align::kBaseline);
            // A row without a symbol (the mesh) has a value too wide for an equals sign.
            if (!r.symbol.empty()) dc.TextOut(left + 540, y, r.symbol + u"  =");
            if (!r.value.empty()) dc.TextOut(left + 620, y, r.value);
            dc.SetTextAlign(align::kLeft | align::kBaseline);
            if (!r.unit.empty()) dc.TextOut(left + 635, y, r.unit);
        }
        dc.SetTextAlign(oldAlign);
    }
    layout.content = layout.content.United({left, top, left + 700, bottom});
    return bottom;
}

void TVernoList::PaintSections(TVernoListPlot& layout) {
    const bool beside = !layout.below;
    // Without the chart the sections start below the header; below a chart 50 units under it.
    int previous = layout.chart.IsEmpty() ? layout.TopBelowHeader() : layout.chart.bottom;
    if (options & opts::kStatistics) {
        auto params = BarParameterRows(barDiameter, layerWord, Limit(), Inches());
        auto stats = StatisticRows();
        if (beside) {
            int bottom =
                PaintBox(layout, layout.sideRegion.left, layout.sideRegion.top, Str::SetParameters, params);
            bottom = PaintBox(layout, layout.sideRegion.left, bottom + 50, Str::Statistic, stats);
            layout.sideRegion.bottom = std::max(layout.sideRegion.bottom, bottom);
            previous = bottom;
        } else {
            int top = previous + 50;
            int b1 = PaintBox(layout, layout.page.left, top, Str::SetParameters, params);
            int b2 = PaintBox(layout, layout.sideRegion.left, top, Str::Statistic, stats);
            previous = std::max(b1, b2);
        }
    } else if (beside) {
        previous = layout.sideRegion.top;
    }
    if (options & opts::kTable) PaintTable(layout, previous, beside);
}

void TVernoList::PaintTable(TVernoListPlot& layout, int previousBottom, bool beside) {
    const int n = Count();
    const int width = (layout.page.Width() - 20) / 20;
    if (width < 20 || n <= 0) return;
    int perRow = beside ? 9 : 20;
    int left = beside ? layout.sideRegion.left : layout.page.left;
    int rows = (n + perRow - 1) / perRow;
    int y = previousBottom;
    int page = layout.PlaceOnPage(y, rows * 40 + 200);
    if (page > 1 && beside) {
        // A table that moves to a page of its own spreads over the page's whole width.
        perRow = 20;
        left = layout.page.left;
        rows = (n + perRow - 1) / perRow;
    }
    if (page == 0) return;
    const int top = y + 135;
    const int right = left + 10 + perRow * width;
    const int closing = top + rows * 40 + 15;
    layout.content = layout.content.United({left, top - 60, right, closing + 1});
    if (beside && page == 1) layout.sideRegion.bottom = std::max(layout.sideRegion.bottom, closing);
    // The grid of values: the view's cell number is the reading's index.
    layout.AddHitRegion({left + 11, top + 6, left + 11 + perRow * width - 1, top + 6 + rows * 40 - 1}, 0, 0,
                        perRow - 1, rows - 1, perRow);
    if (!layout.DrawsPage(page)) return;

    Canvas& dc = *layout.device;
    int oldAlign = dc.GetTextAlign();
    dc.SetPen(TBasicPlot::BlackPen());
    dc.SetTextColor(kBlack);
    dc.SetFont(layout.headingFont);
    dc.SetTextAlign(align::kLeft | align::kBottom);
    dc.TextOut(left, top - 10, LoadString(Str::MeasuredCovers) + UnitSuffix(Inches()));
    dc.Line(left, top, right, top);
    dc.SetFont(layout.normalFont);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    for (int i = 0; i < n; ++i) {
        int32_t v = covers.Get(i);
        int column = i % perRow, row = i / perRow;
        std::u16string text = v <= 0 ? u"-" : Inches() ? Printf("%0.2f", v * kInch) : Printf("%d", v);
        dc.SetTextColor(CoverTextColour(v, Limit(), options));
        dc.TextOut(left + 5 + (column + 1) * width, top + 40 * (row + 1), text);
    }
    dc.SetTextColor(kBlack);
    dc.Line(left, closing, right, closing);
    dc.SetTextAlign(oldAlign);
}

} // namespace vordalis
