#include "rebound/TTorvChinaPlot.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "rebound/TTorvChina.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis {
void TTorvChinaPlot::DrawAngleGlyph(Canvas& dc, int angle, int x, int y) {
    Arrow a;
    if (angle == 1)
        a = {632, 24, 632, 0, 627, 10, 637, 10};
    else if (angle >= 2 && angle <= 4)
        a = {620, 24, 644, 0, 642, 12, 632, 2};
    else if (angle == 5)
        a = {620, 12, 644, 12, 634, 7, 634, 17};
    else if (angle >= 6 && angle <= 8)
        a = {620, 0, 644, 24, 642, 12, 632, 22};
    else if (angle == 9)
        a = {632, 0, 632, 24, 627, 14, 637, 14};
    else
        return;
    DrawArrow(dc, a, x, y);
}

TBasicPlot::HeaderExtras TTorvChinaPlot::GetHeaderExtras(const TBasicObj& obj) const {
    HeaderExtras e;
    // The first auxiliary code names the hammer type as the series' variant code does.
    const auto& china = static_cast<const TTorvChina&>(obj);
    if (china.auxCode1 == 1) e.hammerText = u"ND ";
    if (china.auxCode1 == 2) e.hammerText = u"LD ";
    return e;
}

int TTorvChinaPlot::DrawStatistics(TTorvObj& base, int left, int top) {
    auto& obj = static_cast<TTorvChina&>(base);
    const std::u16string none;
    int y = DrawBlockHeading(left, top, LoadString(Str::SetParameters));
    if (obj.angle > 0) {
        DrawRow(left, y, LoadString(Str::ImpactDirection), none, none, ChinaAngleText(obj.angle));
        if (device) DrawAngleGlyph(*device, obj.angle, left, y);
        y += kRowHeight;
    }
    if (obj.surface > 0) {
        DrawRow(left, y, LoadString(Str::ConcretePlacing), none, none, ChinaSurfaceText(obj.surface));
        y += kRowHeight;
    }
    DrawRow(left, y, LoadString(Str::PumpConcrete), none, none,
            LoadString(obj.pumpConcrete ? Str::On : Str::Off));
    y += kRowHeight;
    if (obj.conversion == kConversionGeneral) {
        DrawRow(left, y, LoadString(Str::Conversion), none, none, LoadString(Str::GeneralConversion));
        y += kRowHeight;
        DrawRow(left, y, none, none, none,
                Printf("fc(R) = %0.5f * R^(%0.5f) * 10^(%0.5f * %0.1f)", obj.generalA, obj.generalB,
                       obj.generalC, obj.carbonationDepth));
        y += kRowHeight;
        int n = 0, m = 0;
        obj.GeneralCounts(n, m);
        DrawRow(left, y, none, none, none, Printf("n = %d     m = %d", n, m));
    } else {
        DrawRow(left, y, LoadString(Str::Conversion), none, none,
                LoadString(obj.is2011 ? Str::Jgj2011 : Str::Jgj2001));
    }
    y += kRowHeight;
    if (obj.carbonationDepth > 0)
        DrawRow(left, y, LoadString(Str::CarbonationDepth), u"d", Printf("%0.1f", obj.carbonationDepth),
                u"mm");
    else
        DrawRow(left, y, LoadString(Str::CarbonationDepth), none, u"- ", none);
    // Region 2: a double click on the parameters opens the settings dialog.
    AddHitRegion({left, top, left + 800, y + 10}, 0, 0, 0, 0, 1);
    y += kRowHeight;

    if (obj.values.Count() < 1) return y;
    y = DrawBlockHeading(left, y - 10, LoadString(Str::Statistic));
    ChinaResult r = obj.EvaluateChina();
    DrawRow(left, y, LoadString(Str::ChinaMeanRebound), u"R1", Printf("%6.1lf", r.rm), u"R");
    DrawRow(left, y += kRowHeight, LoadString(Str::WithImpactDirection), u"R2", Printf("%6.1lf", r.ra), u"R");
    DrawRow(left, y += kRowHeight, LoadString(Str::WithConcretePlacing), u"R3", Printf("%6.1lf", r.rc), u"R");
    DrawRow(left, y += kRowHeight, LoadString(Str::WithCarbonationDepth), u"f1",
            Latin1ToU16(ChinaStrengthText(r.f1, r.belowRange, r.aboveRange)), u"MPa");
    if (obj.conversion == kConversionTable)
        DrawRow(left, y += kRowHeight, LoadString(Str::WithPumpConcrete), u"f2",
                Latin1ToU16(ChinaStrengthText(r.f2, r.f2BelowRange, r.f2AboveRange)), u"MPa");
    return y + kRowHeight;
}

int TTorvChinaPlot::DrawTable(TTorvObj& obj, int left, int top, int width) {
    static_cast<TTorvChina&>(obj).values.Count(); // brings the outlier marks up to date
    return TTorvPlot::DrawTable(obj, left, top, width);
}

void TTorvChinaPlot::DrawCell(TTorvObj& base, int index, const Rect& cell) {
    auto& obj = static_cast<TTorvChina&>(base);
    Canvas& dc = *device;
    int32_t v = obj.values.Get(index);
    std::u16string text = v > 0 ? Latin1ToU16(std::to_string(v)) : u"-";
    const bool greyed = obj.IsOutlier(index);
    Rgb colour = kBlack;
    if (greyed)
        colour = kGreyed;
    else if (ShownRed(obj, v))
        colour = kRed;
    // The value stands on the row line with its bottom, the first row 45 below the top edge.
    const int x = cell.right + 5, y = cell.top + 45;
    dc.SetFont(normalFont);
    dc.SetTextColor(colour);
    dc.SetTextAlign(align::kRight | align::kBottom);
    dc.TextOut(x, y, text);
    if (greyed) {
        Size ext = dc.TextExtent(text);
        dc.SetPen(Pen{PenStyle::Solid, 1, kGreyed});
        dc.Line(x - ext.cx, y - ext.cy / 2, x, y - ext.cy / 2);
        dc.SetPen(BlackPen());
    }
    dc.SetTextColor(kBlack);
}

} // namespace vordalis
