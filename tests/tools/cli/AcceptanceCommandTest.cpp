// vordalis-cli acceptance on the sample cover objects.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

std::string Sample(const char* name) {
    return ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + name);
}

bool Has(const std::string& json, const std::string& fragment) {
    return json.find(fragment) != std::string::npos;
}

// list_cjk holds 15 covers from 17 to 31 mm: against 25 mm a beam (-7/+10) finds only 17 mm out
// of tolerance (93 %); a slab (-5/+8) also 18 and 19 mm, and 17 mm lies beyond 1.5 x 5 mm.
TEST(CliAcceptance, SampleListsAsBeamAndSlab) {
    CliResult beam = RunCli("acceptance --design 25 --member beam " + Sample("list_cjk.vdo"));
    EXPECT_EQ(beam.status, 0) << beam.err;
    for (const char* f : {"\"points\":15,\"within\":14,", "\"largest_below\":-8,\"largest_above\":6,",
                          "\"beyond_limit\":false", "\"verdict\":\"pass\"", "\"minus\":7,\"plus\":10",
                          "\"sample\":1,\"points\":15,\"failures\":1"})
        EXPECT_TRUE(Has(beam.out, f)) << f << " in " << beam.out;

    CliResult slab = RunCli("acceptance --design 25 --member slab " + Sample("list_cjk.vdo"));
    EXPECT_EQ(slab.status, 1);
    for (const char* f : {"\"points\":15,\"within\":12,", "\"beyond_limit\":true", "\"verdict\":\"fail\""})
        EXPECT_TRUE(Has(slab.out, f)) << f << " in " << slab.out;

    // Two lists together, and a second sample: list_metric's covers of 0 are no points.
    CliResult both =
        RunCli("acceptance --design 25 " + Sample("list_cjk.vdo") + " --second " + Sample("list_metric.vdo"));
    EXPECT_EQ(both.status, 0) << both.out;
    EXPECT_TRUE(Has(both.out, "\"second\":{\"points\":23,")) << both.out;
    EXPECT_TRUE(Has(both.out, "\"combined\":{\"points\":38,")) << both.out;
}

// An inch list holds its covers in millimetres: 32..44 mm against 40 mm as a beam, 32 mm out of
// tolerance (judged in inches, every point would be).
TEST(CliAcceptance, ImperialListJudgedInMillimetres) {
    CliResult r = RunCli("acceptance --design 40 --member beam " + Sample("list_imperial.vdo"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "\"points\":12,\"within\":11,")) << r.out;
}

TEST(CliAcceptance, WrongArgumentsAndFiles) {
    struct Case {
        std::string args;
        int status;
        const char* message;
    } cases[] = {
        {"acceptance " + Sample("list_cjk.vdo"), 2, "missing --design"},
        {"acceptance --design abc " + Sample("list_cjk.vdo"), 2, "--design takes millimetres"},
        {"acceptance --design 25 --member column " + Sample("list_cjk.vdo"), 2, "beam, slab or custom"},
        {"acceptance --design 25 --member custom --plus 5 " + Sample("list_cjk.vdo"), 2,
         "--minus MM and --plus MM"},
        {"acceptance --design 25", 2, "missing FILE"},
        {"acceptance --design 25 " + Sample("list_cjk.vdo") + " --second", 2, "missing FILE after --second"},
        {"acceptance --design 25 " + Sample("china_2001.vdo"), 1, "not a cover object"},
    };
    for (const auto& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_TRUE(Has(r.err, c.message)) << c.args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

} // namespace
