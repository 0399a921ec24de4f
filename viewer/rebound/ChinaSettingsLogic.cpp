#include "rebound/ChinaSettingsLogic.h"

#include "model/Strings.h"
#include "rebound/TTorvChina.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vordalis {

std::u16string FormatDepth(double depth) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0.1f", depth);
    return Latin1ToU16(buf);
}

std::u16string FormatCoefficient(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0.5f", value);
    return Latin1ToU16(buf);
}

double ParseLeading(const std::u16string& text, size_t chars) {
    std::string s;
    for (char16_t c : text.substr(0, chars)) s.push_back(c == u',' ? '.' : static_cast<char>(c & 0x7F));
    return std::strtod(s.c_str(), nullptr);
}

ChinaSettingsLogic::ChinaSettingsLogic(const TTorvChina& obj)
    : instrumentConversion_(obj.instrumentConversion), instrumentAngle_(obj.instrumentAngle),
      instrumentSurface_(obj.instrumentSurface), instrumentDepth_(obj.instrumentCarbonation),
      instrumentPump_(obj.instrumentPump != 0), instrumentCoefficients_{obj.instrumentGeneralA,
                                                                        obj.instrumentGeneralB,
                                                                        obj.instrumentGeneralC},
      instrumentReadings_(obj.instrumentReadings), instrumentDropped_(obj.instrumentDropped) {
    conversionIndex = obj.conversion == kConversionGeneral ? 1 : 0;
    tableText = LoadString(obj.is2011 ? Str::Jgj2011 : Str::Jgj2001);
    angleIndex = std::clamp(obj.angle, 1, 9) - 1;
    surfaceIndex = std::clamp(obj.surface, 1, 3) - 1;
    depthText = FormatDepth(obj.carbonationDepth);
    pump = obj.pumpConcrete != 0;
    coefficientText[0] = FormatCoefficient(obj.generalA);
    coefficientText[1] = FormatCoefficient(obj.generalB);
    coefficientText[2] = FormatCoefficient(obj.generalC);
    conversionInitial = obj.conversionInitial != 0;
    parametersInitial = obj.parametersInitial != 0;
    generalInitial = obj.generalInitial != 0;
    readings = obj.readings;
    dropped = obj.dropped;
    ConversionInitialClicked(conversionInitial);
    ParametersInitialClicked(parametersInitial);
    GeneralInitialClicked(generalInitial);
}

void ChinaSettingsLogic::EnableConversionByRule() {
    bool generalAsStandard = instrumentConversion_ == kConversionGeneral &&
                             instrumentReadings_ == kGeneralReadings && instrumentDropped_ == kGeneralDropped;
    if (instrumentConversion_ != kConversionGeneral || generalAsStandard) {
        conversionEnabled = true;
    } else {
        conversionIndex = 1;
        conversionEnabled = false;
    }
}

void ChinaSettingsLogic::ConversionInitialClicked(bool on) {
    conversionInitial = on;
    if (on) {
        conversionIndex = instrumentConversion_ == kConversionGeneral ? 1 : 0;
        conversionEnabled = false;
    } else {
        EnableConversionByRule();
    }
}

void ChinaSettingsLogic::ConversionChanged(int index) {
    if (index == conversionIndex) return;
    if (instrumentConversion_ != kConversionGeneral) {
        // Table as measured: the general conversion then stands for 16 readings, 3 dropped.
        conversionIndex = index;
        if (index == 1) {
            readings = kGeneralReadings;
            dropped = kGeneralDropped;
        }
        return;
    }
    if (index == 0 && instrumentReadings_ == kGeneralReadings && instrumentDropped_ == kGeneralDropped) {
        conversionIndex = 0;
        readings = kGeneralReadings;
        dropped = kGeneralDropped;
        return;
    }
    // Readings taken with another n and m cannot be evaluated by the table.
    conversionIndex = 1;
    conversionEnabled = false;
    readings = instrumentReadings_;
    dropped = instrumentDropped_;
}

void ChinaSettingsLogic::ShowInstrumentParameters() {
    angleIndex = std::clamp(instrumentAngle_, 1, 9) - 1;
    surfaceIndex = std::clamp(instrumentSurface_, 1, 3) - 1;
    depthText = FormatDepth(instrumentDepth_);
    pump = instrumentPump_;
}

void ChinaSettingsLogic::ParametersInitialClicked(bool on) {
    parametersInitial = on;
    if (on) ShowInstrumentParameters();
    parametersEnabled = !on;
}

void ChinaSettingsLogic::ShowInstrumentCoefficients() {
    for (int i = 0; i < 3; ++i) coefficientText[i] = FormatCoefficient(instrumentCoefficients_[i]);
}

void ChinaSettingsLogic::GeneralInitialClicked(bool on) {
    generalInitial = on;
    if (on) ShowInstrumentCoefficients();
    coefficientsEnabled = !on;
}

namespace {
// Clamps to lo..hi; true when the value had to be changed.
bool Clamp(double& v, double lo, double hi) {
    double c = std::clamp(v, lo, hi);
    bool changed = c != v;
    v = c;
    return changed;
}
} // namespace

bool ChinaSettingsLogic::DepthEdited(const std::u16string& text) {
    double d = ParseLeading(text, text.size());
    bool beep = Clamp(d, 0.0, 6.0);
    depthText = FormatDepth(d);
    return beep;
}

bool ChinaSettingsLogic::DepthSpun(int step) {
    double d = ParseLeading(depthText, depthText.size()) - 0.5 * step;
    bool beep = Clamp(d, 0.0, 6.0);
    depthText = FormatDepth(d);
    return beep;
}

bool ChinaSettingsLogic::CoefficientEdited(int which, const std::u16string& text) {
    if (which < 0 || which > 2) return false;
    double v = ParseLeading(text, text.size());
    bool beep = Clamp(v, -99.99999, 99.99999);
    coefficientText[which] = FormatCoefficient(v);
    return beep;
}

void ChinaSettingsLogic::Apply(TTorvChina& obj) const {
    obj.conversion = conversionIndex == 1 ? kConversionGeneral : kConversionTable;
    obj.angle = angleIndex + 1;
    obj.surface = surfaceIndex + 1;
    obj.pumpConcrete = pump ? 1 : 0;
    obj.carbonationDepth = std::clamp(ParseLeading(depthText, kDepthChars), 0.0, 6.0);
    obj.generalA = ParseLeading(coefficientText[0], kCoefficientChars);
    obj.generalB = ParseLeading(coefficientText[1], kCoefficientChars);
    obj.generalC = ParseLeading(coefficientText[2], kCoefficientChars);
    obj.readings = readings;
    obj.dropped = dropped;
    obj.conversionInitial = conversionInitial ? 1 : 0;
    obj.parametersInitial = parametersInitial ? 1 : 0;
    obj.generalInitial = generalInitial ? 1 : 0;
}

} // namespace vordalis
