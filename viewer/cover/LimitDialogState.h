#pragma once
// What the "Limit and Range" dialog does, event by event, without the widgets: the cover
// limit with its initial-setting box and the range of the level chart with its own box.
// The Qt dialog copies its edit texts into the text members before each event, calls the
// event, writes the members back and beeps when the event asks for it.
#include "model/EditFlags.h"

#include <cstdint>
#include <string>

namespace vordalis {

class LimitDialogState {
public:
    void SetOptions(int32_t options, const std::string& unit, int decimals);
    // The object's edit flags; this dialog looks at edit::kLimit, kLimitBox, kRange and kRangeBox.
    void SetFlags(int flags) { flags_ = flags; }
    void SetCurrent(float limit, float lower, float upper);
    void SetDefaults(float limit, float lower, float upper);
    void SetRange(float minimum, float maximum);
    // The values, and options bits 13 and 14 from the two boxes (other bits unchanged).
    void GetResult(float& limit, float& lower, float& upper, int32_t& options) const;

    // Enabling when the dialog opens.
    void Start();

    // Events; each returns true when the dialog should beep.
    bool LimitEditDone();
    bool LowerEditDone();
    bool UpperEditDone();
    // delta is the spin control's delta: -1 for one step up.
    bool LimitSpin(int delta);
    bool LowerSpin(int delta);
    bool UpperSpin(int delta);
    void InitialLimitClicked(bool on);
    void InitialRangeClicked(bool on);

    // Edit texts (UTF-8) shared with the widgets.
    std::string limitText, lowerText, upperText;

    bool InitialLimitOn() const { return initialLimit_; }
    bool InitialRangeOn() const { return initialRange_; }
    bool LimitEnabled() const { return limitEnabled_; }
    bool RangeEnabled() const { return rangeEnabled_; }
    bool InitialLimitBoxEnabled() const { return limitBoxEnabled_; }
    bool InitialRangeBoxEnabled() const { return rangeBoxEnabled_; }
    const std::string& Unit() const { return unit_; }
    int Decimals() const { return decimals_; }
    float Limit() const { return limit_; }
    float Lower() const { return lower_; }
    float Upper() const { return upper_; }
    float DefaultLimit() const { return defaultLimit_; }
    float DefaultLower() const { return defaultLower_; }
    float DefaultUpper() const { return defaultUpper_; }

    // The text as a number the way the cover dialogs read their edits: a leading number, else 0.
    static double Number(const std::string& text);
    // "%0.*f"
    static std::string Format(double v, int decimals);

private:
    std::string Text(float v) const;
    float Step(int delta) const;

    bool initialLimit_ = false;
    bool initialRange_ = false;
    bool limitEnabled_ = true;
    bool rangeEnabled_ = true;
    bool limitBoxEnabled_ = true;
    bool rangeBoxEnabled_ = true;
    int flags_ = 0;
    float minimum_ = 0.0f;
    float maximum_ = 99999.0f;
    float empty_ = 0.0f;
    float limit_ = 0, lower_ = 0, upper_ = 0;
    float defaultLimit_ = 0, defaultLower_ = 0, defaultUpper_ = 0;
    std::string unit_ = "mm";
    int decimals_ = 0;
};

} // namespace vordalis
