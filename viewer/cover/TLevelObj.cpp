#include "cover/TLevelObj.h"

#include "model/TValueSeries.h"
#include "plot/TBasicPlot.h"

namespace vordalis {

int32_t TLevelObj::ClampThreshold(int32_t v) {
    return v < -kThresholdBound ? -kThresholdBound : (v > kThresholdBound ? kThresholdBound : v);
}

void TLevelObj::BuildClasses(int32_t lower, int32_t upper) {
    classCounters.fill(0);
    boundaries.fill(0);
    // 64 bits: thresholds come from the file and may lie far apart.
    const int64_t span = static_cast<int64_t>(upper) - lower;
    if (span <= 0)
        classCount = 2;
    else if (span < 7)
        classCount = static_cast<int32_t>(span) + 2;
    else
        classCount = kMaxClasses;
    boundaries[0] = lower;
    const int64_t d = classCount - 2;
    if (d == 0) return;
    // Spread the remainder evenly so that the last boundary lands on the upper threshold.
    const int64_t e = span / d;
    const int64_t r = span - e * d;
    int64_t acc = d / 2;
    int64_t b = lower;
    for (int64_t i = 1; i <= d; ++i) {
        acc += r;
        b += e;
        if (acc >= d) {
            acc -= d;
            ++b;
        }
        boundaries[static_cast<size_t>(i)] = static_cast<int32_t>(b);
    }
}

int TLevelObj::ClassOf(int32_t v) const {
    if (classCount < 2 || v <= 0) return -1;
    for (int i = 0; i <= classCount - 2; ++i)
        if (v < boundaries[static_cast<size_t>(i)]) return i;
    return classCount - 1;
}

void TLevelObj::CountValue(int32_t v) {
    int c = ClassOf(v);
    if (c >= 0) ++classCounters[static_cast<size_t>(c)];
}

bool TLevelObj::GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    if (limit) *limit = MainSeries()->Lower();
    if (second) *second = MainSeries()->Upper();
    if (lower) *lower = lowerThreshold;
    if (upper) *upper = upperThreshold;
    return true;
}

bool TLevelObj::GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    if (limit) *limit = defaultLimit;
    if (second) *second = 0;
    if (lower) *lower = defaultLower;
    if (upper) *upper = defaultUpper;
    return true;
}

double TLevelObj::HitX(int x, int) {
    return Plot().XFromPixel(x);
}
double TLevelObj::HitY(int, int y) {
    return Plot().YFromPixel(y, false);
}

void TLevelObj::ReadLimitFields(ObjectReader& in, int delimiter, int32_t& limit) {
    int32_t* fields[3] = {&limit, &lowerThreshold, &upperThreshold};
    for (int32_t* field : fields) {
        if (delimiter == delim::kCr || delimiter == delim::kLf || delimiter == delim::kNone) break;
        int32_t v;
        if (in.ReadInteger(v)) *field = v;
        delimiter = in.LastDelimiter();
    }
    lowerThreshold = ClampThreshold(lowerThreshold);
    upperThreshold = ClampThreshold(upperThreshold);
    if (delimiter == delim::kCr || delimiter == delim::kLf) ReadCommonTrailer(in);
}

void TLevelObj::WriteLimitFields(ObjectWriter& out) const {
    WriteInstrumentId(out);
    out.WriteInteger(MainSeries()->Lower(), delim::kTab);
    out.WriteInteger(lowerThreshold, delim::kTab);
    out.WriteInteger(upperThreshold, delim::kLf);
    WriteCommonTrailer(out, delim::kBlockEnd);
}

void TLevelObj::Describe(Json& out) const {
    TBasicObj::Describe(out);
    out.Set("class_count", Json::Int(classCount));
    Json counters = Json::Array();
    for (int i = 0; i < classCount && i < kMaxClasses; ++i)
        counters.Push(Json::Int(classCounters[static_cast<size_t>(i)]));
    out.Set("class_counters", counters);
    Json bounds = Json::Array();
    for (int i = 0; i <= classCount - 2; ++i) bounds.Push(Json::Int(boundaries[static_cast<size_t>(i)]));
    out.Set("boundaries", bounds);
}

} // namespace vordalis
