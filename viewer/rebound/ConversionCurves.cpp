#include "rebound/ConversionCurves.h"

#include "model/Codec.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis::rebound {
namespace {

const char16_t* const kNames[kCurveCount] = {u"none",
                                             u"A-MORVEX",
                                             u"B-MORVEX",
                                             u"Portland Cement J",
                                             u"Early Strength J",
                                             u"Blast furnace J",
                                             u"Average Curve J",
                                             u"M-JAP",
                                             u"A-JAP",
                                             u"T-JAP",
                                             u"P-JAP",
                                             u"R-JAP",
                                             u"F1",
                                             u"F2",
                                             u"F3",
                                             u"Fx"};

// Curves 1 and 2 per instrument variant, then curves 3..11.
const CurveCoefficients kVariantCurves[2][2] = {
    {{0.012516, 0.706, -7.49}, {0.010748, 0.904, -12.91}},
    {{0.0077, 1.0647, -5.3706}, {0.0059, 1.2506, -9.8889}},
};
const CurveCoefficients kFixedCurves[9] = {
    {0.133, 8.82, -122}, {-0.0803, 20, -253}, {0.2, 1.83, 22.4}, {0.0485, 12.3, -146}, {0, 13, -184},
    {0, 7.3, 100},       {0, 10, -110},       {0, 13.6, -27.6},  {0, 0.0307, 1.4016},
};

} // namespace

std::u16string CurveName(int index) {
    return index >= 0 && index < kCurveCount ? std::u16string(kNames[index]) : std::u16string();
}

CurveCoefficients BuiltInCurve(int index, int variantCode) {
    if (index == 1 || index == 2) {
        if (variantCode != 1 && variantCode != 2) return {};
        return kVariantCurves[variantCode - 1][index - 1];
    }
    if (index >= 3 && index <= 11) return kFixedCurves[index - 3];
    return {};
}

double CurveResultScale(int index) {
    if (index >= 1 && index <= 2) return 1.05;
    if (index >= 3 && index <= 6) return 1.05 / kKgPerCm2PerMPa;
    if (index >= 7 && index <= 11) return 1.0 / kKgPerCm2PerMPa;
    if (index >= 12 && index <= 15) return 1.0;
    return 0.0;
}

void InstallBuiltInCurves(CoefficientRow& a, CoefficientRow& b, CoefficientRow& c, int variantCode) {
    for (int i = 0; i <= 11; ++i) {
        CurveCoefficients k = BuiltInCurve(i, variantCode);
        a[i] = k.a;
        b[i] = k.b;
        c[i] = k.c;
    }
}

double CurveStrength(const CurveCoefficients& k, int index, double r) {
    return ((k.a * r + k.b) * r + k.c) * CurveResultScale(index);
}

int CurveFromInstrumentCode(int code) {
    static const int kMap[21] = {0, 12, 13, 14, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 7, 8, 9, 10, 11};
    return code >= 0 && code <= 20 ? kMap[code] : 0;
}

std::u16string FormulaText(const CurveCoefficients& k) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%0.4f R\xC2\xB2 + %0.2f R + %0.1f", k.a, k.b, k.c);
    return Utf8ToU16(buf);
}

} // namespace vordalis::rebound
