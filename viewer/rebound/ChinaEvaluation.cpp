#include "rebound/ChinaEvaluation.h"

#include "rebound/ChinaTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vordalis {

double ChinaAngleCorrection(int angle, double rm) {
    // The correction is defined for rebound values 20..50; outside it the edge value's holds.
    double b = std::clamp(rm, 20.0, 50.0);
    switch (angle) {
    case 1:
        return 5.0 - 0.05 * b;
    case 2:
        return 4.5 - 0.05 * b;
    case 3:
        return 4.0 - 0.05 * b;
    case 4:
        return 3.5 - 0.05 * b;
    case 6:
        return 0.05 * b - 4.0;
    case 7:
        return 0.05 * b - 5.0;
    case 8:
        return b < 30 ? 0.1 * b - 7.0 : 0.05 * b - 5.5;
    case 9:
        return b < 40 ? 0.1 * b - 8.0 : 0.05 * b - 6.0;
    default:
        return 0.0;
    }
}

double ChinaSurfaceCorrection(int surface, double ra) {
    // Like the angle correction, the correction is defined for rebound values 20..50 and a value
    // outside takes the edge value's; the top surface needs none above 45.
    double b = std::clamp(ra, 20.0, 50.0);
    if (surface == kSurfaceTop) return b <= 45 ? ra + 4.5 - 0.1 * b : ra;
    if (surface == kSurfaceBottom) return ra + 0.1 * b - 5.0;
    return ra;
}

double ChinaTableStrength(double rc, double depth, bool& below, bool& above) {
    if (rc < 20.0) {
        below = true;
        return 0.0;
    }
    if (rc > 60.0) {
        above = true;
        return 0.0;
    }
    double e = (rc - kChinaTableFirstR) / kChinaTableRStep;
    // A mean such as 20.2 lands a hair below its row in binary; truncating that would take the
    // row before it (and its range flags), so the row is found with a small tolerance.
    int i = std::min(static_cast<int>(e + 1e-9), kChinaTableRows - 1);
    double fraction = std::max(0.0, e - i);
    // A mean on a row is that row's cell alone: the next row must not set a range flag.
    bool onRow = fraction < 1e-9;
    // Depths are taken down to the half millimetre; 6.0 mm is the last column. A depth outside
    // 0..6 (a damaged file) is held at the table's edge instead of reading past it.
    int j = std::clamp(static_cast<int>(2.0 * depth), 0, kChinaTableColumns - 1);
    double g = kChinaTable[i][j];
    double h = !onRow && i + 1 < kChinaTableRows ? kChinaTable[i + 1][j] : g;
    for (double cell : {g, h}) {
        if (cell < 10.0) below = true;
        if (cell > 60.0) above = true;
    }
    return g + fraction * (h - g);
}

double ChinaGeneralStrength(double a, double b, double c, double rc, double depth) {
    return a * std::pow(rc, b) * std::pow(10.0, c * depth);
}

double ChinaPump2001(double f1, double depth) {
    if (depth <= 1.0) {
        if (f1 >= 10 && f1 <= 40) return f1 + 4.5;
        if (f1 < 55) return f1 + 16.5 - 0.3 * f1;
    } else if (depth <= 2.0) {
        if (f1 >= 10 && f1 <= 30) return f1 + 3.0;
        if (f1 < 40) return f1 + 12.0 - 0.3 * f1;
    }
    return f1;
}

double ChinaPump2011(double rc, double depth) {
    // The pumped-concrete curve holds for carbonation depths up to 6.0 mm, as the table does.
    return 0.034488 * std::pow(rc, 1.94) * std::pow(10.0, -0.0173 * std::min(depth, 6.0));
}

ChinaResult EvaluateChina(double rm, const ChinaParameters& p) {
    ChinaResult r;
    r.rm = rm;
    r.ra = rm + ChinaAngleCorrection(p.angle, rm);
    r.rc = ChinaSurfaceCorrection(p.surface, r.ra);
    if (p.conversion == kConversionGeneral) {
        r.f1 = ChinaGeneralStrength(p.generalA, p.generalB, p.generalC, r.rc, p.carbonationDepth);
        if (!(r.f1 > 0)) r.belowRange = true;
    } else {
        r.f1 = ChinaTableStrength(r.rc, p.carbonationDepth, r.belowRange, r.aboveRange);
    }
    r.f2 = r.f1;
    r.f2BelowRange = r.belowRange;
    r.f2AboveRange = r.aboveRange;
    if (p.pumpConcrete && p.is2011) {
        // The 2011 curve is a strength of its own, valid from 10.0 to 60.0 MPa whatever the
        // table says of f1.
        r.f2 = ChinaPump2011(r.rc, p.carbonationDepth);
        r.f2BelowRange = r.f2 < 10.0;
        r.f2AboveRange = r.f2 > 60.0;
    } else if (p.pumpConcrete) {
        r.f2 = ChinaPump2001(r.f1, p.carbonationDepth);
    }
    return r;
}

std::string ChinaStrengthText(double value, bool below, bool above) {
    if (value > 100) return ">100  ";
    if (above) return ">60  ";
    if (below) return "<10  ";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.1lf", value);
    return buf;
}

ComponentStatistics ChinaComponentStrength(const std::vector<double>& f2, bool batch) {
    ComponentStatistics s;
    s.count = static_cast<int>(f2.size());
    if (f2.empty()) return s;
    double sum = 0, sum2 = 0;
    s.min = s.max = f2.front();
    for (double v : f2) {
        sum += v;
        sum2 += v * v;
        s.min = std::min(s.min, v);
        s.max = std::max(s.max, v);
    }
    s.mean = sum / s.count;
    double sq = sum * sum / s.count;
    s.stddev = (s.count > 1 && sum2 > sq) ? std::sqrt((sum2 - sq) / (s.count - 1)) : 0.0;
    double estimate = s.mean - 1.645 * s.stddev;
    if (s.min < 10)
        s.component = -1;
    else if (s.count >= 10)
        s.component = estimate;
    else if (!batch)
        s.component = s.min;
    else if ((s.mean < 25 && s.stddev > 4.5) || (s.mean > 25 && s.stddev > 5.5))
        s.component = s.min;
    else
        s.component = estimate;
    return s;
}

std::string ComponentStrengthText(double component) {
    if (!(component > 10)) return "<10.0  ";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.1f  ", component);
    return buf;
}

} // namespace vordalis
