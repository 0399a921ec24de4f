#include "rebound/TTorvBarsPlot.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "rebound/StrengthUnits.h"
#include "rebound/TTorvBars.h"

namespace vordalis {
namespace {

const TTorvPlot::Arrow kArrows[5] = {
    {632, 12, 656, 12, 646, 7, 646, 17}, // 0°: to the right
    {632, 0, 656, 24, 644, 22, 654, 12}, // +45°: up and right
    {644, 0, 644, 24, 639, 14, 649, 14}, // +90°: up
    {632, 24, 656, 0, 654, 12, 644, 2},  // -45°: down and right
    {644, 24, 644, 0, 639, 10, 649, 10}, // -90°: down
};

std::u16string OutlierText(int mode) {
    switch (mode) {
    case 1:
        return u"M1";
    case 2:
        return u"M3";
    case 3:
        return u"Mx";
    default:
        return u"-";
    }
}

} // namespace

void TTorvBarsPlot::DrawDirectionArrow(Canvas& dc, int code, int x, int y) {
    if (code >= 1 && code <= 5) DrawArrow(dc, kArrows[code - 1], x, y);
}

TBasicPlot::HeaderExtras TTorvBarsPlot::GetHeaderExtras(const TBasicObj& obj) const {
    HeaderExtras e;
    const auto& bars = static_cast<const TTorvBars&>(obj);
    // The hammer type; the series carries no hammer number, so the text stands alone.
    if (bars.variantCode == 1) e.hammerText = u"ND";
    if (bars.variantCode == 2) e.hammerText = u"LD";
    return e;
}

int TTorvBarsPlot::DrawStatistics(TTorvObj& obj, int x, int top) {
    auto& s = static_cast<TTorvBars&>(obj);
    const std::u16string none;

    // Set parameters (double click there opens the Settings dialog).
    int y = DrawBlockHeading(x, top, LoadString(Str::SetParameters));
    if (s.impactDirection > 0) {
        DrawRow(x, y, LoadString(Str::ImpactDirection), none, none, none);
        if (device) DrawDirectionArrow(*device, s.impactDirection, x, y);
        y += kRowHeight;
    }
    if (s.outlierMode >= 0) {
        DrawRow(x, y, LoadString(Str::EliminateOutliers), none, OutlierText(s.outlierMode), none);
        y += kRowHeight;
    }
    if (s.curve != 0) {
        DrawRow(x, y, LoadString(Str::ConversionCurve), none, TTorvBars::CurveName(s.curve), none);
        y += kRowHeight;
        if (s.curve >= rebound::kCurveF1 && s.curve <= rebound::kCurveFx) {
            DrawRow(x, y, u"fc(R) = " + rebound::FormulaText(s.Coefficients(s.curve)), none, none, none);
            y += kRowHeight;
        }
    }
    DrawRow(x, y, LoadString(Str::FormFactor), none, Printf("%0.2f", s.formFactor), none);
    y += kRowHeight;
    DrawRow(x, y, LoadString(Str::TimeFactor), none, Printf("%0.2f", s.timeFactor), none);
    y += kRowHeight;
    bool carbonation = s.carbonationDepth != 0;
    DrawRow(x, y, LoadString(Str::CarbonationDepth), u"d",
            carbonation ? Printf("%d    ", s.carbonationDepth) : u"-    ", carbonation ? u"mm" : none);
    const int parametersBottom = y + 20;
    AddHitRegion({x, top, x + 800, parametersBottom}, 0, 0, 0, 0, 1);

    // Statistic
    y = DrawBlockHeading(x, parametersBottom + 20, LoadString(Str::Statistic));
    TValueSeries& v = s.values;
    const int n = v.Count();
    const bool median = s.useMedian != 0;
    DrawRow(x, y, LoadString(Str::MeasurementCount), u"N", Printf("%d    ", n), none);
    y += kRowHeight;
    DrawRow(x, y, LoadString(median ? Str::MedianReboundValue : Str::MeanReboundValue), u"m",
            n < 1 ? u"-    " : Printf("%6.1lf  ", s.MeanRebound()), u"R");
    y += kRowHeight;
    if (s.curve > 0) {
        rebound::StrengthDisplay d =
            rebound::FormatStrength(s.CompressiveStrength(), s.MeanRebound(), s.unit);
        if (d.row) {
            DrawRow(x, y, LoadString(median ? Str::MedianCompressiveStrength : Str::MeanCompressiveStrength),
                    u"fck", d.value, d.unit);
            y += kRowHeight;
        }
    }
    DrawRow(x, y, LoadString(Str::StandardDeviation), u"sa",
            n < 2 ? u"-    " : Printf("%6.1lf  ", v.StdDev()), u"R");
    y += kRowHeight;
    const std::u16string dash = u"-     ";
    DrawRow(x, y, LoadString(Str::MaximumReboundValue), u"Max", n == 0 ? dash : Printf("%d    ", v.Max()),
            u"R");
    y += kRowHeight;
    DrawRow(x, y, LoadString(Str::MinimumReboundValue), u"Min", n == 0 ? dash : Printf("%d    ", v.Min()),
            u"R");
    y += kRowHeight;
    DrawRow(x, y, LoadString(Str::Span), u"R", n == 0 ? dash : Printf("%d    ", v.Max() - v.Min()), u"R");
    return y + 40;
}

void TTorvBarsPlot::DrawCell(TTorvObj& obj, int index, const Rect& cell) {
    Canvas& dc = *device;
    const double v = obj.PositionValue(index + 1);
    dc.SetTextColor(v > 0 && ShownRed(obj, v) ? kRed : kBlack);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    dc.TextOut(cell.right + 5, cell.bottom, v > 0 ? Printf("%d", static_cast<int>(v)) : u"-");
}

} // namespace vordalis
