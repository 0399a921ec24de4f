#pragma once
// What the mouse is over: position, value, limit alarm and hint, and the texts of the three
// read-out panes of the status bar. Qt-free; the view feeds it chart coordinates.
#include "model/Strings.h"
#include "model/TBasicObj.h"

#include <functional>
#include <string>

namespace vordalis {

struct ReadOut {
    double x = -1, y = -1, value = -1;
    bool belowLimit = false;
    int hint = -1; // 1 value, 2 title, 3 limit, 4 settings, 5 detail view; -1 none
};

// Y of a list entry: X then holds the entry's number.
inline constexpr double kListEntryY = 7777.0;
// Inches per millimetre, as the read-out and the dialogs convert.
inline constexpr double kInchPerMm = 0.0394;

// Hit tests at chart coordinates (x to the right, y downwards from the page top).
ReadOut ProbeObject(TBasicObj& obj, int x, int y);

// The string number of a hint (None: the empty hint). Hint 1 needs value change enabled.
Str HintStringId(int hint, int32_t viewOptions);

// Pane 2027; empty when the pane is blank. memberTitle names summary members (type 7).
std::u16string PositionText(const ReadOut& r, const TBasicObj& obj, bool mmScale,
                            const std::function<std::u16string(const TBasicObj&, int)>& memberTitle = {});
// Pane 2028; empty when blank. summaryKind is the kind of a type-7 summary (6 or 8).
std::u16string ValueText(const ReadOut& r, const TBasicObj& obj, int summaryKind = 6);

} // namespace vordalis
