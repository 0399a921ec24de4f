#include "model/SeriesStatistics.h"

#include "model/TValueSeries.h"

namespace vordalis {

Json DescribeStatistics(TValueSeries* s) {
    Json j = Json::Object();
    const int32_t count = s ? s->Count() : 0;
    const bool have = count > 0;
    // An inch series computes its mean and deviation in inches but keeps the extremes as the
    // millimetres it holds; the page converts those, and so do we.
    const bool inches = s && s->InInches();
    auto length = [&](int32_t v) {
        return inches ? Json::Number(v * TValueSeries::kInchPerMm) : Json::Int(v);
    };
    j.Set("count", s ? Json::Int(count) : Json::Null());
    j.Set("mean", have ? Json::Number(s->Mean()) : Json::Null());
    j.Set("stddev", count > 1 ? Json::Number(s->StdDev()) : Json::Null());
    j.Set("min", have ? length(s->Min()) : Json::Null());
    j.Set("max", have ? length(s->Max()) : Json::Null());
    j.Set("percent_outside", have ? Json::Number(s->PercentOutside()) : Json::Null());
    j.Set("unit", s ? Json::Text(inches ? std::u16string(u"in") : s->Unit()) : Json::Null());
    return j;
}

} // namespace vordalis
