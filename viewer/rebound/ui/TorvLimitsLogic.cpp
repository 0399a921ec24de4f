#include "rebound/ui/TorvLimitsLogic.h"

#include "rebound/TTorvObj.h"
#include "rebound/ui/DialogText.h"

namespace vordalis {

void TorvLimitsLogic::LoadFrom(const TTorvObj& obj, bool mpa) {
    lower = obj.lowerLimit;
    upper = obj.upperLimit;
    meanLine = obj.showMeanLine != 0;
    displayLimits = obj.showLimits != 0;
    initial = obj.limitsInitial != 0;
    obj.InitialLimits(instrumentLower, instrumentUpper);
    mpaMode = mpa;
}

void TorvLimitsLogic::StoreTo(TTorvObj& obj) const {
    obj.lowerLimit = lower;
    obj.upperLimit = upper;
    obj.showMeanLine = meanLine ? 1 : 0;
    obj.showLimits = displayLimits ? 1 : 0;
    obj.limitsInitial = initial ? 1 : 0;
}

void TorvLimitsLogic::Open() {
    ok = false;
    lowerText = Format("%d", lower);
    upperText = Format("%d", upper);
    if (mpaMode) {
        meanLine = false;
        meanLineEnabled = false;
    }
    displayLimitsEnabled = true;
    editsEnabled = !initial && displayLimits;
}

void TorvLimitsLogic::FollowBoxes() {
    if (initial) {
        lowerText = Format("%d", instrumentLower);
        upperText = Format("%d", instrumentUpper);
        editsEnabled = false;
    } else {
        editsEnabled = displayLimits;
    }
}

void TorvLimitsLogic::InitialClicked(bool on) {
    initial = on;
    FollowBoxes();
}

void TorvLimitsLogic::DisplayLimitsClicked(bool on) {
    displayLimits = on;
    FollowBoxes();
}

bool TorvLimitsLogic::Clamp(long& v) {
    if (v < kMinimum) {
        v = kMinimum;
        return true;
    }
    if (v > kMaximum) {
        v = kMaximum;
        return true;
    }
    return false;
}

bool TorvLimitsLogic::UpperDone() {
    long lo = static_cast<long>(DialogNumber(lowerText));
    long v = static_cast<long>(DialogNumber(upperText));
    bool beep = false;
    if (v <= lo) {
        beep = true;
        v = lo + 1;
    }
    beep = Clamp(v) || beep;
    upperText = Format("%ld", v);
    return beep;
}

bool TorvLimitsLogic::LowerDone() {
    long hi = static_cast<long>(DialogNumber(upperText));
    long v = static_cast<long>(DialogNumber(lowerText));
    bool beep = false;
    if (v >= hi) {
        beep = true;
        v = hi - 1;
    }
    beep = Clamp(v) || beep;
    lowerText = Format("%ld", v);
    return beep;
}

bool TorvLimitsLogic::UpperSpin(int delta) {
    upperText = Format("%ld", static_cast<long>(DialogNumber(upperText)) - delta);
    return UpperDone();
}

bool TorvLimitsLogic::LowerSpin(int delta) {
    lowerText = Format("%ld", static_cast<long>(DialogNumber(lowerText)) - delta);
    return LowerDone();
}

bool TorvLimitsLogic::Ok() {
    long lo = static_cast<long>(DialogNumber(lowerText));
    long hi = static_cast<long>(DialogNumber(upperText));
    bool equal = lo == hi && lo >= kMinimum && lo <= kMaximum;
    if (!(kMinimum <= lo && lo < hi && hi <= kMaximum) && !equal) return false;
    lower = static_cast<int32_t>(lo);
    upper = static_cast<int32_t>(hi);
    // Equal limits leave nothing to show.
    if (equal) displayLimits = false;
    ok = true;
    return true;
}

} // namespace vordalis
