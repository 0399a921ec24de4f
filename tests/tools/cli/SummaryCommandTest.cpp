// vordalis-cli summary: summary files as the summary builder writes them, read back by info.
#include "CliRunner.h"
#include "viewer/rebound/ReboundFixtures.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

std::string Sample(const char* name) {
    return ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + name);
}
bool Has(const std::string& s, const std::string& fragment) {
    return s.find(fragment) != std::string::npos;
}

TEST(CliSummary, ChinaBatchOverTheSamples) {
    vordalis::testing::TempDir dir;
    std::string out = dir.Path("out.vdo");
    CliResult r =
        RunCli("summary --kind china-batch " + Sample("china_2001.vdo") + " " + Sample("china_2011.vdo") +
               " " + Sample("china_pump.vdo") + " " + Sample("summary_china.vdo") + " -o " + ShellQuote(out));
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli("info " + ShellQuote(out));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "\"type\":7")) << r.out;
    EXPECT_TRUE(Has(r.out, "\"kind\":8,\"batch\":true"));
    // The summary file is no member; the members are named by absolute paths.
    EXPECT_TRUE(Has(r.out, "\"members\":[\"" + std::string(VORDALIS_SAMPLES) + "/china_2001.vdo\""));
    EXPECT_FALSE(Has(r.out, "summary_china.vdo"));
    EXPECT_TRUE(Has(r.out, "\"member_values\":[30.4,"));
    // Three members of mean 35.2 and deviation 5.2 (not above 5.5): batch takes mean - 1.645 s.
    EXPECT_TRUE(Has(r.out, "\"summary\":{\"count\":3,"));
    EXPECT_TRUE(Has(r.out, "\"component_strength\":"));
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
    EXPECT_TRUE(Has(r.out, "\"kind\":6")) << r.out;
    EXPECT_TRUE(Has(r.out, "\"member_values\":[31,32,33,34]"));
    EXPECT_TRUE(Has(r.out, "\"unit_index\":3"));
    EXPECT_TRUE(Has(r.out, "\"summary\":{\"count\":4,\"mean\":32.5,\"median\":32.5,"));
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
    EXPECT_TRUE(Has(r.out, "\"members\":[\"" + files[0] + "\",\"" + files[2] + "\"]")) << r.out;
}

TEST(CliSummary, RefusesTooFewFilesAndBadArguments) {
    vordalis::testing::TempDir dir;
    std::string out = dir.Path("out.vdo");
    // China files only: no two series files.
    CliResult r = RunCli("summary --kind series " + Sample("china_2001.vdo") + " " +
                         Sample("china_2011.vdo") + " -o " + ShellQuote(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli("summary --kind both " + Sample("china_2001.vdo") + " -o " + ShellQuote(out)).status, 2);
    EXPECT_EQ(
        RunCli("summary --kind china-single " + Sample("china_2001.vdo") + " " + Sample("china_2011.vdo"))
            .status,
        2);
    r = RunCli("summary --kind china-single " + Sample("china_2001.vdo") + " " + Sample("china_2011.vdo") +
               " -o " + ShellQuote(dir.Path("no/such/folder/out.vdo")));
    EXPECT_NE(r.status, 0);
}

} // namespace
