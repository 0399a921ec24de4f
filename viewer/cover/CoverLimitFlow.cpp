#include "cover/CoverLimitFlow.h"

#include "cover/CoverUnits.h"

namespace vordalis {

using cover::kInchPerMm;

LimitDialogState PrepareLimitDialog(TBasicObj& obj, int32_t viewOptions) {
    const bool inches = obj.imperial != 0;
    const float factor = inches ? static_cast<float>(kInchPerMm) : 1.0f;
    LimitDialogState d;
    d.SetOptions(viewOptions, inches ? "in" : "mm", inches ? 1 : 0);
    d.SetFlags(obj.GetEditFlags());
    int32_t limit = 0, second = 0, lower = 0, upper = 0;
    obj.GetLimits(&limit, &second, &lower, &upper);
    d.SetCurrent(limit * factor, lower * factor, upper * factor);
    obj.GetDefaultLimits(&limit, &second, &lower, &upper);
    d.SetDefaults(limit * factor, lower * factor, upper * factor);
    if (inches)
        d.SetRange(0.0f, 99999.0f);
    else
        d.SetRange(static_cast<float>(obj.GetMinValue()), static_cast<float>(obj.GetMaxValue()));
    d.Start();
    return d;
}

void ApplyLimitDialog(TBasicObj& obj, const LimitDialogState& dialog, int32_t& viewOptions) {
    float limit, lower, upper;
    dialog.GetResult(limit, lower, upper, viewOptions);
    auto mm = [&](float v) { return static_cast<int32_t>(obj.imperial ? v / kInchPerMm : v); };
    obj.SetLimits(mm(limit), 0, mm(lower), mm(upper));
}

} // namespace vordalis
