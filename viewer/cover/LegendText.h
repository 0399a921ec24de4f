#pragma once
// What the legends of the level charts show for a class: its cover bounds, its label and the
// limit text beside the limit marker.
#include "cover/TLevelObj.h"

#include <string>

namespace vordalis {

struct LegendClass {
    int32_t lower = 0; // first cover of the class
    int32_t upper = 0; // last cover of the class
};

// Bounds of class g (1-based) of the object's classes. The open last class ends at
// boundary 0 + its lower bound, or 5 beyond the limit when that lies further.
LegendClass LegendClassBounds(const TLevelObj& level, int g, int32_t limit);
// "< 10", "10-19", "20", ">= 80" (inch objects in inches with one decimal).
std::u16string LegendLabel(const TLevelObj& level, int g, const LegendClass& c, bool inches);

// The limit text split after ": " into the part up to the colon and the rest.
struct LimitText {
    std::u16string head, tail;
};
LimitText SplitLimitText(int32_t limit, bool inches);

} // namespace vordalis
