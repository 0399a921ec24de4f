#include "app/WindowPlacement.h"

#include <algorithm>
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

PlacementRect FirstStartRect(const PlacementRect& available, int pageWidth, int toolBarWidth) {
    int availableWidth = available.right - available.left;
    int availableHeight = available.bottom - available.top;
    int w = std::min(std::max(pageWidth, toolBarWidth), availableWidth);
    int h = availableHeight * 4 / 5;
    int left = available.left + (availableWidth - w) / 2;
    int top = available.top + (availableHeight - h) / 2;
    return {left, top, left + w, top + h};
}

} // namespace vordalis
