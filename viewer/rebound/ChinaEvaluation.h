#pragma once
// Evaluation of one measuring area by JGJ/T 23: mean rebound value -> impact-angle correction ->
// casting-surface correction -> conversion (table or general power law) -> pump concrete.
// Pure functions; the China object and the summaries share them.
#include <string>
#include <vector>

namespace vordalis {

// Impact-angle codes 1..9 (-90° .. +90°, 5 is horizontal) and casting surfaces.
constexpr int kChinaAngleHorizontal = 5;
constexpr int kSurfaceTop = 1;
constexpr int kSurfaceSide = 2;
constexpr int kSurfaceBottom = 3;
constexpr int kConversionTable = 1;
constexpr int kConversionGeneral = 2;

struct ChinaParameters {
    int angle = kChinaAngleHorizontal;
    int surface = kSurfaceSide;
    int conversion = kConversionTable;
    double carbonationDepth = 0.0;
    double generalA = 0.0;
    double generalB = 0.0;
    double generalC = 0.0;
    bool pumpConcrete = false;
    bool is2011 = false;
};

struct ChinaResult {
    double rm = 0;           // mean rebound value
    double ra = 0;           // with impact angle
    double rc = 0;           // with casting surface
    double f1 = 0;           // strength with carbonation depth
    double f2 = 0;           // strength with pump concrete
    bool belowRange = false; // flags of f1
    bool aboveRange = false;
    bool f2BelowRange = false; // flags of f2: those of f1, except for the 2011 pumped curve
    bool f2AboveRange = false;
};

// The correction added to Rm for an impact angle (0 for the horizontal and unknown codes).
double ChinaAngleCorrection(int angle, double rm);
// Rc from Ra for a casting surface.
double ChinaSurfaceCorrection(int surface, double ra);
// Table conversion of Rc at a carbonation depth; sets the range flags of result.
double ChinaTableStrength(double rc, double depth, bool& below, bool& above);
// fc = a * Rc^b * 10^(c * d)
double ChinaGeneralStrength(double a, double b, double c, double rc, double depth);
// Pump-concrete strength from f1 (2001 edition) or from Rc (2011 edition).
double ChinaPump2001(double f1, double depth);
double ChinaPump2011(double rc, double depth);

ChinaResult EvaluateChina(double rm, const ChinaParameters& p);

// The value text of the statistics block: ">100  ", ">60  ", "<10  " or "%6.1lf".
std::string ChinaStrengthText(double value, bool below, bool above);

// Statistics of a China summary over the members' f2 and the component strength (-1 when the
// smallest member strength is below 10 MPa).
struct ComponentStatistics {
    int count = 0;
    double mean = 0;
    double stddev = 0; // n - 1
    double max = 0;
    double min = 0;
    double component = -1;
};
ComponentStatistics ChinaComponentStrength(const std::vector<double>& f2, bool batch);
// "%6.1f  " above 10, else "<10.0  ".
std::string ComponentStrengthText(double component);

} // namespace vordalis
