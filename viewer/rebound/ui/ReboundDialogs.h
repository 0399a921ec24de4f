#pragma once
// Running the rebound dialogs on an object: the view's copy in, the dialog, and the copy back
// on OK. Each returns true when the user confirmed (the object then holds the new values).
#include <cstdint>

class QWidget;

namespace vordalis {

class TTorvBars;
class TTorvObj;

// Settings of a series (full mode); rebuilds the evaluated series after OK.
bool RunSeriesSettings(TTorvBars& series, QWidget* parent);
// Settings of a series summary (summary mode): only the unit and the median choice.
bool RunSummarySettings(int32_t& unit, int32_t& useMedian, QWidget* parent);
// Chart limits of any rebound object; mpa for China objects and their summaries.
bool RunReboundLimits(TTorvObj& obj, bool mpa, QWidget* parent);

} // namespace vordalis
