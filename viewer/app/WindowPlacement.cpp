#include "WindowPlacement.h"

#include <cstdio>
#include <cstdlib>

namespace vordalis {

PlacementRect ParsePlacementRect(const std::string& text) {
    PlacementRect r;
    if (text.empty()) return r;
    int* fields[] = {&r.left, &r.top, &r.right, &r.bottom};
    for (int i = 0; i < 4; ++i) {
        size_t at = size_t(i) * 5;
        *fields[i] = at < text.size() ? std::atoi(text.c_str() + at) : 0;
    }
    return r;
}

std::string FormatPlacementRect(const PlacementRect& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d %04d %04d %04d", r.left, r.top, r.right, r.bottom);
    return buf;
}

} // namespace vordalis
