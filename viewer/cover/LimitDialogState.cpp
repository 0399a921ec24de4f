#include "cover/LimitDialogState.h"

#include "model/DisplayOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vordalis {

double LimitDialogState::Number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string LimitDialogState::Format(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0.*f", decimals, v);
    return buf;
}

std::string LimitDialogState::Text(float v) const {
    return Format(v, decimals_);
}

float LimitDialogState::Step(int delta) const {
    return static_cast<float>(-delta / std::pow(10.0, decimals_));
}

void LimitDialogState::SetOptions(int32_t options, const std::string& unit, int decimals) {
    initialLimit_ = (options & opts::kLimitFromInstrument) != 0;
    initialRange_ = (options & opts::kRangeFromInstrument) != 0;
    unit_ = unit;
    decimals_ = decimals;
}

void LimitDialogState::SetCurrent(float limit, float lower, float upper) {
    if ((flags_ & edit::kLimit) && limit != empty_)
        limit_ = std::clamp(limit, minimum_, maximum_);
    else
        limit_ = empty_;
    if (flags_ & edit::kRange) {
        lower_ = std::clamp(lower, minimum_, maximum_);
        upper_ = std::clamp(upper, lower_, maximum_);
    } else {
        lower_ = upper_ = empty_;
    }
    limitText = Text(limit_);
    lowerText = Text(lower_);
    upperText = Text(upper_);
}

void LimitDialogState::SetDefaults(float limit, float lower, float upper) {
    defaultLimit_ = (limit >= minimum_ && limit <= maximum_) ? limit : empty_;
    const bool rangeOk =
        lower >= minimum_ && lower <= maximum_ && upper >= minimum_ && upper <= maximum_ && lower <= upper;
    defaultLower_ = rangeOk ? lower : 10.0f;
    defaultUpper_ = rangeOk ? upper : 45.0f;
}

void LimitDialogState::SetRange(float minimum, float maximum) {
    if (maximum > minimum) {
        minimum_ = minimum;
        maximum_ = maximum;
    }
}

void LimitDialogState::GetResult(float& limit, float& lower, float& upper, int32_t& options) const {
    limit = limit_;
    lower = lower_;
    upper = upper_;
    options &= ~(opts::kLimitFromInstrument | opts::kRangeFromInstrument);
    if (initialLimit_) options |= opts::kLimitFromInstrument;
    if (initialRange_) options |= opts::kRangeFromInstrument;
}

void LimitDialogState::Start() {
    limitEnabled_ = !initialLimit_ && (flags_ & edit::kLimit);
    limitBoxEnabled_ = (flags_ & edit::kLimitBox) != 0;
    if (!limitBoxEnabled_) initialLimit_ = false;
    rangeEnabled_ = !initialRange_ && (flags_ & edit::kRange);
    rangeBoxEnabled_ = (flags_ & edit::kRangeBox) != 0;
    if (!rangeBoxEnabled_) initialRange_ = false;
}

bool LimitDialogState::LimitEditDone() {
    // No lower check: 0 (or an empty text) means no limit.
    float v = static_cast<float>(Number(limitText));
    if (v > maximum_) {
        limit_ = maximum_;
        limitText = Text(limit_);
    } else {
        limit_ = v;
    }
    return false;
}

bool LimitDialogState::LowerEditDone() {
    float v = static_cast<float>(Number(lowerText));
    if (v > upper_ || v < minimum_) {
        lowerText = Text(lower_);
        return true;
    }
    lower_ = v;
    return false;
}

bool LimitDialogState::UpperEditDone() {
    float v = static_cast<float>(Number(upperText));
    if (v < lower_ || v > maximum_) {
        upperText = Text(upper_);
        return true;
    }
    upper_ = v;
    return false;
}

bool LimitDialogState::LimitSpin(int delta) {
    const float start = limitText.empty() ? minimum_ - 1 : static_cast<float>(Number(limitText));
    const float next = start + Step(delta);
    bool beep = false;
    if (next < minimum_) {
        limit_ = empty_;
        beep = start < minimum_;
    } else if (next > maximum_) {
        limit_ = maximum_;
        beep = true;
    } else {
        limit_ = next;
    }
    limitText = limit_ == empty_ ? std::string() : Text(limit_);
    return beep;
}

bool LimitDialogState::LowerSpin(int delta) {
    float next = static_cast<float>(Number(lowerText)) + Step(delta);
    bool beep = false;
    if (next < minimum_) {
        next = minimum_;
        beep = true;
    } else if (next > upper_) {
        next = upper_;
        beep = true;
    }
    lower_ = next;
    lowerText = Text(lower_);
    return beep;
}

bool LimitDialogState::UpperSpin(int delta) {
    float next = static_cast<float>(Number(upperText)) + Step(delta);
    bool beep = false;
    if (next < lower_) {
        next = lower_;
        beep = true;
    } else if (next > maximum_) {
        next = maximum_;
        beep = true;
    }
    upper_ = next;
    upperText = Text(upper_);
    return beep;
}

void LimitDialogState::InitialLimitClicked(bool on) {
    initialLimit_ = on;
    if (on) {
        limit_ = defaultLimit_;
        limitText = Text(limit_);
    }
    limitEnabled_ = !on && (flags_ & edit::kLimit);
}

void LimitDialogState::InitialRangeClicked(bool on) {
    initialRange_ = on;
    if (on) {
        lower_ = defaultLower_;
        upper_ = defaultUpper_;
        lowerText = Text(lower_);
        upperText = Text(upper_);
    }
    rangeEnabled_ = !on && (flags_ & edit::kRange);
}

} // namespace vordalis
