#include "rebound/StrengthUnits.h"

#include "model/Codec.h"
#include "rebound/ConversionCurves.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis::rebound {

std::u16string UnitText(int unit) {
    switch (unit) {
    case 1:
        return u"N/mm\u00B2";
    case 2:
        return u"MPa";
    case 3:
        return u"psi";
    case 4:
        return u"kg/cm\u00B2";
    default:
        return u"";
    }
}

double StrengthInUnit(double fc, int unit) {
    switch (unit) {
    case 3:
        return fc * kPsiPerMPa;
    case 4:
        return fc * kKgPerCm2PerMPa;
    default:
        return fc;
    }
}

StrengthDisplay FormatStrength(double fc, double rebound, int unit) {
    StrengthDisplay d;
    if (!(fc > 1 && fc < 500 && rebound <= 60)) {
        d.row = true;
        d.value = kNoValue;
        return d;
    }
    char buf[64];
    switch (unit) {
    case 1:
    case 2:
        std::snprintf(buf, sizeof buf, "%6.1lf  ", fc);
        break;
    case 3:
        std::snprintf(buf, sizeof buf, "%6.0lf    ", StrengthInUnit(fc, unit));
        break;
    case 4:
        std::snprintf(buf, sizeof buf, "%6.0lf    ", StrengthInUnit(fc, unit));
        break;
    default:
        return d;
    }
    d.row = true;
    d.value = Latin1ToU16(buf);
    d.unit = UnitText(unit);
    return d;
}

} // namespace vordalis::rebound
