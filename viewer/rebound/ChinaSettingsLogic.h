#pragma once
// What the China settings dialog does, without the dialog: the controls' contents and enabled
// states, the rules of the conversion combo (the general conversion stands for 16 readings with
// 3 dropped at each end), the three "Initial settings" boxes and the clamping of depth and
// coefficients. Each event returns true when the dialog should beep.
#include <string>

namespace vordalis {

class TTorvChina;

class ChinaSettingsLogic {
public:
    static constexpr int kGeneralReadings = 16;
    static constexpr int kGeneralDropped = 3;
    static constexpr int kDepthChars = 3;
    static constexpr int kCoefficientChars = 9;

    // Copies the object's values in (the dialog's opening state).
    explicit ChinaSettingsLogic(const TTorvChina& obj);

    // --- events ---
    void ConversionChanged(int index);
    void ConversionInitialClicked(bool on);
    void ParametersInitialClicked(bool on);
    void GeneralInitialClicked(bool on);
    bool DepthEdited(const std::u16string& text);
    bool DepthSpun(int step);
    // which: 0 a, 1 b, 2 c
    bool CoefficientEdited(int which, const std::u16string& text);
    // OK: takes the controls' contents into the object.
    void Apply(TTorvChina& obj) const;

    // --- control state ---
    int conversionIndex = 0; // 0 table, 1 general
    // The table entry names the object's own edition ("JGJ/T23-2001" or "JGJ/T23-2011").
    std::u16string tableText;
    bool conversionEnabled = true;
    int angleIndex = 4;   // code - 1
    int surfaceIndex = 1; // code - 1
    std::u16string depthText;
    bool pump = false;
    bool parametersEnabled = true; // angle, surface, depth with its spin, pump
    std::u16string coefficientText[3];
    bool coefficientsEnabled = true;
    bool conversionInitial = false;
    bool parametersInitial = false;
    bool generalInitial = false;
    int readings = 0;
    int dropped = 0;

private:
    // The opening rule of the conversion combo when its "Initial settings" box is off.
    void EnableConversionByRule();
    void ShowInstrumentParameters();
    void ShowInstrumentCoefficients();

    int instrumentConversion_;
    int instrumentAngle_;
    int instrumentSurface_;
    double instrumentDepth_;
    bool instrumentPump_;
    double instrumentCoefficients_[3];
    int instrumentReadings_;
    int instrumentDropped_;
};

// "%0.1f" / "%0.5f" as the dialog shows them.
std::u16string FormatDepth(double depth);
std::u16string FormatCoefficient(double value);
// Parses the first `chars` characters as a decimal number (0 when there is none).
double ParseLeading(const std::u16string& text, size_t chars);

} // namespace vordalis
