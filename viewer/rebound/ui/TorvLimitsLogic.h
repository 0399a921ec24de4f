#pragma once
// What the rebound Limit dialog does, event by event, without the widgets: the chart limits
// (whole rebound values 0..99), the mean line and limit display boxes and the "Initial
// settings" box that restores the instrument's limits. In MPa mode (China objects and their
// summaries) the units read "MPa" and the mean line box is off and disabled.
#include <cstdint>
#include <string>

namespace vordalis {

class TTorvObj;

class TorvLimitsLogic {
public:
    static constexpr int kMinimum = 0, kMaximum = 99, kEditLength = 2;

    int32_t lower = 0, upper = 0;
    bool meanLine = false;
    bool displayLimits = false;
    bool initial = false;
    int32_t instrumentLower = 0, instrumentUpper = 0;
    bool mpaMode = false;
    bool ok = false;

    // The chart limits of a rebound object, and back after OK.
    void LoadFrom(const TTorvObj& obj, bool mpa);
    void StoreTo(TTorvObj& obj) const;
    // Unit text beside the edits: "R", or "MPa" in MPa mode.
    const char* UnitText() const { return mpaMode ? "MPa" : "R"; }

    // --- events; the bool results ask for a beep ---
    void Open();
    void InitialClicked(bool on);
    void DisplayLimitsClicked(bool on);
    bool UpperDone();
    bool LowerDone();
    // delta of the spin control: -1 for one step up.
    bool UpperSpin(int delta);
    bool LowerSpin(int delta);
    // False (with a beep) when the pair is refused and the dialog stays open.
    bool Ok();
    void Cancel() { ok = false; }

    std::string lowerText, upperText;
    bool editsEnabled = true; // both edits and their spins
    bool displayLimitsEnabled = true;
    bool meanLineEnabled = true;

private:
    void FollowBoxes();
    static bool Clamp(long& v);
};

} // namespace vordalis
