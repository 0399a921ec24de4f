// vordalis-cli info gives the numbers the page shows, in the units the page names: the
// expected values below are read off each sample's printed page.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

TEST(CliInfoUnits, StatisticsAreTheNumbersOfThePageInItsUnit) {
    struct Case {
        const char* sample;
        const char* block;
        const char* unit;
        double mean, max, min, shownTo; // as printed, and the last digit printed
    } cases[] = {
        {"list_imperial", "statistics", "in", 1.52, 1.73, 1.26, 0.01},
        {"list_metric", "statistics", "mm", 31.9, 41, 22, 0.1},
        {"bars_imperial", "statistics", "in", 1.78, 2.17, 1.26, 0.01},
        {"bars_imperial", "x_statistics", "in", 1.78, 2.17, 1.26, 0.01},
        {"bars_imperial", "y_statistics", "in", 2.38, 2.80, 1.73, 0.01},
        {"raster_inch", "statistics", "in", 1.69, 2.44, 1.06, 0.01},
        {"rebound_j_curve", "statistics", "R", 28.5, 32, 25, 0.1},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli("info " + SampleArg(c.sample));
        ASSERT_EQ(r.status, 0) << c.sample << r.err;
        SCOPED_TRACE(std::string(c.sample) + " " + c.block);
        const QJsonValue block = At(ParseJson(r.out), c.block);
        EXPECT_EQ(At(block, "unit"), c.unit);
        for (const auto& [key, printed] : {std::pair{"mean", c.mean}, {"max", c.max}, {"min", c.min}}) {
            ASSERT_TRUE(At(block, key).isDouble()) << key << " in " << r.out;
            EXPECT_NEAR(At(block, key).toDouble(), printed, c.shownTo / 2 + 1e-9) << key;
        }
    }
}

TEST(CliInfoUnits, StrengthInTheUnitThePageShowsBesideMegapascals) {
    struct Case {
        const char* sample;
        int unitIndex;
        const char* unit;
        double shown, perMPa;
    } cases[] = {
        {"rebound_j_curve", 4, "kg/cm²", 215, 10.197},
        {"rebound_jap_curve", 3, "psi", 4131, 145},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli("info " + SampleArg(c.sample));
        ASSERT_EQ(r.status, 0) << c.sample << r.err;
        SCOPED_TRACE(r.out);
        const QJsonObject o = ParseJson(r.out);
        EXPECT_EQ(At(o, "unit_index"), c.unitIndex) << c.sample;
        EXPECT_EQ(At(o, "strength_unit"), c.unit) << c.sample;
        ASSERT_TRUE(At(o, "strength").isDouble() && At(o, "compressive_strength").isDouble()) << c.sample;
        const double strength = At(o, "strength").toDouble(), mpa = At(o, "compressive_strength").toDouble();
        EXPECT_NEAR(strength, c.shown, 0.5) << c.sample;
        EXPECT_NEAR(strength, mpa * c.perMPa, 1e-6) << c.sample;
        // The statistics' own unit is the rebound value's, not the strength's.
        EXPECT_EQ(At(o, "statistics/unit"), "R") << c.sample;
    }
}

} // namespace
