#include "rebound/TTorvObj.h"

#include "plot/TextFormat.h"
#include "rebound/TTorvPlot.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vordalis {

TTorvObj::TTorvObj() {
    category = kCategoryRebound;
    instrumentCode = u"TH";
}

void TTorvObj::Draw(Canvas& dc) {
    Plot().DrawScreen(&dc, *this, options);
}
void TTorvObj::PrintPage(Canvas& dc, int page) {
    Plot().DrawPrintPage(&dc, *this, options, page);
}
void TTorvObj::DrawCopy(Canvas& dc) {
    Plot().DrawCopy(&dc, *this, options);
}
Extent TTorvObj::GetExtent() {
    return Plot().ScreenExtent(*this, options);
}
int TTorvObj::GetPageCount(Canvas& dc) {
    return Plot().PageCount(dc, *this, options);
}
Extent TTorvObj::GetCopySize() {
    return Plot().CopySize(*this, options);
}

double TTorvObj::HitX(int x, int) {
    double v = Plot().XFromPixel(x);
    if (v < 0) return -1;
    int k = static_cast<int>(std::floor(v + 0.5));
    return k >= 1 && k <= PositionCount() ? k : -1;
}

double TTorvObj::HitY(int x, int y) {
    double v = Plot().YFromPixel(y, true);
    if (v < 0) return -1;
    double top = std::max(1.0, PositionValue(static_cast<int>(HitX(x, y))));
    return v <= top ? kListRow : -1;
}

double TTorvObj::HitValue(int x, int y) {
    if (HitY(x, y) < 0) return -1;
    int k = static_cast<int>(HitX(x, y));
    return k >= 1 && k <= PositionCount() ? PositionValue(k) : -1;
}

int TTorvObj::HitRegion(int x, int y, int* row) {
    int cell = -1;
    int region = Plot().FindHitRegion(x, y, &cell);
    // The empty cells after the last value of a table are no rows.
    if (region > kRegionSettings && (cell < 0 || cell >= PositionCount())) region = cell = -1;
    if (row) *row = cell;
    return region;
}

std::u16string TTorvObj::PositionLabel(int position) const {
    return Printf("%d", static_cast<int>(PositionValue(position)));
}

bool TTorvObj::ReadSeriesName(ObjectReader& in, std::u16string& name) {
    std::u16string token;
    if (in.ReadToken(token, 80); in.LastDelimiter() == delim::kNone) return false;
    name = Cut(token, kSeriesNameLength);
    return true;
}

bool TTorvObj::ReadDateFields(ObjectReader& in, DateParts& p) {
    return in.ReadInteger(p.year) && in.ReadInteger(p.month) && in.ReadInteger(p.day) &&
           in.ReadInteger(p.hour) && in.ReadInteger(p.minute);
}

void TTorvObj::WriteDateFields(ObjectWriter& out, delim::Delimiter lastDelimiter) const {
    DateParts p;
    bool ok = date.Parts(p);
    const int fields[5] = {p.year, p.month, p.day, p.hour, p.minute};
    for (int i = 0; i < 5; ++i)
        out.WriteInteger(ok ? fields[i] : 0, i < 4 ? delim::kTab : lastDelimiter, true);
}

bool TTorvObj::ReadTexts(ObjectReader& in) {
    // Generous narrow capacities: a quoted 20-character text must not be cut before its
    // closing quote; the fields themselves are cut to their lengths.
    std::u16string n = in.ReadWideOrNarrow(kNameLength + 2, 256);
    if (in.LastDelimiter() == delim::kNone) return false;
    std::u16string t = in.ReadWideOrNarrow(kTitleLength + 2, 256);
    if (in.LastDelimiter() == delim::kNone) return false;
    std::u16string r = in.ReadWideOrNarrow(kRemarksLength + 2, 256);
    if (in.LastDelimiter() == 0) return false;
    SetName(n);
    SetTitle(t);
    SetRemarks(r);
    return true;
}

void TTorvObj::WriteTexts(ObjectWriter& out) const {
    out.WriteTextField(name, u"Update Vordalis!", delim::kLf);
    out.WriteTextField(title, u"Update Vordalis!", delim::kLf);
    out.WriteTextField(remarks, u"<Update Vordalis to see this remarks!>", delim::kFileEnd);
}

bool TTorvObj::SetupChart(int positions, double largest, Str yTitleString, const std::u16string& yUnit) {
    TTorvPlot& plot = Plot();
    double xMax = std::max(positions, 5) + 1, yMax = largest * 1.1;
    double xStep = 0, yStep = 0;
    int xMinor = 0, yMinor = 0;
    TBasicPlot::NiceStep(0, xMax, &xStep, &xMinor);
    if (!TBasicPlot::NiceStep(0, yMax, &yStep, &yMinor)) return false;
    if (!plot.SetAxis(plot.axisX, 0, xMax, xStep, xMinor, 0, false)) return false;
    if (!plot.SetAxis(plot.axisY, 0, yMax, yStep, yMinor, 0, false)) return false;
    plot.axisX.title.clear();
    plot.axisY.titleString = yTitleString;
    plot.axisY.title = yUnit;
    return true;
}

void TTorvObj::DescribeLimits(Json& out) const {
    out.Set("show_mean_line", Json::Bool(showMeanLine != 0));
    out.Set("show_limits", Json::Bool(showLimits != 0));
    out.Set("limits_initial", Json::Bool(limitsInitial != 0));
}

bool ReadInts(ObjectReader& in, std::initializer_list<int32_t*> fields) {
    for (int32_t* f : fields)
        if (!in.ReadInteger(*f)) return false;
    return true;
}

void WriteInts(ObjectWriter& out, std::initializer_list<int32_t> fields, delim::Delimiter delimiter) {
    for (int32_t v : fields) out.WriteInteger(v, delimiter, true);
}

bool ReadDecimal(ObjectReader& in, size_t maxChars, double& value) {
    std::u16string t;
    if (in.ReadToken(t, 80) == 0) return false;
    // A lone "-" stands for 0, as in the integer fields.
    if (t == u"-") {
        value = 0;
        return true;
    }
    std::string s;
    for (char16_t c : t.substr(0, maxChars)) s.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

void WriteFormatted(ObjectWriter& out, const char* format, double value, delim::Delimiter delimiter) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    out.WriteText(buf, delimiter);
}

bool DecimalReadsBack(const char* format, double value, size_t maxChars) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    const std::string text = std::string(buf).substr(0, maxChars);
    const double back = text == "-" ? 0.0 : std::strtod(text.c_str(), nullptr);
    return back == value && std::signbit(back) == std::signbit(value);
}

bool NoneNegative(std::initializer_list<int32_t> values) {
    for (int32_t v : values)
        if (v < 0) return false;
    return true;
}

} // namespace vordalis
