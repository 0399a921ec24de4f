#pragma once
#include <cstdint>

namespace vordalis {

// Object type numbers (0: not recognised).
enum ObjectType : int32_t {
    kTypeNone = 0,
    kTypeCoverList = 1,
    kTypeCoverBars = 2,
    kTypeCoverRaster = 3,
    kTypeReboundSeries = 6,
    kTypeReboundSummary = 7,
    kTypeReboundChina = 8,
};

} // namespace vordalis
