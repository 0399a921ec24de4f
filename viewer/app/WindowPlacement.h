#pragma once
// The main window's placement as the profile keeps it (section "Window size"): the normal
// rectangle as "%04d %04d %04d %04d" (left, top, right, bottom) and the "icon" and "max" flags.
#include <string>

namespace vordalis {

struct PlacementRect {
    int left = 20, top = 10, right = 600, bottom = 430; // used when nothing is stored
    bool operator==(const PlacementRect&) const = default;
};

// The four numbers at character positions 0, 5, 10 and 15; the default rectangle when the
// text is empty. A position without a number reads as 0.
PlacementRect ParsePlacementRect(const std::string& text);
std::string FormatPlacementRect(const PlacementRect& r);

// The window of the very first start, when nothing is stored: 80 % of the available height,
// wide enough for the page and the toolbar (no wider than the available width), centred.
PlacementRect FirstStartRect(const PlacementRect& available, int pageWidth, int toolBarWidth);

} // namespace vordalis
