#include "rebound/TTorvDir.h"

#include "io/FilePath.h"
#include "model/AtomicFile.h"
#include "model/FileProblem.h"
#include "model/LocalTime.h"
#include "model/ObjectFactory.h"
#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "rebound/MemberLocation.h"
#include "rebound/ReboundMedian.h"
#include "rebound/StrengthUnits.h"
#include "rebound/TTorvBars.h"
#include "rebound/TTorvChina.h"
#include "text/Utf16.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace vordalis {
namespace {

constexpr const char* kHead = "TORVDIR";
constexpr const char16_t* kEnd = u".end";
// Bits of the extension's flag word.
constexpr int32_t kFlagMeanLine = 0x01, kFlagLimits = 0x02, kFlagLimitsInitial = 0x04, kFlagMedian = 0x08,
                  kFlagBatch = 0x10;
// Paths are stored as the bytes of the file system's names, one byte per character.
constexpr size_t kPathCapacity = 4096;

std::string BytesOf(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) out.push_back(static_cast<char>(c & 0xFF));
    return out;
}

} // namespace

TTorvDir::TTorvDir(ByteSource& file) {
    type = kTypeReboundSummary;
    category = kCategoryRebound;
    instrumentCode = u"TH";
    file.Seek(0);
    ObjectReader in(file);
    Read(in, file);
}

std::unique_ptr<TBasicObj> TTorvDir::Create(ByteSource& file, bool) {
    auto obj = std::make_unique<TTorvDir>(file);
    if (!obj->valid) return nullptr;
    return obj;
}

bool TTorvDir::LoadMember(const std::string& path, const std::string& summaryPath) {
    std::string resolved = LocateMember(path, summaryPath);
    FileSource file(resolved);
    if (resolved.empty() || !file.IsOpen()) {
        // The summary cannot be shown without it: name the member and the system's reason.
        std::u16string text = TranslateText(Utf8ToU16(VORDALIS_TRANSLATE_NOOP("Strings", "Member %s: %s")));
        size_t at = 0;
        for (const std::u16string& arg :
             {Latin1ToU16(path), TranslateText(Utf8ToU16(FileReadProblem(path)))}) {
            at = text.find(u"%s", at);
            if (at == std::u16string::npos) break;
            text.replace(at, 2, arg);
            at += arg.size();
        }
        ReportReadFailure(text);
        return false;
    }
    if (kind == kKindSeries) {
        // A series joins even when it does not read as valid: it then counts with the value 0.
        members.push_back(std::make_unique<TTorvBars>(file));
        memberPaths.push_back(path);
        memberFiles.push_back(resolved);
        return true;
    }
    auto china = std::make_unique<TTorvChina>(file);
    if (china->is2011) any2011 = 1;
    ChinaResult r = china->EvaluateChina();
    // The member's result is f2, the value its page shows last, judged by its own flags.
    if (r.f2BelowRange || r.f2AboveRange || !china->valid) {
        std::u16string text = LoadString(Str::OutOfRange) + Latin1ToU16(path);
        messages.push_back(text);
        ReportReadNotice(text);
        return true;
    }
    members.push_back(std::move(china));
    memberPaths.push_back(path);
    memberFiles.push_back(resolved);
    return true;
}

void TTorvDir::Read(ObjectReader& in, ByteSource& file) {
    valid = false;
    std::u16string token;
    if (!in.SkipToken()) return;
    in.ReadToken(token, 20);
    if (token == u"TORVIHAMMER") {
        kind = kKindSeries;
    } else if (token == u"TORVCHINASINGLE" || token == u"TORVCHINABATCH") {
        kind = kKindChina;
        batch = token == u"TORVCHINABATCH" ? 1 : 0;
    }
    DateParts dateParts{};
    if (!ReadDateFields(in, dateParts)) return;

    bool ended = false;
    while (in.ReadToken(token, kPathCapacity) > 0) {
        if (token == kEnd) {
            ended = true;
            break;
        }
        // A member that cannot be opened makes the whole summary fail to open.
        if (kind != 0 && !LoadMember(BytesOf(token), file.Path())) return;
        if (in.LastDelimiter() == delim::kNone) break;
    }

    if (kind == kKindSeries) {
        useMedian = members.empty() ? 0 : 1;
        std::array<int, 5> perUnit{};
        for (const auto& m : members) {
            const auto& bars = static_cast<const TTorvBars&>(*m);
            if (!bars.useMedian) useMedian = 0;
            if (bars.unit >= 1 && bars.unit <= 4) ++perUnit[static_cast<size_t>(bars.unit)];
        }
        // The unit most members use; on a tie the higher code (kg/cm² with no members).
        int best = -1;
        for (int u = 1; u <= 4; ++u)
            if (perUnit[static_cast<size_t>(u)] >= best) {
                best = perUnit[static_cast<size_t>(u)];
                unit = u;
            }
    } else {
        unit = 2;
    }
    selectedMember = -1;
    initialLowerLimit = lowerLimit = 40;
    initialUpperLimit = upperLimit = 60;
    showMeanLine = showLimits = 0;
    limitsInitial = kind == kKindSeries ? 1 : 0;

    // Extension: after ".end" CR, an LF not followed by 0x1A starts the saved settings.
    if (ended && in.LastDelimiter() == delim::kCr) {
        int first = in.ReadByte();
        int second = in.ReadByte();
        if (first == delim::kLf && second != delim::kFileEnd && second >= 0) {
            file.Seek(file.Tell() - 1);
            int32_t flags = 0;
            if (!in.ReadInteger(unit) || !in.ReadInteger(lowerLimit) || !in.ReadInteger(upperLimit) ||
                !in.ReadInteger(flags))
                return;
            showMeanLine = (flags & kFlagMeanLine) ? 1 : 0;
            showLimits = (flags & kFlagLimits) ? 1 : 0;
            limitsInitial = (flags & kFlagLimitsInitial) ? 1 : 0;
            useMedian = (flags & kFlagMedian) ? 1 : 0;
            batch = (flags & kFlagBatch) ? 1 : 0;
            if (!ReadTexts(in)) return;
        }
    }

    dateParts.second = 0;
    SetDate(OleDate::FromParts(dateParts));
    valid = MembersChanged();
}

bool TTorvDir::MembersChanged() {
    chartTop = 0;
    for (int i = 0; i < PositionCount(); ++i) chartTop = std::max(chartTop, MemberValue(i));
    if (showLimits) chartTop = std::max(chartTop, static_cast<double>(upperLimit));
    chartTop = std::max(chartTop, 10.0);
    return kind == kKindChina ? SetupChart(PositionCount(), chartTop, Str::MeanValue, u" f2 [MPa]")
                              : SetupChart(PositionCount(), chartTop, Str::MeanReboundValue, u" [R]");
}

bool TTorvDir::Write(ObjectWriter& out) {
    // A summary of an unknown kind has no tag to write.
    if (kind != kKindSeries && kind != kKindChina) return false;
    // A negative unit or limit would be written as "-" and read back as 0.
    if (!NoneNegative({unit, lowerLimit, upperLimit})) return false;
    out.WriteText(kHead, delim::kTab);
    const char* tag = kind == kKindSeries ? kSummaryTagSeries
                      : batch             ? kSummaryTagChinaBatch
                                          : kSummaryTagChinaSingle;
    out.WriteText(tag, delim::kTab);
    WriteDateFields(out, delim::kLf);
    // A member found away from its stored path is saved where it was found.
    for (size_t i = 0; i < memberPaths.size(); ++i) {
        const std::string& stored = memberPaths[i];
        std::string path = memberFiles[i] == stored
                               ? stored
                               : Utf8FromPath(std::filesystem::absolute(PathFromUtf8(memberFiles[i])));
        out.WriteQuoted(Latin1ToU16(path), delim::kLf);
    }
    out.WriteQuoted(kEnd, delim::kLf);
    int32_t flags = (showMeanLine ? kFlagMeanLine : 0) | (showLimits ? kFlagLimits : 0) |
                    (limitsInitial ? kFlagLimitsInitial : 0) | (useMedian ? kFlagMedian : 0) |
                    (batch ? kFlagBatch : 0);
    out.WriteInteger(unit, delim::kTab, true);
    out.WriteInteger(lowerLimit, delim::kTab, true);
    out.WriteInteger(upperLimit, delim::kTab, true);
    out.WriteInteger(flags, delim::kLf, true);
    WriteTexts(out);
    return true;
}

double TTorvDir::MemberValue(int index) const {
    if (index < 0 || index >= PositionCount()) return 0.0;
    const TBasicObj& m = *members[static_cast<size_t>(index)];
    // A series that did not read as valid counts with the value 0.
    if (kind == kKindSeries) return m.valid ? static_cast<const TTorvBars&>(m).MeanRebound() : 0.0;
    return static_cast<const TTorvChina&>(m).EvaluateChina().f2;
}

double TTorvDir::PositionValue(int position) const {
    return MemberValue(position - 1);
}

std::u16string TTorvDir::PositionLabel(int position) const {
    return Printf("%2.0f", PositionValue(position));
}

double TTorvDir::RowValue(int row) {
    return row >= 0 && row < PositionCount() ? MemberValue(row) : -1.0;
}

void TTorvDir::InitialLimits(int32_t& lower, int32_t& upper) const {
    lower = initialLowerLimit;
    upper = initialUpperLimit;
}

double TTorvDir::SummaryValue() const {
    Statistics s = ComputeStatistics();
    if (kind == kKindSeries && useMedian) return s.median.value_or(0.0);
    return s.mean;
}

double TTorvDir::ChartMean() const {
    return SummaryValue();
}

TTorvDir::Statistics TTorvDir::ComputeStatistics() const {
    Statistics s;
    int n = PositionCount();
    s.members = n;
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(MemberValue(i));

    if (kind == kKindChina) {
        ComponentStatistics c = ChinaComponentStrength(v, batch != 0);
        s.count = c.count;
        s.mean = c.mean;
        s.stddev = c.stddev;
        s.max = c.max;
        s.min = c.min;
        if (n > 0) {
            s.strength = c.component;
            s.strengthText = Latin1ToU16(ComponentStrengthText(c.component));
            s.strengthUnit = u"MPa";
        }
        return s;
    }

    double sum = 0, sum2 = 0;
    s.min = 99;
    int positive = 0;
    for (double x : v) {
        sum += x;
        sum2 += x * x;
        if (x > 0) {
            ++positive;
            s.max = std::max(s.max, x);
            s.min = std::min(s.min, x);
        }
    }
    s.count = useMedian ? positive : n;
    if (n == 0) return s;
    s.mean = sum / n;
    double sq = sum * sum / n;
    s.stddev = (n > 1 && sum2 > sq) ? std::sqrt((sum2 - sq) / (n - 1)) : 0.0;
    s.median = rebound::Median(v);

    // The strength is shown only when every member converts with a curve.
    bool allCurves = true;
    std::vector<double> strengths;
    for (const auto& m : members) {
        const auto& bars = static_cast<const TTorvBars&>(*m);
        if (bars.curve == 0) allCurves = false;
        strengths.push_back(bars.CompressiveStrength());
    }
    s.strengthText = rebound::kNoValue;
    if (allCurves) {
        double fc = 0;
        if (useMedian) {
            fc = rebound::Median(strengths);
        } else {
            for (double f : strengths) fc += f;
            fc /= n;
        }
        double r = useMedian ? *s.median : s.mean;
        rebound::StrengthDisplay shown = rebound::FormatStrength(fc, r, unit);
        // Out of the display range the row shows "-    " and there is no strength.
        s.strengthText = shown.value;
        s.strengthUnit = shown.unit;
        if (!shown.unit.empty()) s.strength = fc;
    }
    return s;
}

void TTorvDir::Describe(Json& out) const {
    TBasicObj::Describe(out);
    out.Set("kind", Json::Int(kind));
    out.Set("batch", Json::Bool(batch != 0));
    out.Set("any2011", Json::Bool(any2011 != 0));
    Json paths = Json::Array();
    for (const auto& p : memberPaths) paths.Push(Json::Text(p));
    out.Set("members", paths);
    Json values = Json::Array();
    for (int i = 0; i < PositionCount(); ++i) values.Push(Json::Number(MemberValue(i)));
    out.Set("member_values", values);
    Json titles = Json::Array();
    for (const auto& m : members) titles.Push(Json::Text(m->title));
    out.Set("member_titles", titles);
    out.Set("unit_index", Json::Int(unit));
    out.Set("lower_limit", Json::Int(lowerLimit));
    out.Set("upper_limit", Json::Int(upperLimit));
    out.Set("initial_lower_limit", Json::Int(initialLowerLimit));
    out.Set("initial_upper_limit", Json::Int(initialUpperLimit));
    DescribeLimits(out);
    out.Set("use_median", Json::Bool(useMedian != 0));
    out.Set("selected_member", Json::Int(selectedMember));
    out.Set("chart_top", Json::Number(chartTop));

    Statistics s = ComputeStatistics();
    bool any = s.members > 0;
    Json sum = Json::Object();
    sum.Set("count", Json::Int(s.count));
    sum.Set("mean", any ? Json::Number(s.mean) : Json::Null());
    sum.Set("median", s.median ? Json::Number(*s.median) : Json::Null());
    sum.Set("stddev", s.members > 1 ? Json::Number(s.stddev) : Json::Null());
    sum.Set("max", any ? Json::Number(s.max) : Json::Null());
    sum.Set("min", any ? Json::Number(s.min) : Json::Null());
    sum.Set("strength", s.strength && *s.strength >= 0 ? Json::Number(*s.strength) : Json::Null());
    sum.Set("strength_text", s.strengthText.empty() ? Json::Null() : Json::Text(s.strengthText));
    sum.Set("strength_unit", s.strengthUnit.empty() ? Json::Null() : Json::Text(s.strengthUnit));
    sum.Set("component_strength",
            kind == kKindChina && s.strength ? Json::Number(*s.strength) : Json::Null());
    out.Set("summary", sum);
}

bool WriteSummaryFile(const std::string& path, const char* tag, const std::vector<std::string>& memberPaths,
                      std::string* error) {
    ObjectWriter out;
    out.WriteText(kHead, delim::kTab);
    out.WriteText(tag, delim::kTab);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    LocalTime(now, local);
    out.WriteInteger(local.tm_year + 1900, delim::kTab);
    out.WriteInteger(local.tm_mon + 1, delim::kTab);
    out.WriteInteger(local.tm_mday, delim::kTab);
    out.WriteInteger(local.tm_hour, delim::kTab);
    out.WriteInteger(local.tm_min, delim::kLf);
    for (const auto& p : memberPaths) out.WriteQuoted(Latin1ToU16(p), delim::kLf);
    out.WriteQuoted(kEnd, delim::kFileEnd);
    return WriteFileAtomically(path, out.Bytes(), error);
}

} // namespace vordalis
