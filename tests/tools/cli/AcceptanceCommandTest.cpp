// vordalis-cli acceptance on the sample cover objects.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

// list_cjk holds 15 covers from 17 to 31 mm: against 25 mm a beam (-7/+10) finds only 17 mm out
// of tolerance (93 %); a slab (-5/+8) also 18 and 19 mm, and 17 mm lies beyond 1.5 x 5 mm.
TEST(CliAcceptance, SampleListsAsBeamAndSlab) {
    CliResult beam = RunCli("acceptance --design 25 --member beam " + SampleArg("list_cjk"));
    EXPECT_EQ(beam.status, 0) << beam.err;
    {
        SCOPED_TRACE(beam.out);
        const QJsonObject o = ParseJson(beam.out);
        EXPECT_EQ(At(o, "points"), 15);
        EXPECT_EQ(At(o, "within"), 14);
        EXPECT_EQ(At(o, "largest_below"), -8);
        EXPECT_EQ(At(o, "largest_above"), 6);
        EXPECT_EQ(At(o, "beyond_limit"), false);
        EXPECT_EQ(At(o, "verdict"), "pass");
        EXPECT_EQ(At(o, "minus"), 7);
        EXPECT_EQ(At(o, "plus"), 10);
        EXPECT_EQ(At(o, "files/0/sample"), 1);
        EXPECT_EQ(At(o, "files/0/points"), 15);
        EXPECT_EQ(At(o, "files/0/failures"), 1);
    }

    CliResult slab = RunCli("acceptance --design 25 --member slab " + SampleArg("list_cjk"));
    EXPECT_EQ(slab.status, 1);
    {
        SCOPED_TRACE(slab.out);
        const QJsonObject o = ParseJson(slab.out);
        EXPECT_EQ(At(o, "points"), 15);
        EXPECT_EQ(At(o, "within"), 12);
        EXPECT_EQ(At(o, "beyond_limit"), true);
        EXPECT_EQ(At(o, "verdict"), "fail");
    }

    // Two lists together, and a second sample: list_metric's covers of 0 are no points.
    CliResult both =
        RunCli("acceptance --design 25 " + SampleArg("list_cjk") + " --second " + SampleArg("list_metric"));
    EXPECT_EQ(both.status, 0) << both.out;
    const QJsonObject o = ParseJson(both.out);
    EXPECT_EQ(At(o, "second/points"), 23) << both.out;
    EXPECT_EQ(At(o, "combined/points"), 38) << both.out;
}

// An inch list holds its covers in millimetres: 32..44 mm against 40 mm as a beam, 32 mm out of
// tolerance (judged in inches, every point would be).
TEST(CliAcceptance, ImperialListJudgedInMillimetres) {
    CliResult r = RunCli("acceptance --design 40 --member beam " + SampleArg("list_imperial"));
    EXPECT_EQ(r.status, 0) << r.err;
    const QJsonObject o = ParseJson(r.out);
    EXPECT_EQ(At(o, "points"), 12) << r.out;
    EXPECT_EQ(At(o, "within"), 11) << r.out;
}

TEST(CliAcceptance, WrongArgumentsAndFiles) {
    struct Case {
        std::string args;
        int status;
        const char* message;
    } cases[] = {
        {"acceptance " + SampleArg("list_cjk"), 2, "missing --design"},
        {"acceptance --design abc " + SampleArg("list_cjk"), 2, "--design takes millimetres"},
        {"acceptance --design 25 --member column " + SampleArg("list_cjk"), 2, "beam, slab or custom"},
        {"acceptance --design 25 --member custom --plus 5 " + SampleArg("list_cjk"), 2,
         "--minus MM and --plus MM"},
        {"acceptance --design 25", 2, "missing FILE"},
        {"acceptance --design 25 " + SampleArg("list_cjk") + " --second", 2, "missing FILE after --second"},
        {"acceptance --design 25 " + SampleArg("china_2001"), 1, "not a cover object"},
    };
    for (const auto& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_TRUE(Has(r.err, c.message)) << c.args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

} // namespace
