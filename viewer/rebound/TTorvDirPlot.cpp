#include "rebound/TTorvDirPlot.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "rebound/StrengthUnits.h"
#include "rebound/TTorvDir.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis {
TBasicPlot::HeaderExtras TTorvDirPlot::GetHeaderExtras(const TBasicObj& obj) const {
    HeaderExtras e;
    const auto& dir = static_cast<const TTorvDir&>(obj);
    if (dir.kind == TTorvDir::kKindChina)
        e.family = LoadString(dir.batch ? Str::ChinaSummaryBatch : Str::ChinaSummarySingle);
    return e;
}

int TTorvDirPlot::DrawStatistics(TTorvObj& base, int left, int top) {
    auto& obj = static_cast<TTorvDir&>(base);
    const TTorvDir::Statistics s = obj.ComputeStatistics();
    const std::u16string none;
    const int headingY = top + 45;
    int y = DrawBlockHeading(left, top, LoadString(Str::Statistic));
    const bool any = s.members > 0;
    if (obj.kind == TTorvDir::kKindSeries) {
        DrawRow(left, y, LoadString(Str::SeriesCount), u"N", Printf("%d/%d   ", s.count, s.members), none);
        const bool median = obj.useMedian != 0;
        double value = median ? s.median.value_or(0.0) : s.mean;
        DrawRow(left, y += kRowHeight, LoadString(median ? Str::SummaryMedian : Str::SummaryMean), u"m",
                s.count > 0 ? Printf("%6.1lf  ", value) : u"-     ", u"R");
        DrawRow(left, y += kRowHeight,
                LoadString(median ? Str::SummaryMedianStrength : Str::SummaryMeanStrength), u"fck",
                s.strengthText.empty() ? std::u16string(rebound::kNoValue) : s.strengthText, s.strengthUnit);
        DrawRow(left, y += kRowHeight, LoadString(Str::StandardDeviation), u"sa",
                s.members >= 2 ? Printf("%6.1lf  ", s.stddev) : u"-  ", u"R");
        DrawRow(left, y += kRowHeight, LoadString(Str::MaximumValue), u"Max",
                any ? Printf("%6.1f  ", s.max) : u"-     ", u"R");
        DrawRow(left, y += kRowHeight, LoadString(Str::MinimumValue), u"Min", Printf("%6.1f  ", s.min), u"R");
    } else {
        DrawRow(left, y, LoadString(Str::SeriesCount), u"N", Printf("%d     ", s.count), none);
        DrawRow(left, y += kRowHeight, LoadString(Str::MeanValue), u"m", Printf("%6.1lf  ", s.mean), u"MPa");
        DrawRow(left, y += kRowHeight, LoadString(Str::StandardDeviation), u"sa",
                s.members >= 2 ? Printf("%6.2lf ", s.stddev) : u"-  ", u"MPa");
        DrawRow(left, y += kRowHeight, LoadString(Str::MaximumValue), u"Max", Printf("%6.1f  ", s.max),
                u"MPa");
        DrawRow(left, y += kRowHeight, LoadString(Str::MinimumValue), u"Min", Printf("%6.1f  ", s.min),
                u"MPa");
        // The edition and the component strength stand at fixed distances below the heading.
        y = headingY + 280;
        Grow({left, y - headingFont.height, left + 800, y + 8});
        if (device) {
            device->SetFont(headingFont);
            device->SetTextColor(kBlack);
            device->SetTextAlign(align::kLeft | align::kBaseline);
            device->TextOut(left, y, LoadString(obj.any2011 ? Str::Jgj2011 : Str::Jgj2001));
            device->SetFont(normalFont);
        }
        y = headingY + 320;
        DrawRow(left, y, LoadString(Str::ComponentStrength), u"f",
                Latin1ToU16(ComponentStrengthText(s.strength.value_or(-1))), u"MPa");
    }
    // Region 2: a double click on the statistics opens the settings dialog.
    AddHitRegion({left, top, left + 800, y + 10}, 0, 0, 0, 0, 1);
    return y + kRowHeight;
}

int TTorvDirPlot::DrawTable(TTorvObj& base, int left, int top, int width) {
    auto& obj = static_cast<TTorvDir&>(base);
    const int n = obj.PositionCount();
    if (n < 1 || n > TTorvDir::kTableMembers) return top;
    // Cells are as wide as four across the section; beside the chart one per row.
    const int cellWidth = (width - 20) / 4;
    const int columns = stacked ? 4 : 1;
    if (cellWidth < 20) return top;
    return DrawCellTable(
        obj, left, top, columns, cellWidth, n,
        LoadString(obj.kind == TTorvDir::kKindChina ? Str::AxisMeanF2 : Str::AxisMeanRebound));
}

void TTorvDirPlot::DrawCell(TTorvObj& base, int index, const Rect& cell) {
    auto& obj = static_cast<TTorvDir&>(base);
    Canvas& dc = *device;
    const double v = obj.MemberValue(index);
    const int y = cell.bottom;
    dc.SetFont(normalFont);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    dc.SetTextColor(kBlack);
    const int valueWidth = dc.TextExtent(u"1000.0").cx;
    dc.TextOut(cell.right - valueWidth, y, obj.members[static_cast<size_t>(index)]->title + u":");
    Rgb colour = kBlack;
    if (ShownRed(obj, v)) colour = kRed;
    dc.SetTextColor(colour);
    dc.TextOut(cell.right, y, v > 0 ? Printf("  %3.1f", v) : u"  ---");
    dc.SetTextColor(kBlack);
}

} // namespace vordalis
