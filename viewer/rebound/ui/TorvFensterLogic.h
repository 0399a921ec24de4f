#pragma once
// What the rebound settings dialog does, event by event, without the widgets: the conversion
// (unit, curve, special curve Fx) and its parameters (form and time factor, carbonation depth,
// impact direction, median), each group with an "Initial settings" box that restores the
// instrument's values. In summary mode only the unit and the median box are offered.
// The Qt dialog copies its edit texts into the text members before an event, calls it,
// shows the members afterwards and beeps when the event returns true.
#include "rebound/ConversionCurves.h"

#include <string>

namespace vordalis {

class TTorvBars;

class TorvFensterLogic {
public:
    // Edit lengths of the dialog.
    static constexpr int kFactorLength = 4, kCarbonationLength = 1, kFxALength = 7, kFxBLength = 5,
                         kFxCLength = 5;

    // --- what the view passes in and takes back ---
    int unitIndex = 0;      // unit code - 1
    int curve = 0;          // 0..15
    int directionIndex = 0; // impact direction - 1
    int carbonation = 0;    // mm, 0..6
    double formFactor = 1.0, timeFactor = 1.0;
    double fxA = 0, fxB = 0, fxC = 0;
    rebound::CoefficientRow coefA{}, coefB{}, coefC{};
    bool median = false;
    bool conversionInitial = false;
    bool parametersInitial = false;
    struct Instrument {
        int unitIndex = 0, curve = 0, carbonation = 0, directionIndex = 0;
        double formFactor = 1.0, timeFactor = 1.0;
        bool median = false;
    } instrument;
    bool summaryMode = false;
    bool ok = false;

    // The series' values (full mode), and back into the series after OK.
    void LoadFrom(const TTorvBars& series);
    void StoreTo(TTorvBars& series) const;

    // --- events ---
    void Open();
    void CurveChanged(int index);
    bool FormFactorDone();
    bool TimeFactorDone();
    bool CarbonationDone();
    // delta of the spin control: -1 for one step up.
    bool CarbonationSpin(int delta);
    bool FxADone();
    bool FxBDone();
    bool FxCDone();
    void ParametersInitialClicked(bool on);
    void ConversionInitialClicked(bool on);
    void Ok();
    void Cancel() { ok = false; }

    // --- what the widgets show ---
    std::string formText, timeText, carbonationText, fxAText, fxBText, fxCText;
    std::u16string formulaText = u"AR\u00B2+BR+C";
    bool unitEnabled = true, curveEnabled = true;
    bool formEnabled = true, timeEnabled = true, carbonationEnabled = true, directionEnabled = true,
         medianEnabled = true;
    bool fxEnabled = false;
    bool conversionInitialEnabled = true, parametersInitialEnabled = true;

private:
    void ShowFx();
    void RefreshFormula();
    void EnableTimeFactor();
    bool ClampFx(std::string& text, double& value, double limit, const char* format);
};

} // namespace vordalis
