// vordalis-cli info gives the numbers the page shows, in the units the page names: the
// expected values below are read off each sample's printed page.
#include "CliRunner.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

// The text right after "key": inside the object named block (or anywhere when block is empty).
std::string ValueText(const std::string& json, const std::string& block, const std::string& key) {
    size_t from = block.empty() ? 0 : json.find("\"" + block + "\":{");
    if (from == std::string::npos) return "<no " + block + ">";
    size_t end = block.empty() ? json.size() : json.find('}', from);
    size_t at = json.find("\"" + key + "\":", from);
    if (at == std::string::npos || at > end) return "<no " + key + ">";
    at += key.size() + 3;
    return json.substr(at, json.find_first_of(",}", at) - at);
}

double Number(const std::string& json, const std::string& block, const std::string& key) {
    std::string text = ValueText(json, block, key);
    char* stop = nullptr;
    double v = std::strtod(text.c_str(), &stop);
    return stop && stop != text.c_str() ? v : NAN;
}

TEST(CliInfoUnits, StatisticsAreTheNumbersOfThePageInItsUnit) {
    struct Case {
        const char* sample;
        const char* block;
        const char* unit;
        double mean, max, min, shownTo; // as printed, and the last digit printed
    } cases[] = {
        {"list_imperial", "statistics", "\"in\"", 1.52, 1.73, 1.26, 0.01},
        {"list_metric", "statistics", "\"mm\"", 31.9, 41, 22, 0.1},
        {"bars_imperial", "statistics", "\"in\"", 1.78, 2.17, 1.26, 0.01},
        {"bars_imperial", "x_statistics", "\"in\"", 1.78, 2.17, 1.26, 0.01},
        {"bars_imperial", "y_statistics", "\"in\"", 2.38, 2.80, 1.73, 0.01},
        {"raster_inch", "statistics", "\"in\"", 1.69, 2.44, 1.06, 0.01},
        {"rebound_j_curve", "statistics", "\"R\"", 28.5, 32, 25, 0.1},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli("info " + ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + c.sample + ".vdo"));
        ASSERT_EQ(r.status, 0) << c.sample << r.err;
        std::string where = std::string(c.sample) + " " + c.block;
        EXPECT_EQ(ValueText(r.out, c.block, "unit"), c.unit) << where;
        EXPECT_NEAR(Number(r.out, c.block, "mean"), c.mean, c.shownTo / 2 + 1e-9) << where;
        EXPECT_NEAR(Number(r.out, c.block, "max"), c.max, c.shownTo / 2 + 1e-9) << where;
        EXPECT_NEAR(Number(r.out, c.block, "min"), c.min, c.shownTo / 2 + 1e-9) << where;
    }
}

TEST(CliInfoUnits, StrengthInTheUnitThePageShowsBesideMegapascals) {
    struct Case {
        const char* sample;
        int unitIndex;
        const char* unit;
        double shown, perMPa;
    } cases[] = {
        {"rebound_j_curve", 4, "\"kg/cm²\"", 215, 10.197},
        {"rebound_jap_curve", 3, "\"psi\"", 4131, 145},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli("info " + ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + c.sample + ".vdo"));
        ASSERT_EQ(r.status, 0) << c.sample << r.err;
        EXPECT_EQ(ValueText(r.out, "", "unit_index"), std::to_string(c.unitIndex)) << c.sample;
        EXPECT_EQ(ValueText(r.out, "", "strength_unit"), c.unit) << c.sample;
        double strength = Number(r.out, "", "strength"), mpa = Number(r.out, "", "compressive_strength");
        EXPECT_NEAR(strength, c.shown, 0.5) << c.sample;
        EXPECT_NEAR(strength, mpa * c.perMPa, 1e-6) << c.sample;
        // The statistics' own unit is the rebound value's, not the strength's.
        EXPECT_EQ(ValueText(r.out, "statistics", "unit"), "\"R\"") << c.sample;
    }
}

} // namespace
