#include "cover/ModifyDialogState.h"

#include "cover/LimitDialogState.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vordalis {

void ModifyDialogState::SetMode(int flags, const std::string& unit, bool mmScale, int decimals) {
    flags_ = flags;
    unit_ = unit;
    mmScale_ = mmScale;
    decimals_ = decimals;
    if (unit == "in") {
        xUnit = yUnit = valueUnit = "in";
    } else if (unit == "ft") {
        xUnit = yUnit = "ft";
        valueUnit = "in";
    } else {
        xUnit = yUnit = mmScale ? "mm" : "m";
        valueUnit = "mm";
    }
}

std::string ModifyDialogState::PositionText(double v) const {
    char buf[64];
    if (ShowsMillimetres())
        std::snprintf(buf, sizeof buf, "%0.0lf", v * 1000);
    else
        std::snprintf(buf, sizeof buf, "%0.2lf", v);
    return buf;
}

std::string ModifyDialogState::ValueText() const {
    return value_ <= 0 ? std::string() : LimitDialogState::Format(value_, decimals_);
}

void ModifyDialogState::SetX(double x) {
    x_ = std::clamp(x, 0.0, 99.99);
    xText = PositionText(x_);
}

void ModifyDialogState::SetY(double y) {
    if (y == kListPosition) {
        xText.clear();
        yText.clear();
        return;
    }
    y_ = std::clamp(y, 0.0, 99.99);
    yText = PositionText(y_);
}

void ModifyDialogState::SetValue(float v) {
    if (v == empty_) {
        value_ = 0;
        valueText.clear();
        return;
    }
    value_ = std::clamp(v, minimum_, maximum_);
    valueText = LimitDialogState::Format(value_, decimals_);
}

void ModifyDialogState::SetRange(float minimum, float maximum) {
    if (maximum > minimum) {
        minimum_ = minimum;
        maximum_ = maximum;
    }
}

bool ModifyDialogState::PositionEditDone(std::string& text, double& stored) {
    double v = LimitDialogState::Number(text);
    // The edit shows millimetres with the "mm Scale" option; the position is kept in metres.
    if (ShowsMillimetres()) v /= 1000;
    if (v < 0 || v > 99.99) {
        text = PositionText(stored);
        return true;
    }
    stored = v;
    return false;
}

bool ModifyDialogState::XEditDone() {
    return PositionEditDone(xText, x_);
}
bool ModifyDialogState::YEditDone() {
    return PositionEditDone(yText, y_);
}

bool ModifyDialogState::ValueEditDone() {
    if (valueText.empty() && (flags_ & edit::kEmptyValue)) {
        value_ = 0;
        return false;
    }
    float v = static_cast<float>(LimitDialogState::Number(valueText));
    if (v < minimum_ || v > maximum_) {
        valueText = ValueText();
        return true;
    }
    value_ = v;
    return false;
}

bool ModifyDialogState::ValueSpin(int delta) {
    const float step = static_cast<float>(-delta / std::pow(10.0, decimals_));
    float next = static_cast<float>(LimitDialogState::Number(valueText)) + step;
    // Objects that accept an empty cell may spin down to 0; the others stop at the smallest
    // accepted value.
    const float bottom = (flags_ & edit::kEmptyValue) ? 0.0f : minimum_;
    bool beep = false;
    if (next < bottom) {
        next = bottom;
        beep = true;
    } else if (next > maximum_) {
        next = maximum_;
        beep = true;
    }
    value_ = next;
    valueText = ValueText();
    return beep;
}

} // namespace vordalis
