#include "app/ReadOut.h"

#include "model/Codec.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis {

namespace {

std::u16string Format(const char* format, double a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a);
    return Utf8ToU16(buf);
}

std::u16string Format(const char* format, double a, double b) {
    char buf[96];
    std::snprintf(buf, sizeof buf, format, a, b);
    return Utf8ToU16(buf);
}

int ValueHint(const TBasicObj& obj) {
    return obj.type == kTypeReboundSummary ? 5 : 1;
}

} // namespace

ReadOut ProbeObject(TBasicObj& obj, int x, int y) {
    ReadOut r;
    int32_t limit = 0, second = 0, lower = 0, upper = 0;
    if (!obj.GetLimits(&limit, &second, &lower, &upper)) limit = 0;
    auto setValue = [&](double v) {
        r.value = v;
        r.belowLimit = v > 0 && v < limit;
    };
    r.x = obj.HitX(x, y);
    r.y = obj.HitY(x, y);
    setValue(obj.HitValue(x, y));
    if (r.x >= 0 && r.y >= 0) {
        r.hint = ValueHint(obj);
    } else {
        int row = -1;
        int region = obj.HitRegion(x, y, &row);
        bool rowLookup = false;
        if (region == TBasicObj::kRegionHeader)
            r.hint = 2;
        else if (region == TBasicObj::kRegionLimits)
            r.hint = 3;
        else if (region == TBasicObj::kRegionSettings && obj.type >= kTypeReboundSeries)
            r.hint = 4;
        else if (region >= TBasicObj::kRegionSettings)
            rowLookup = true;
        if (rowLookup) {
            r.x = obj.RowX(row);
            r.y = obj.RowY(row);
            if (r.x >= 0 && r.y >= 0) {
                setValue(obj.RowValue(row));
                r.hint = ValueHint(obj);
            }
        }
    }
    if (obj.imperial) r.value *= kInchPerMm;
    return r;
}

Str HintStringId(int hint, int32_t viewOptions) {
    switch (hint) {
    case 1:
        return (viewOptions & opts::kValueChange) ? Str::HintModifyValue : Str::None;
    case 2:
        return Str::HintModifyTitle;
    case 3:
        return Str::HintModifyLimit;
    case 4:
        return Str::HintModifySettings;
    case 5:
        return Str::HintDetailView;
    default:
        return Str::None;
    }
}

std::u16string PositionText(const ReadOut& r, const TBasicObj& obj, bool mmScale,
                            const std::function<std::u16string(const TBasicObj&, int)>& memberTitle) {
    if (r.x >= 0 && r.y == kListEntryY) {
        if (obj.type == kTypeReboundSummary)
            return memberTitle ? memberTitle(obj, int(r.x)) : std::u16string();
        return Format("N:%0.0lf", r.x);
    }
    if (r.x < 0 || r.y < 0) return {};
    if (obj.imperial && obj.type == kTypeCoverBars) return Format("X:%0.2lf,  Y:%0.2lf in", r.x, r.y);
    if (obj.imperial && obj.type == kTypeCoverRaster) return Format("X:%0.2lf,  Y:%0.2lf ft", r.x, r.y);
    if (mmScale) return Format("X:%4.0lf,  Y:%4.0lf mm", r.x * 1000, r.y * 1000);
    return Format("X:%0.2lf,  Y:%0.2lf m", r.x, r.y);
}

std::u16string ValueText(const ReadOut& r, const TBasicObj& obj, int summaryKind) {
    if (r.value <= 0) return {};
    switch (obj.type) {
    case kTypeCoverList:
    case kTypeCoverBars:
    case kTypeCoverRaster:
        return obj.imperial ? Format("%2.2lf in", r.value) : Format("%3.0lf mm", r.value);
    case kTypeReboundSeries:
    case kTypeReboundChina:
        return Format("%3.0lf R", r.value);
    case kTypeReboundSummary:
        return summaryKind == 8 ? Format("%3.1lfMPa", r.value) : Format("%3.1lf R", r.value);
    default:
        return {};
    }
}

} // namespace vordalis
