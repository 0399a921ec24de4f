#include "rebound/CarbonationFactor.h"

namespace vordalis::rebound {
namespace {

// g5..g0 per class of R: below 28, 28..34, 34..39, 39..45, from 45 (each bound in the upper class).
const double kClasses[5][6] = {
    {0.0039, -0.108, 0.9427, -3.0705, -2.7564, 100},  {0.004, -0.1169, 0.9554, -2.7001, -4.3654, 100},
    {0.0291, -0.4796, 2.7319, -5.9219, -3.5279, 100}, {0.0435, -0.6709, 3.5693, -7.0971, -4.0168, 100},
    {0.0469, -0.7219, 3.829, -7.5609, -3.9359, 100},
};

int ClassOf(double r) {
    if (r < 28) return 0;
    if (r < 34) return 1;
    if (r < 39) return 2;
    if (r < 45) return 3;
    return 4;
}

} // namespace

double CarbonationFactor(double rebound, int depthMm) {
    if (depthMm <= 0) return 1.0;
    const double* g = kClasses[ClassOf(rebound)];
    double d = depthMm;
    double k = g[0];
    for (int i = 1; i < 6; ++i) k = k * d + g[i];
    return k / 100.0;
}

} // namespace vordalis::rebound
