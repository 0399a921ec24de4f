#include "objects/ObjectStatistics.h"

#include "cover/TVernoBars.h"
#include "cover/TVernoList.h"
#include "cover/TVernoRaster.h"
#include "model/Codec.h"
#include "plot/TextFormat.h"
#include "rebound/StrengthUnits.h"
#include "rebound/TTorvBars.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"
#include "text/Utf16.h"

#include <cstdlib>

namespace vordalis {

std::string Trimmed(const std::u16string& text) {
    size_t a = text.find_first_not_of(u' '), b = text.find_last_not_of(u' ');
    if (a == std::u16string::npos) return "";
    std::string s = U16ToUtf8(text.substr(a, b - a + 1));
    // A lone dash is how the page says "no value".
    return s == "-" || s == "---" ? "" : s;
}

namespace {

std::string T(const std::u16string& s) {
    return Trimmed(s);
}

// The number in a shown text, or empty when the text is a bound or a dash ("<10", ">60").
std::string NumberIn(const std::string& text) {
    if (text.empty()) return "";
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end && *end == '\0' ? text : "";
}

void SetStrength(ObjectStatistics& s, const std::u16string& text, const std::u16string& unit) {
    s.strengthText = T(text);
    s.strength = NumberIn(s.strengthText);
    s.strengthUnit = s.strength.empty() && s.strengthText.empty() ? "" : U16ToUtf8(unit);
}

// Count, mean, deviation, smallest and largest of a cover series the way the cover pages print
// them: mean and deviation are already in the shown unit, the extremes are converted.
ObjectStatistics CoverColumn(TValueSeries& s, bool inches, bool percent) {
    ObjectStatistics o;
    const int n = s.Count();
    const char* meanFormat = inches ? "%6.2lf" : "%6.1lf";
    auto length = [&](int32_t mm) { return T(inches ? Printf("%0.2f", mm * kInchPerMm) : Printf("%d", mm)); };
    o.count = std::to_string(n);
    o.unit = inches ? "in" : "mm";
    if (n >= 1) {
        o.mean = T(Printf(meanFormat, s.Mean()));
        o.min = length(s.Min());
        o.max = length(s.Max());
        if (percent) o.percentOutside = T(Printf("%0.1lf", s.PercentOutside()));
    }
    if (n >= 2) o.stddev = T(Printf(meanFormat, s.StdDev()));
    return o;
}

ObjectStatistics SeriesColumn(TTorvBars& series) {
    ObjectStatistics o;
    TValueSeries& v = series.values;
    const int n = v.Count();
    o.count = std::to_string(n);
    o.unit = "R";
    if (n >= 1) {
        o.mean = T(Printf("%6.1lf", series.MeanRebound()));
        o.min = std::to_string(v.Min());
        o.max = std::to_string(v.Max());
    }
    if (n >= 2) o.stddev = T(Printf("%6.1lf", v.StdDev()));
    if (series.curve > 0) {
        rebound::StrengthDisplay d =
            rebound::FormatStrength(series.CompressiveStrength(), series.MeanRebound(), series.unit);
        if (d.row) SetStrength(o, d.value, d.unit);
    }
    return o;
}

ObjectStatistics ChinaColumn(TTorvChina& china) {
    ObjectStatistics o;
    TValueSeries& v = china.values;
    const int n = v.Count();
    o.count = std::to_string(n);
    o.unit = "R";
    if (n < 1) return o; // the page shows no statistics block then
    ChinaResult r = china.EvaluateChina();
    o.mean = T(Printf("%6.1lf", r.rm));
    o.min = std::to_string(v.Min());
    o.max = std::to_string(v.Max());
    if (n >= 2) o.stddev = T(Printf("%6.1lf", v.StdDev()));
    // The last strength row of the block: f2 with the table conversion, else f1.
    const double f = china.conversion == kConversionTable ? r.f2 : r.f1;
    SetStrength(o, Latin1ToU16(ChinaStrengthText(f, r.belowRange, r.aboveRange)), u"MPa");
    return o;
}

ObjectStatistics SummaryColumn(TTorvDir& dir) {
    ObjectStatistics o;
    const TTorvDir::Statistics s = dir.ComputeStatistics();
    const bool any = s.members > 0;
    if (dir.kind == TTorvDir::kKindSeries) {
        o.count = std::to_string(s.count);
        o.unit = "R";
        const double value = dir.useMedian ? s.median.value_or(0.0) : s.mean;
        if (s.count > 0) o.mean = T(Printf("%6.1lf", value));
        if (s.members >= 2) o.stddev = T(Printf("%6.1lf", s.stddev));
        if (any) {
            o.max = T(Printf("%6.1f", s.max));
            o.min = T(Printf("%6.1f", s.min));
        }
        SetStrength(o, s.strengthText, s.strengthUnit);
    } else {
        o.count = std::to_string(s.count);
        o.unit = "MPa";
        if (any) {
            o.mean = T(Printf("%6.1lf", s.mean));
            o.max = T(Printf("%6.1f", s.max));
            o.min = T(Printf("%6.1f", s.min));
        }
        if (s.members >= 2) o.stddev = T(Printf("%6.2lf", s.stddev));
        // The component strength of the batch or single member.
        SetStrength(o, Latin1ToU16(ComponentStrengthText(s.strength.value_or(-1))), u"MPa");
    }
    for (int i = 0; i < dir.PositionCount(); ++i) {
        const double v = dir.MemberValue(i);
        o.members.emplace_back(U16ToUtf8(dir.members[static_cast<size_t>(i)]->title),
                               v > 0 ? T(Printf("%3.1f", v)) : "");
    }
    return o;
}

} // namespace

std::vector<ObjectStatistics> StatisticsOf(TBasicObj& obj) {
    if (auto* list = dynamic_cast<TVernoList*>(&obj))
        return {CoverColumn(list->covers, list->Inches(), list->Limit() > 0)};
    if (auto* bars = dynamic_cast<TVernoBars*>(&obj)) {
        // The share below the limit is printed for both scans when the x scan has a limit.
        const bool limit = bars->xScan.Lower() > 0;
        ObjectStatistics x = CoverColumn(bars->xScan, bars->imperial != 0, limit);
        ObjectStatistics y = CoverColumn(bars->yScan, bars->imperial != 0, limit);
        x.series = "x";
        y.series = "y";
        return {x, y};
    }
    if (auto* raster = dynamic_cast<TVernoRaster*>(&obj))
        return {CoverColumn(raster->covers, raster->imperial != 0, raster->covers.Lower() > 0)};
    if (auto* series = dynamic_cast<TTorvBars*>(&obj)) return {SeriesColumn(*series)};
    if (auto* china = dynamic_cast<TTorvChina*>(&obj)) return {ChinaColumn(*china)};
    if (auto* dir = dynamic_cast<TTorvDir*>(&obj)) return {SummaryColumn(*dir)};
    return {};
}

} // namespace vordalis
