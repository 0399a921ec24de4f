// The China and summary pages as drawn on a recording canvas.
#include "ReboundFixtures.h"
#include "plot/RecordingCanvas.h"
#include "rebound/SummaryBuilder.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vordalis {
namespace {

using testing::ChinaFile;

constexpr int32_t kAll = opts::kHeader | opts::kChart | opts::kStatistics | opts::kTable | opts::kValues |
                         opts::kAxis | (opts::kGreenRed << opts::kColourShift);

size_t Count(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

// Index of the first line at or after `from` holding part; npos when none.
size_t Find(const std::vector<std::string>& lines, const std::string& part, size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].find(part) != std::string::npos) return i;
    return std::string::npos;
}

TEST(ChinaPlot, OutliersAreGreyBarsAndStruckThroughValues) {
    ChinaFile f;
    f.is2011 = true;
    f.readings = {41, 38, 44, 39, 40, 47, 38, 42, 31, 40, 39, 43, 41, 36, 40, 42};
    MemorySource src(f.Text());
    TTorvChina obj(src);
    ASSERT_TRUE(obj.valid);
    obj.SetOptions(kAll);
    RecordingCanvas dc;
    obj.Draw(dc);
    const auto& lines = dc.Lines();
    // Six grey bars, ten in the normal green.
    EXPECT_EQ(Count(dc.Lines("fill"), "brush solid #B4B4B4"), 6u);
    EXPECT_EQ(Count(dc.Lines("fill"), "brush solid #009048"), 10u);
    // Each outlier is written grey twice (bar label and table) and struck through after each.
    size_t grey = Count(dc.Lines("text"), "colour #B4B4B4");
    EXPECT_EQ(grey, 12u);
    for (size_t i = Find(lines, "\"47\""); i != std::string::npos; i = Find(lines, "\"47\"", i + 1)) {
        EXPECT_NE(lines[i].find("#B4B4B4"), std::string::npos) << lines[i];
        size_t pen = Find(lines, "pen solid 1 #B4B4B4", i);
        ASSERT_NE(pen, std::string::npos);
        EXPECT_EQ(lines[pen + 1].rfind("move", 0), 0u) << lines[pen + 1];
    }
    // The statistics count the ten kept readings.
    std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "JGJ/T23-2011"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "  40.2"), texts.end()) << dc.Dump();
}

TEST(ChinaPlot, AngleGlyphAndGeneralConversionRows) {
    ChinaFile f;
    f.readings = {35, 35, 35};
    f.angle = 1;
    f.surface = 3;
    f.conversion = 2;
    f.a = 0.025;
    f.b = 2.0;
    f.c = -0.01;
    f.depth = 0;
    MemorySource src(f.Text());
    TTorvChina obj(src);
    obj.SetOptions(kAll);
    RecordingCanvas dc;
    obj.Draw(dc);
    std::vector<std::string> texts = dc.Texts();
    for (const char* t : {"-90°", "General conversion", "fc(R) = 0.02500 * R^(2.00000) * 10^(-0.01000 * 0.0)",
                          "n = 16     m = 3", "- ", "Bottom"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
    // No f2 row with the general conversion; a depth of 0 has no symbol.
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "f2  ="), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "d  ="), texts.end());
    // The -90° arrow: a vertical shaft 24 units long drawn with the 3-unit pen.
    size_t pen = Find(dc.Lines(), "pen solid 3 #000000");
    ASSERT_NE(pen, std::string::npos);
    int x0, y0, x1, y1;
    ASSERT_EQ(std::sscanf(dc.Lines()[pen + 1].c_str(), "move %d,%d", &x0, &y0), 2);
    ASSERT_EQ(std::sscanf(dc.Lines()[pen + 2].c_str(), "line %d,%d %d,%d", &x0, &y0, &x1, &y1), 4)
        << dc.Lines()[pen + 2];
    EXPECT_EQ(x0, x1);
    EXPECT_EQ(y1 - y0, 24);
}

TEST(SummaryPlot, MemberTableAndComponentStrength) {
    testing::TempDir dir;
    ChinaFile f;
    f.readings = {35, 35, 35};
    std::string a = dir.Write("a.vdo", f.Text());
    f.readings = {40, 40, 40};
    std::string b = dir.Write("b.vdo", f.Text());
    SummaryChoice c;
    c.china = c.single = true;
    ASSERT_EQ(BuildReboundSummary({a, b}, dir.Path("sum.vdo"), c).status, kSummaryBuilt);
    FileSource src(dir.Path("sum.vdo"));
    TTorvDir sum(src);
    ASSERT_TRUE(sum.valid);
    sum.SetOptions(kAll);
    sum.showLimits = 1;
    sum.lowerLimit = 35;
    sum.upperLimit = 60;
    RecordingCanvas dc;
    sum.Draw(dc);
    std::vector<std::string> texts = dc.Texts();
    for (const char* t : {"MORVEX - TORVIHAMMER CHINA SUMMARY SINGLE", "Title : mean value f2 [MPa]",
                          "AREA 0007:", "  31.8", "JGJ/T23-2001", "Component strength", "  31.8  "})
        EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t << "\n" << dc.Dump();
    // The member below the lower limit is red in the table, the other black.
    EXPECT_NE(Find(dc.Lines(), "\"  31.8\" (font 32/0/400, right baseline, colour #FF0000)"),
              std::string::npos)
        << dc.Dump();
}

} // namespace
} // namespace vordalis
