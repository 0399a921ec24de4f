#pragma once
// What the "Modify value" dialog does, event by event, without the widgets: the position
// (shown only) and the value being edited, with its spin and its accepted range.
#include "model/EditFlags.h"

#include <string>

namespace vordalis {

class ModifyDialogState {
public:
    // HitY of a list entry: the position has no X and Y.
    static constexpr double kListPosition = 7777.0;

    // unit "mm", "in" or "ft" (the positions of rasters in inch objects are shown in feet).
    // flags: the object's edit flags (edit::kPosition, kValue and kEmptyValue count here).
    void SetMode(int flags, const std::string& unit, bool mmScale, int decimals);
    void SetX(double x);
    void SetY(double y);
    void SetValue(float v);
    void SetRange(float minimum, float maximum);
    float GetValue() const { return value_; }

    bool PositionEnabled() const { return (flags_ & edit::kPosition) != 0; }
    bool ValueEnabled() const { return (flags_ & edit::kValue) != 0; }

    // Events; each returns true when the dialog should beep.
    bool XEditDone();
    bool YEditDone();
    bool ValueEditDone();
    // delta is the spin control's delta: -1 for one step up.
    bool ValueSpin(int delta);

    // Edit texts and unit statics (UTF-8) shared with the widgets.
    std::string xText, yText, valueText;
    std::string xUnit = "m", yUnit = "m", valueUnit = "mm";

private:
    std::string PositionText(double v) const;
    std::string ValueText() const;
    bool PositionEditDone(std::string& text, double& stored);
    bool ShowsMillimetres() const { return unit_ == "mm" && mmScale_; }

    int flags_ = 0;
    float minimum_ = 1.0f;
    float maximum_ = 999.0f;
    float empty_ = 0.0f;
    double x_ = 0, y_ = 0;
    float value_ = 0;
    std::string unit_ = "mm";
    bool mmScale_ = false;
    int decimals_ = 0;
};

} // namespace vordalis
