#include "rebound/ui/ReboundDialogs.h"

#include "rebound/TTorvBars.h"
#include "rebound/TTorvDir.h"
#include "rebound/ui/CTorvFenster.h"
#include "rebound/ui/CTorvLimits.h"
#include "rebound/ui/JgjDialogs.h"

#include "dialogs/ObjectDialogs.h"

namespace vordalis {

bool RunSeriesSettings(TTorvBars& series, QWidget* parent) {
    TorvFensterLogic logic;
    logic.LoadFrom(series);
    CTorvFenster dialog(logic, parent);
    dialog.exec();
    if (!logic.ok) return false;
    logic.StoreTo(series);
    series.ApplyDirectionCorrection();
    return true;
}

bool RunSummarySettings(int32_t& unit, int32_t& useMedian, QWidget* parent) {
    TorvFensterLogic logic;
    logic.summaryMode = true;
    logic.unitIndex = unit - 1;
    logic.median = useMedian != 0;
    CTorvFenster dialog(logic, parent);
    dialog.exec();
    if (!logic.ok) return false;
    unit = logic.unitIndex + 1;
    useMedian = logic.median ? 1 : 0;
    return true;
}

bool RunReboundLimits(TTorvObj& obj, bool mpa, QWidget* parent) {
    TorvLimitsLogic logic;
    logic.LoadFrom(obj, mpa);
    CTorvLimits dialog(logic, parent);
    dialog.exec();
    if (!logic.ok) return false;
    logic.StoreTo(obj);
    return true;
}

// The viewer calls this once at start: the rebound dialogs for the types 6, 7 and 8.
void RegisterReboundDialogs() {
    ObjectDialogs series;
    series.settings = [](TBasicObj& obj, DialogContext& c) {
        return RunSeriesSettings(static_cast<TTorvBars&>(obj), c.parent);
    };
    series.limitAndRange = [](TBasicObj& obj, DialogContext& c) {
        return RunReboundLimits(static_cast<TTorvObj&>(obj), false, c.parent);
    };
    RegisterObjectDialogs(kTypeReboundSeries, series);

    ObjectDialogs china;
    china.limitAndRange = [](TBasicObj& obj, DialogContext& c) {
        return RunReboundLimits(static_cast<TTorvObj&>(obj), true, c.parent);
    };
    RegisterObjectDialogs(kTypeReboundChina, china);

    ObjectDialogs summary;
    summary.limitAndRange = [](TBasicObj& obj, DialogContext& c) {
        auto& dir = static_cast<TTorvDir&>(obj);
        return RunReboundLimits(dir, dir.kind == kTypeReboundChina, c.parent);
    };
    summary.settings = [](TBasicObj& obj, DialogContext& c) {
        auto& dir = static_cast<TTorvDir&>(obj);
        // Series summaries choose unit and median; China summaries have no settings.
        if (dir.kind != kTypeReboundSeries) return false;
        return RunSummarySettings(dir.unit, dir.useMedian, c.parent);
    };
    RegisterObjectDialogs(kTypeReboundSummary, summary);
    RegisterJgjDialogs();
}

} // namespace vordalis
