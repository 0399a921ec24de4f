#include "cover/LegendText.h"

#include "cover/CoverRows.h"
#include "model/Strings.h"
#include "plot/TextFormat.h"
#include "text/Utf16.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace vordalis {

LegendClass LegendClassBounds(const TLevelObj& level, int g, int32_t limit) {
    const int n = level.ClassCount();
    LegendClass c;
    c.lower = g >= 2 ? level.Boundary(g - 2) : 0;
    if (g < n) {
        c.upper = static_cast<int32_t>(
            std::max<int64_t>(static_cast<int64_t>(level.Boundary(g - 1)) - 1, INT32_MIN));
    } else {
        // 64 bits and a cap keep thresholds from the file from overflowing the bounds.
        int64_t upper = static_cast<int64_t>(level.Boundary(0)) + c.lower;
        if (upper < limit) upper = static_cast<int64_t>(limit) + 5;
        c.upper = static_cast<int32_t>(std::min<int64_t>(upper, INT32_MAX - 1));
    }
    c.upper = std::max(c.upper, c.lower);
    return c;
}

std::u16string LegendLabel(const TLevelObj& level, int g, const LegendClass& c, bool inches) {
    const int n = level.ClassCount();
    if (inches) {
        if (g == 1) return Printf("< %0.1f", level.Boundary(0) * kInchPerMm);
        if (g == n) return Printf(">= %0.1f", level.Boundary(n - 2) * kInchPerMm);
        if (c.lower == c.upper) return Printf("%0.1f", c.lower * kInchPerMm);
        return Printf("%0.1f-%0.1f", c.lower * kInchPerMm, c.upper * kInchPerMm);
    }
    if (g == 1) return Printf("< %d", level.Boundary(0));
    if (g == n) return Printf(">= %d", level.Boundary(n - 2));
    if (c.lower == c.upper) return Printf("%d", c.lower);
    return Printf("%d-%d", c.lower, c.upper);
}

LimitText SplitLimitText(int32_t limit, bool inches) {
    const std::u16string format = LoadString(Str::LimitMm);
    std::u16string text;
    if (inches) {
        // The text before the first blank ("Limit:") and the limit in inches.
        const size_t blank = format.find(u' ');
        std::u16string head = format.substr(0, blank);
        char buf[32];
        std::snprintf(buf, sizeof buf, " %0.2f in", limit * kInchPerMm);
        text = head + Latin1ToU16(buf);
    } else {
        text = ReplaceFirst(format, u"%d", Latin1ToU16(std::to_string(limit)));
    }
    LimitText t;
    const size_t colon = text.find(u": ");
    if (colon == std::u16string::npos) {
        t.head = text;
    } else {
        t.head = text.substr(0, colon + 1);
        t.tail = text.substr(colon + 2);
    }
    return t;
}

} // namespace vordalis
