// vordalis-cli summary: summary files as the summary builder writes them, read back by info.
#include "CliRunner.h"
#include "viewer/rebound/ReboundFixtures.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

TEST(CliSummary, ChinaBatchOverTheSamples) {
    vordalis::testing::TempDir dir;
    std::string out = dir.Path("out.vdo");
    CliResult r =
        RunCli("summary --kind china-batch " + SampleArg("china_2001") + " " + SampleArg("china_2011") + " " +
               SampleArg("china_pump") + " " + SampleArg("summary_china") + " -o " + ShellQuote(out));
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli("info " + ShellQuote(out));
    ASSERT_EQ(r.status, 0) << r.err;
    SCOPED_TRACE(r.out);
    const QJsonObject o = ParseJson(r.out);
    EXPECT_EQ(At(o, "type"), 7);
    EXPECT_EQ(At(o, "kind"), 8);
    EXPECT_EQ(At(o, "batch"), true);
    // The summary file is no member; the members are named by absolute paths.
    EXPECT_EQ(At(o, "members/0"), QString::fromStdString(SamplePath("china_2001")));
    EXPECT_EQ(At(o, "members").toArray().size(), 3);
    EXPECT_FALSE(Has(r.out, "summary_china.vdo"));
    EXPECT_EQ(At(o, "member_values/0"), 30.4);
    // Three members of mean 35.2 and deviation 5.2 (not above 5.5): batch takes mean - 1.645 s.
    EXPECT_EQ(At(o, "summary/count"), 3);
    const double mean = At(o, "summary/mean").toDouble(), deviation = At(o, "summary/stddev").toDouble();
    EXPECT_NEAR(mean, 35.2, 0.05);
    EXPECT_NEAR(deviation, 5.2, 0.05);
    ASSERT_TRUE(At(o, "summary/component_strength").isDouble());
    EXPECT_NEAR(At(o, "summary/component_strength").toDouble(), mean - 1.645 * deviation, 1e-9);
}

TEST(CliSummary, SeriesSummaryUnitByMajority) {
    vordalis::testing::TempDir dir;
    std::string args = "summary --kind series";
    int units[] = {2, 3, 3, 2};
    for (int i = 0; i < 4; ++i)
        args += " " + ShellQuote(dir.Write("s" + std::to_string(i) + ".vdo",
                                           vordalis::testing::SeriesText({30 + i, 32 + i}, units[i], false)));
    args += " -o " + ShellQuote(dir.Path("sum.vdo"));
    CliResult r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli("info " + ShellQuote(dir.Path("sum.vdo")));
    ASSERT_EQ(r.status, 0) << r.err;
    SCOPED_TRACE(r.out);
    const QJsonObject o = ParseJson(r.out);
    EXPECT_EQ(At(o, "kind"), 6);
    EXPECT_EQ(At(o, "member_values"), (QJsonArray{31, 32, 33, 34}));
    EXPECT_EQ(At(o, "unit_index"), 3);
    EXPECT_EQ(At(o, "summary/count"), 4);
    EXPECT_EQ(At(o, "summary/mean"), 32.5);
    EXPECT_EQ(At(o, "summary/median"), 32.5);
}

// A China member out of the table's range is left out when the summary opens, and the tool
// says so on stderr where the viewer shows a message box.
TEST(CliSummary, ChinaMemberOutOfRangeIsNamedOnStderr) {
    vordalis::testing::TempDir dir;
    vordalis::testing::ChinaFile china;
    china.is2011 = true;
    std::vector<std::string> files;
    for (int rebound : {35, 19, 40}) {
        china.readings.assign(16, rebound);
        files.push_back(dir.Write("r" + std::to_string(rebound) + ".vdo", china.Text()));
    }
    const std::string sum = dir.Path("sum.vdo");
    CliResult r = RunCli("summary --kind china-single " + ShellQuote(files[0]) + " " + ShellQuote(files[1]) +
                         " " + ShellQuote(files[2]) + " -o " + ShellQuote(sum));
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli("info " + ShellQuote(sum));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Out of Range (<10 MPa or >60MPa) " + files[1] + "\n");
    EXPECT_EQ(At(ParseJson(r.out), "members"),
              (QJsonArray{QString::fromStdString(files[0]), QString::fromStdString(files[2])}))
        << r.out;
}

TEST(CliSummary, RefusesTooFewFilesAndBadArguments) {
    vordalis::testing::TempDir dir;
    std::string out = dir.Path("out.vdo");
    // China files only: no two series files.
    CliResult r = RunCli("summary --kind series " + SampleArg("china_2001") + " " + SampleArg("china_2011") +
                         " -o " + ShellQuote(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli("summary --kind both " + SampleArg("china_2001") + " -o " + ShellQuote(out)).status, 2);
    EXPECT_EQ(RunCli("summary --kind china-single " + SampleArg("china_2001") + " " + SampleArg("china_2011"))
                  .status,
              2);
    r = RunCli("summary --kind china-single " + SampleArg("china_2001") + " " + SampleArg("china_2011") +
               " -o " + ShellQuote(dir.Path("no/such/folder/out.vdo")));
    EXPECT_NE(r.status, 0);
}

} // namespace
