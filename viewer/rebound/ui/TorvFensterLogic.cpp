#include "rebound/ui/TorvFensterLogic.h"

#include "rebound/TTorvBars.h"
#include "rebound/ui/DialogText.h"

#include <algorithm>

namespace vordalis {

void TorvFensterLogic::LoadFrom(const TTorvBars& s) {
    unitIndex = s.unit - 1;
    curve = s.curve;
    directionIndex = s.impactDirection - 1;
    carbonation = s.carbonationDepth;
    formFactor = s.formFactor;
    timeFactor = s.timeFactor;
    median = s.useMedian != 0;
    conversionInitial = s.conversionInitial != 0;
    parametersInitial = s.parametersInitial != 0;
    coefA = s.coefA;
    coefB = s.coefB;
    coefC = s.coefC;
    fxA = s.coefA[rebound::kCurveFx];
    fxB = s.coefB[rebound::kCurveFx];
    fxC = s.coefC[rebound::kCurveFx];
    instrument.unitIndex = s.instrumentUnit - 1;
    instrument.curve = s.instrumentCurve;
    instrument.carbonation = s.instrumentCarbonation;
    instrument.formFactor = s.instrumentFormFactor;
    instrument.timeFactor = s.instrumentTimeFactor;
    instrument.median = s.instrumentMedian != 0;
    instrument.directionIndex = s.measuredDirection - 1;
    summaryMode = false;
}

void TorvFensterLogic::StoreTo(TTorvBars& s) const {
    s.unit = unitIndex + 1;
    s.curve = curve;
    s.impactDirection = directionIndex + 1;
    s.carbonationDepth = carbonation;
    s.formFactor = formFactor;
    s.timeFactor = timeFactor;
    s.useMedian = median ? 1 : 0;
    s.conversionInitial = conversionInitial ? 1 : 0;
    s.parametersInitial = parametersInitial ? 1 : 0;
    s.coefA[rebound::kCurveFx] = fxA;
    s.coefB[rebound::kCurveFx] = fxB;
    s.coefC[rebound::kCurveFx] = fxC;
}

void TorvFensterLogic::Open() {
    ok = false;
    formText = Format("%0.2f", formFactor);
    timeText = Format("%0.2f", timeFactor);
    carbonationText = Format("%d", carbonation);
    if (summaryMode) {
        unitEnabled = medianEnabled = true;
        curveEnabled = formEnabled = timeEnabled = carbonationEnabled = directionEnabled = fxEnabled = false;
        conversionInitialEnabled = parametersInitialEnabled = false;
        return;
    }
    RefreshFormula();
    curveEnabled = unitEnabled = !conversionInitial;
    ShowFx();
    if (parametersInitial) {
        formEnabled = timeEnabled = carbonationEnabled = medianEnabled = directionEnabled = false;
    } else {
        formEnabled = carbonationEnabled = medianEnabled = directionEnabled = true;
        EnableTimeFactor();
    }
}

void TorvFensterLogic::ShowFx() {
    // Only the special curve keeps its coefficients; any other curve clears them.
    fxEnabled = curve == rebound::kCurveFx;
    if (!fxEnabled) fxA = fxB = fxC = 0;
    fxAText = Format("%0.4f", fxA);
    fxBText = Format("%0.2f", fxB);
    fxCText = Format("%0.1f", fxC);
}

void TorvFensterLogic::RefreshFormula() {
    if (curve >= rebound::kCurveF1 && curve < rebound::kCurveFx)
        formulaText = rebound::FormulaText({coefA[curve], coefB[curve], coefC[curve]});
    else if (curve == rebound::kCurveFx)
        formulaText = rebound::FormulaText({fxA, fxB, fxC});
    else
        formulaText.clear();
}

void TorvFensterLogic::EnableTimeFactor() {
    // With a carbonation depth the carbonation factor replaces the time factor.
    if (carbonation < 1) {
        timeEnabled = true;
    } else {
        timeText = "1.00";
        timeEnabled = false;
    }
}

void TorvFensterLogic::CurveChanged(int index) {
    curve = std::clamp(index, 0, rebound::kCurveCount - 1);
    RefreshFormula();
    ShowFx();
}

static bool ClampFactor(std::string& text, double& value) {
    value = DialogNumber(text);
    bool beep = value > 9.99 || value < 0;
    if (beep) value = 1.0;
    text = Format("%0.2f", value);
    return beep;
}

bool TorvFensterLogic::FormFactorDone() {
    return ClampFactor(formText, formFactor);
}
bool TorvFensterLogic::TimeFactorDone() {
    return ClampFactor(timeText, timeFactor);
}

bool TorvFensterLogic::CarbonationDone() {
    int v = static_cast<int>(DialogNumber(carbonationText));
    bool beep = false;
    if (v >= 7) {
        beep = true;
        v = 6;
    } else if (v < 0) {
        beep = true;
        v = 0;
    }
    carbonation = v;
    if (v >= 1) {
        timeText = "1.00";
        timeEnabled = false;
    } else {
        timeEnabled = true;
    }
    carbonationText = Format("%d", v);
    return beep;
}

bool TorvFensterLogic::CarbonationSpin(int delta) {
    carbonationText = Format("%d", static_cast<int>(DialogNumber(carbonationText)) - delta);
    return CarbonationDone();
}

bool TorvFensterLogic::ClampFx(std::string& text, double& value, double limit, const char* format) {
    double v = DialogNumber(text);
    bool beep = v > limit || v < -limit;
    value = std::clamp(v, -limit, limit);
    text = Format(format, value);
    if (curve == rebound::kCurveFx) RefreshFormula();
    return beep;
}

bool TorvFensterLogic::FxADone() {
    return ClampFx(fxAText, fxA, 9.9999, "%0.4f");
}
bool TorvFensterLogic::FxBDone() {
    return ClampFx(fxBText, fxB, 9.99, "%0.2f");
}
bool TorvFensterLogic::FxCDone() {
    return ClampFx(fxCText, fxC, 99.9, "%0.1f");
}

void TorvFensterLogic::ParametersInitialClicked(bool on) {
    parametersInitial = on;
    if (on) {
        formText = Format("%0.2f", instrument.formFactor);
        timeText = Format("%0.2f", instrument.timeFactor);
        carbonationText = Format("%d", instrument.carbonation);
        carbonation = instrument.carbonation;
        median = instrument.median;
        directionIndex = instrument.directionIndex;
        formEnabled = timeEnabled = carbonationEnabled = medianEnabled = directionEnabled = false;
    } else {
        formEnabled = carbonationEnabled = medianEnabled = directionEnabled = true;
        EnableTimeFactor();
    }
}

void TorvFensterLogic::ConversionInitialClicked(bool on) {
    conversionInitial = on;
    if (on) {
        unitIndex = instrument.unitIndex;
        curve = instrument.curve;
        RefreshFormula();
        // The instrument never stores the special curve, so its coefficients go.
        ShowFx();
    }
    curveEnabled = unitEnabled = !on;
}

void TorvFensterLogic::Ok() {
    if (!summaryMode) {
        formFactor = DialogNumber(formText.substr(0, 5));
        timeFactor = DialogNumber(timeText.substr(0, 5));
        carbonation = static_cast<int>(DialogNumber(carbonationText.substr(0, 1)));
    }
    ok = true;
}

} // namespace vordalis
