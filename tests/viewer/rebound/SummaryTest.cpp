// Rebound summaries: the builder's choice, member loading, statistics and the summary file.
#include "ReboundFixtures.h"
#include "model/ObjectFactory.h"
#include "rebound/SelectSummaryLogic.h"
#include "rebound/SummaryBuilder.h"
#include "rebound/TTorvBars.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"
#include "text/Utf16.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vordalis {
void RegisterReboundObjects(); // defined beside the rebound classes, declared where it is called

namespace {

using testing::ChinaFile;
using testing::SeriesText;
using testing::TempDir;

std::unique_ptr<TTorvDir> Open(const std::string& path) {
    FileSource f(path);
    EXPECT_TRUE(f.IsOpen());
    return std::make_unique<TTorvDir>(f);
}

// Opens a summary as the programs do, keeping what it says while it reads; null when it
// does not open as a summary.
std::unique_ptr<TTorvDir> OpenNoting(const std::string& path, std::vector<std::u16string>& notices) {
    RegisterReboundObjects();
    FileSource f(path);
    std::unique_ptr<TBasicObj> obj =
        CreateObjectFromFile(f, nullptr, [&notices](const std::u16string& text) { notices.push_back(text); });
    if (!dynamic_cast<TTorvDir*>(obj.get())) return nullptr;
    return std::unique_ptr<TTorvDir>(static_cast<TTorvDir*>(obj.release()));
}

std::string ChinaWith(double rm, bool is2011 = false) {
    ChinaFile f;
    f.is2011 = is2011;
    // Equal readings give the mean exactly (also after the 2011 edition drops 3 at each end);
    // a half is made from two neighbours.
    int lo = static_cast<int>(std::floor(rm)), hi = static_cast<int>(std::ceil(rm));
    for (int i = 0; i < 8; ++i) f.readings.insert(f.readings.end(), {lo, hi});
    return f.Text();
}

TEST(SummaryBuilder, ThreeSeriesFilesWriteASeriesSummaryWithoutAsking) {
    TempDir dir;
    std::vector<std::string> files;
    for (int i = 0; i < 3; ++i)
        files.push_back(dir.Write("s" + std::to_string(i) + ".vdo", SeriesText({30, 40}, 2, false)));
    files.push_back(dir.Write("other.vdo", "TORVDIR\tTORVIHAMMER\t"));
    bool asked = false;
    std::string out = dir.Path("dir.vdo");
    SummaryBuildResult r = BuildReboundSummary(files, out, [&](int, int) {
        asked = true;
        return SummaryChoice{};
    });
    EXPECT_EQ(r.status, kSummaryBuilt);
    EXPECT_FALSE(asked);
    auto sum = Open(out);
    ASSERT_TRUE(sum->valid);
    EXPECT_EQ(sum->kind, 6);
    EXPECT_EQ(sum->memberPaths, std::vector<std::string>(files.begin(), files.begin() + 3));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(out, bytes));
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "\".end\"\r\n\x1A");
}

TEST(SummaryBuilder, MixedFilesAskWithTheCountsAndPreselectChinaSingle) {
    TempDir dir;
    std::vector<std::string> files = {dir.Write("s.vdo", SeriesText({30}, 2, false)),
                                      dir.Write("c1.vdo", ChinaWith(35)),
                                      dir.Write("c2.vdo", ChinaWith(36, true))};
    int seen[2] = {-1, -1};
    SummaryBuildResult r = BuildReboundSummary(files, dir.Path("dir.vdo"), [&](int series, int china) {
        seen[0] = series;
        seen[1] = china;
        SelectSummaryLogic dlg(series, china);
        EXPECT_TRUE(dlg.Checked(SelectSummaryLogic::kChina));
        EXPECT_TRUE(dlg.Checked(SelectSummaryLogic::kSingle));
        EXPECT_FALSE(dlg.Checked(SelectSummaryLogic::kSeries));
        dlg.Click(SelectSummaryLogic::kBatch);
        EXPECT_TRUE(dlg.CanAccept());
        return dlg.Choice();
    });
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 2);
    ASSERT_EQ(r.status, kSummaryBuilt);
    auto sum = Open(dir.Path("dir.vdo"));
    ASSERT_TRUE(sum->valid);
    EXPECT_EQ(sum->kind, 8);
    EXPECT_EQ(sum->batch, 1);
    EXPECT_EQ(sum->any2011, 1);
    EXPECT_EQ(sum->members.size(), 2u);

    // Cancel, or a choice with fewer than two files, writes nothing.
    EXPECT_EQ(
        BuildReboundSummary(files, dir.Path("none.vdo"), [](int, int) { return SummaryChoice{}; }).status,
        kSummaryNotEnoughFiles);
    SummaryChoice series;
    series.series = true;
    EXPECT_EQ(BuildReboundSummary(files, dir.Path("none.vdo"), series).status, kSummaryNotEnoughFiles);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("none.vdo")));
    SummaryChoice single;
    single.china = single.single = true;
    EXPECT_EQ(BuildReboundSummary(files, dir.Path("missing/dir.vdo"), single).status, kSummaryNotCreated);
}

TEST(SelectSummary, ButtonsFollowTheCounts) {
    SelectSummaryLogic onlySeries(3, 0);
    EXPECT_TRUE(onlySeries.Checked(SelectSummaryLogic::kSeries));
    EXPECT_FALSE(onlySeries.Enabled(SelectSummaryLogic::kChina));
    onlySeries.Click(SelectSummaryLogic::kBatch); // disabled: nothing changes
    EXPECT_TRUE(onlySeries.Checked(SelectSummaryLogic::kSeries));
    EXPECT_EQ(onlySeries.ChinaCountText(), u"0 Files");

    SelectSummaryLogic both(2, 2);
    EXPECT_TRUE(both.Checked(SelectSummaryLogic::kSeries)); // equal counts: series
    both.Click(SelectSummaryLogic::kChina);
    EXPECT_TRUE(both.Checked(SelectSummaryLogic::kSingle));
    EXPECT_FALSE(both.Checked(SelectSummaryLogic::kSeries));
    both.Click(SelectSummaryLogic::kBatch);
    EXPECT_FALSE(both.Checked(SelectSummaryLogic::kSingle));
    EXPECT_TRUE(both.Checked(SelectSummaryLogic::kChina));
    both.Click(SelectSummaryLogic::kSeries);
    EXPECT_FALSE(both.Checked(SelectSummaryLogic::kChina));
    EXPECT_TRUE(both.CanAccept());
}

std::string SeriesSummary(TempDir& dir, const std::vector<std::string>& members) {
    SummaryChoice c;
    c.series = true;
    EXPECT_EQ(BuildReboundSummary(members, dir.Path("sum.vdo"), c).status, kSummaryBuilt);
    return dir.Path("sum.vdo");
}

TEST(TTorvDir, UnitByMajorityWithTiesToTheHigherCode) {
    struct Case {
        std::vector<int> units;
        int expected;
    } cases[] = {{{2, 2, 3, 3}, 3}, {{1, 1, 1, 4}, 1}, {{4, 2, 2}, 2}, {{3, 1}, 3}};
    for (const auto& c : cases) {
        TempDir dir;
        std::vector<std::string> files;
        for (size_t i = 0; i < c.units.size(); ++i)
            files.push_back(
                dir.Write("m" + std::to_string(i) + ".vdo", SeriesText({30, 32}, c.units[i], false)));
        EXPECT_EQ(Open(SeriesSummary(dir, files))->unit, c.expected);
    }
}

TEST(TTorvDir, MedianOnlyWhenEveryMemberUsesIt) {
    TempDir dir;
    std::vector<std::string> files = {dir.Write("a.vdo", SeriesText({30, 31, 36}, 1, true)),
                                      dir.Write("b.vdo", SeriesText({40, 42, 44}, 1, true)),
                                      dir.Write("c.vdo", SeriesText({20, 21, 22}, 1, true))};
    auto median = Open(SeriesSummary(dir, files));
    ASSERT_TRUE(median->valid);
    EXPECT_EQ(median->useMedian, 1);
    // Member values are the members' medians: 31, 42, 21.
    EXPECT_DOUBLE_EQ(median->MemberValue(0), 31);
    TTorvDir::Statistics s = median->ComputeStatistics();
    EXPECT_DOUBLE_EQ(*s.median, 31);
    EXPECT_DOUBLE_EQ(median->SummaryValue(), 31);
    EXPECT_NEAR(s.mean, (31 + 42 + 21) / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(s.max, 42);
    EXPECT_DOUBLE_EQ(s.min, 21);
    EXPECT_EQ(s.count, 3);

    files.push_back(dir.Write("d.vdo", SeriesText({35, 36, 37}, 1, false)));
    auto mean = Open(SeriesSummary(dir, files));
    EXPECT_EQ(mean->useMedian, 0);
    EXPECT_NEAR(mean->SummaryValue(), (31 + 42 + 21 + 36) / 4.0, 1e-12);
}

TEST(TTorvDir, SeriesStrengthIsTheMeanOfTheMembersStrengths) {
    TempDir dir;
    std::vector<std::string> files = {dir.Write("a.vdo", SeriesText({40, 40}, 2, false)),
                                      dir.Write("b.vdo", SeriesText({30, 30}, 2, false))};
    auto sum = Open(SeriesSummary(dir, files));
    double want = 0;
    for (const auto& m : sum->members) want += static_cast<TTorvBars&>(*m).CompressiveStrength();
    TTorvDir::Statistics s = sum->ComputeStatistics();
    ASSERT_TRUE(s.strength.has_value());
    EXPECT_NEAR(*s.strength, want / 2, 1e-9);
    EXPECT_NEAR(*s.strength, (42.81 + 26.20) / 2, 0.01); // curve 1 at R 40 and R 30
    EXPECT_EQ(s.strengthText, u"  34.5  ");
    EXPECT_EQ(s.strengthUnit, u"MPa");

    // A summary value above 60 is out of the display range: no strength.
    TempDir high;
    std::vector<std::string> over = {high.Write("a.vdo", SeriesText({65, 65}, 2, false)),
                                     high.Write("b.vdo", SeriesText({63, 63}, 2, false))};
    TTorvDir::Statistics out = Open(SeriesSummary(high, over))->ComputeStatistics();
    EXPECT_FALSE(out.strength.has_value());
    EXPECT_EQ(out.strengthText, u"-    ");

    // A member without a curve hides the strength.
    files.push_back(dir.Write("c.vdo", SeriesText({35, 35}, 2, false, 0)));
    TTorvDir::Statistics hidden = Open(SeriesSummary(dir, files))->ComputeStatistics();
    EXPECT_FALSE(hidden.strength.has_value());
    EXPECT_EQ(hidden.strengthText, u"-    ");
}

std::string ChinaSummary(TempDir& dir, const std::vector<double>& strengthsRm, bool batch) {
    std::vector<std::string> files;
    for (size_t i = 0; i < strengthsRm.size(); ++i)
        files.push_back(dir.Write("c" + std::to_string(i) + ".vdo", ChinaWith(strengthsRm[i])));
    SummaryChoice c;
    c.china = true;
    (batch ? c.batch : c.single) = true;
    EXPECT_EQ(BuildReboundSummary(files, dir.Path("sum.vdo"), c).status, kSummaryBuilt);
    return dir.Path("sum.vdo");
}

TEST(TTorvDir, ChinaSingleComponentStrengthWithNineAndTenMembers) {
    std::vector<double> rm = {30, 31, 32, 33, 34, 35, 36, 37, 38};
    TempDir dir;
    auto nine = Open(ChinaSummary(dir, rm, false));
    ASSERT_EQ(nine->members.size(), 9u);
    TTorvDir::Statistics s = nine->ComputeStatistics();
    double smallest = nine->MemberValue(0);
    for (int i = 0; i < 9; ++i) smallest = std::min(smallest, nine->MemberValue(i));
    EXPECT_DOUBLE_EQ(*s.strength, smallest);
    EXPECT_NEAR(smallest, 23.3, 1e-9); // the table at R 30.0, d 0

    rm.push_back(39);
    TempDir dir10;
    auto ten = Open(ChinaSummary(dir10, rm, false));
    s = ten->ComputeStatistics();
    EXPECT_NEAR(*s.strength, s.mean - 1.645 * s.stddev, 1e-9);
    EXPECT_LT(*s.strength, s.mean);
}

TEST(TTorvDir, ChinaMemberOutOfRangeIsLeftOutWithAMessage) {
    TempDir dir;
    std::vector<std::u16string> shown;
    std::vector<std::string> files = {dir.Write("ok1.vdo", ChinaWith(35)),
                                      dir.Write("low.vdo", ChinaWith(19, true)),
                                      dir.Write("ok2.vdo", ChinaWith(40))};
    SummaryChoice c;
    c.china = c.single = true;
    ASSERT_EQ(BuildReboundSummary(files, dir.Path("sum.vdo"), c).status, kSummaryBuilt);
    auto sum = OpenNoting(dir.Path("sum.vdo"), shown);
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->memberPaths, (std::vector<std::string>{files[0], files[2]}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], u"Out of Range (<10 MPa or >60MPa) " + Latin1ToU16(files[1]));
    EXPECT_EQ(sum->any2011, 1); // the discarded member was of the 2011 edition
    EXPECT_NEAR(sum->chartTop, sum->MemberValue(1), 1e-12);
}

// A member's result is what its page shows last: for 2011 pumped concrete that is the curve's
// f2, which is valid at R 19 although the table (f1) is not.
TEST(TTorvDir, ChinaSummaryCountsAPumpedMemberByItsOwnStrength) {
    TempDir dir;
    std::vector<std::u16string> shown;
    ChinaFile pumped;
    pumped.is2011 = true;
    pumped.pump = 1;
    pumped.readings.assign(16, 19);
    std::vector<std::string> files = {dir.Write("ok.vdo", ChinaWith(35, true)),
                                      dir.Write("pumped.vdo", pumped.Text())};
    SummaryChoice c;
    c.china = c.single = true;
    ASSERT_EQ(BuildReboundSummary(files, dir.Path("sum.vdo"), c).status, kSummaryBuilt);
    auto sum = OpenNoting(dir.Path("sum.vdo"), shown);
    ASSERT_TRUE(sum);
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(sum->members.size(), 2u);
    EXPECT_NEAR(sum->MemberValue(1), 0.034488 * std::pow(19.0, 1.94), 1e-9);
    EXPECT_NEAR(*sum->ComputeStatistics().strength, sum->MemberValue(1), 1e-9); // the smallest of two
}

TEST(TTorvDir, MovedSummaryFindsItsMembersBesideItself) {
    // Member paths as stored by a summary elsewhere, and where the members now lie below the
    // summary's folder.
    struct Case {
        const char* name;
        std::vector<std::string> stored;
        std::vector<std::string> now;
    } cases[] = {
        {"copied with its members", {"/gone/site/a.vdo", "/gone/site/b.vdo"}, {"a.vdo", "b.vdo"}},
        {"members in a sub-folder",
         {"/gone/site/data/a.vdo", "/gone/site/data/b.vdo"},
         {"data/a.vdo", "data/b.vdo"}},
        {"written on another system",
         {"C:\\Messung\\data\\a.vdo", "C:\\Messung\\b.vdo"},
         {"data/a.vdo", "b.vdo"}},
        {"relative paths", {"data/a.vdo", "./b.vdo"}, {"data/a.vdo", "b.vdo"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::filesystem::create_directories(dir.Path("data"));
        std::vector<std::string> found;
        for (size_t i = 0; i < c.now.size(); ++i)
            found.push_back(dir.Write(c.now[i], SeriesText({30 + 10 * static_cast<int>(i)}, 1, false)));
        std::string sumPath = dir.Path("sum.vdo");
        ASSERT_TRUE(WriteSummaryFile(sumPath, kSummaryTagSeries, c.stored));
        std::string before;
        ASSERT_TRUE(ReadWholeFile(sumPath, before));
        auto sum = Open(sumPath);
        ASSERT_TRUE(sum->valid) << c.name;
        ASSERT_EQ(sum->members.size(), 2u) << c.name;
        EXPECT_EQ(sum->MemberValue(1), 40) << c.name;
        EXPECT_EQ(sum->MemberFile(0), found[0]) << c.name;
        EXPECT_EQ(sum->memberPaths, c.stored) << c.name << ": the paths as stored until saved";
        std::string after;
        ASSERT_TRUE(ReadWholeFile(sumPath, after));
        EXPECT_EQ(after, before) << c.name << ": opening writes nothing";
        // Saved, the summary names the members where they were found.
        ObjectWriter out;
        ASSERT_TRUE(sum->Write(out));
        auto again = Open(dir.Write("saved.vdo", out.Bytes()));
        EXPECT_EQ(again->memberPaths, found) << c.name;
    }
}

TEST(TTorvDir, MissingMemberIsNamedInTheFailure) {
    TempDir dir;
    std::vector<std::string> files = {dir.Write("a.vdo", SeriesText({30}, 1, false)),
                                      dir.Write("b.vdo", SeriesText({31}, 1, false))};
    std::string sum = SeriesSummary(dir, files);
    std::filesystem::remove(files[1]);
    EXPECT_FALSE(Open(sum)->valid);
    FileSource f(sum);
    std::u16string why;
    RegisterReboundObjects();
    EXPECT_EQ(CreateObjectFromFile(f, &why), nullptr);
    EXPECT_EQ(why, u"Member " + Latin1ToU16(files[1]) + u": No such file or directory");
}

TEST(TTorvDir, SavedSummaryKeepsLimitsUnitFlagsAndTexts) {
    TempDir dir;
    std::vector<std::string> files = {dir.Write("a.vdo", SeriesText({30, 32}, 2, true)),
                                      dir.Write("b.vdo", SeriesText({40, 41}, 2, true))};
    auto sum = Open(SeriesSummary(dir, files));
    ASSERT_TRUE(sum->valid);
    EXPECT_EQ(sum->limitsInitial, 1);
    EXPECT_EQ(sum->lowerLimit, 40);
    EXPECT_EQ(sum->upperLimit, 60);
    sum->unit = 3;
    sum->lowerLimit = 25;
    sum->upperLimit = 45;
    sum->showMeanLine = 1;
    sum->showLimits = 1;
    sum->limitsInitial = 0;
    sum->useMedian = 0;
    sum->SetTitle(u"Bridge \u6865");
    sum->SetName(u"North");
    sum->SetRemarks(u"piers 1-2");
    ObjectWriter out;
    ASSERT_TRUE(sum->Write(out));
    std::string saved = dir.Write("saved.vdo", out.Bytes());
    auto again = Open(saved);
    ASSERT_TRUE(again->valid);
    EXPECT_EQ(again->kind, 6);
    EXPECT_EQ(again->unit, 3);
    EXPECT_EQ(again->lowerLimit, 25);
    EXPECT_EQ(again->upperLimit, 45);
    EXPECT_EQ(again->showMeanLine, 1);
    EXPECT_EQ(again->showLimits, 1);
    EXPECT_EQ(again->limitsInitial, 0);
    EXPECT_EQ(again->useMedian, 0); // the saved choice wins over the members' median
    EXPECT_EQ(again->title, u"Bridge \u6865");
    EXPECT_EQ(again->name, u"North");
    EXPECT_EQ(again->remarks, u"piers 1-2");
    EXPECT_EQ(again->memberPaths, files);
    EXPECT_EQ(again->chartTop, 45); // raised to the upper limit shown

    // The batch flag of a China summary survives as well.
    TempDir cdir;
    auto china = Open(ChinaSummary(cdir, {30, 35}, false));
    china->batch = 1;
    ObjectWriter cout;
    ASSERT_TRUE(china->Write(cout));
    auto creread = Open(cdir.Write("saved.vdo", cout.Bytes()));
    EXPECT_EQ(creread->batch, 1);
    EXPECT_EQ(creread->unit, 2);
}

} // namespace
} // namespace vordalis
