#include "LevelFiles.h"
#include "cover/TVernoBars.h"
#include "cover/TVernoRaster.h"
#include "plot/RecordingCanvas.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vordalis;
using vordalis::test::BarsBytes;

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

std::unique_ptr<TVernoBars> Bars(const std::string& limits = "\t35\t10\t80") {
    BarsBytes b;
    b.first[10] = 32;
    b.first[30] = 37;
    b.second[20] = 55;
    b.text = "200200\r\nVX(1;)-" + limits + "\r\n";
    MemorySource src(b.Build());
    return std::make_unique<TVernoBars>(src, false);
}

std::string Hex(Rgb c) {
    return RecordingCanvas::Colour(c);
}

} // namespace

TEST(LevelPlot, LimitBrushAndGreenRedReplacement) {
    auto bars = Bars();
    ASSERT_TRUE(bars->valid);
    TLevelPlot& plot = bars->plot;
    RecordingCanvas screen;
    ASSERT_TRUE(plot.SetupScreen(&screen));
    ASSERT_TRUE(plot.TLevelPlot::BeginLevelDraw(&screen, opts::WithColourMode(0x2F, opts::kGreenRed), *bars));
    EXPECT_EQ(plot.Limit(), 35);
    EXPECT_EQ(plot.LimitBrush(), 4);
    const int n = bars->ClassCount();
    EXPECT_EQ(plot.BrushIndex(bars->ClassOf(34), n, 34), TLevelPlot::kBelowLimitBrush);
    EXPECT_EQ(plot.BrushIndex(bars->ClassOf(30), n, 30), TLevelPlot::kBelowLimitBrush);
    EXPECT_EQ(plot.BrushIndex(bars->ClassOf(35), n, 35), 4);
    EXPECT_EQ(plot.BrushIndex(bars->ClassOf(29), n, 29), 3);
    EXPECT_EQ(plot.BrushIndex(bars->ClassOf(0), n, 0), 0);
    // Classes wholly below the limit red, the limit's class green above the limit, deeper green.
    EXPECT_EQ(plot.GetBrush(1).colour, Rgb(255, 128, 0));
    EXPECT_EQ(plot.GetBrush(3).colour, Rgb(212, 96, 0));
    EXPECT_EQ(plot.GetBrush(4).colour, Rgb(80, 160, 0));
    EXPECT_EQ(plot.GetBrush(10).colour, Rgb(196, 80, 0));
    EXPECT_EQ(plot.GetBrush(5).colour, Rgb(64, 144, 0));
    EXPECT_EQ(plot.GetBrush(9).colour, Rgb(0, 80, 0));
    plot.EndDraw();
    EXPECT_FALSE(plot.HasBrushes());
}

TEST(LevelPlot, ColourTablesOfTheOtherModes) {
    // Outside green/red the colour below the limit is the limit brush's own colour.
    for (int mode : {opts::kGrayscale, opts::kInvertedGrayscale, opts::kSpectral}) {
        TLevelPlot::Colours c = TLevelPlot::ColourTable(mode, 4);
        EXPECT_EQ(c[10], c[4]) << mode;
        EXPECT_EQ(c[0], kWhite) << mode;
    }
    EXPECT_EQ(TLevelPlot::ColourTable(opts::kGrayscale, 4)[4], Rgb(184, 184, 184));
    EXPECT_EQ(TLevelPlot::ColourTable(opts::kInvertedGrayscale, 4)[1], Rgb(0, 0, 0));
    EXPECT_EQ(TLevelPlot::ColourTable(opts::kSpectral, 4)[9], Rgb(0, 0, 128));
    // Every scale tells its nine classes apart, and none of them looks like an empty cell.
    for (int mode : {opts::kGrayscale, opts::kInvertedGrayscale, opts::kGreenRed, opts::kSpectral})
        for (int limitBrush : {1, 4, 9}) {
            const TLevelPlot::Colours c = TLevelPlot::ColourTable(mode, limitBrush);
            for (size_t i = 1; i <= 9; ++i) {
                EXPECT_NE(c[i], c[0]) << mode << " class " << i;
                for (size_t j = i + 1; j <= 9; ++j)
                    EXPECT_NE(c[i], c[j]) << mode << " limit " << limitBrush << " classes " << i << ", " << j;
            }
        }
    // Any other mode value is treated as green/red.
    EXPECT_EQ(TLevelPlot::ColourTable(7, 2)[1], Rgb(255, 128, 0));
    EXPECT_EQ(TLevelPlot::ColourTable(7, 2)[2], Rgb(112, 192, 0));
}

TEST(LevelPlot, TwoClassesUseTheEndsOfTheScale) {
    auto bars = Bars("\t0\t20\t20");
    ASSERT_EQ(bars->ClassCount(), 2);
    TLevelPlot& plot = bars->plot;
    EXPECT_EQ(plot.BrushIndex(0, 2, 10), 1);
    EXPECT_EQ(plot.BrushIndex(1, 2, 30), 9);
    EXPECT_EQ(plot.BrushIndex(2, 2, 30), 0);
}

TEST(LevelPlot, LayoutPassReservesTheLegendWithoutBrushes) {
    auto bars = Bars();
    TVernoBarsPlot& plot = bars->plot;
    plot.SetupScreen(nullptr);
    ASSERT_TRUE(plot.BeginLevelDraw(nullptr, 0x2F, *bars));
    EXPECT_FALSE(plot.HasBrushes());
    EXPECT_EQ(plot.legend.Width(), 280); // with a limit
    EXPECT_EQ(plot.legend.Height(), 450);
    EXPECT_EQ(plot.legend.left, plot.GetChartRect().right + 180);
    plot.EndDraw();
    const Extent e = bars->GetExtent();
    EXPECT_GT(e.cx, plot.legend.right);
}

TEST(LevelPlot, BarsPageShowsStripsLegendAndSplitSwatch) {
    auto bars = Bars();
    bars->SetOptions(opts::WithColourMode(0x6F | opts::kValues, opts::kGreenRed));
    RecordingCanvas screen;
    bars->Draw(screen);
    const auto fills = screen.Lines("fill");
    const auto texts = screen.Texts();
    // The 32 mm bar lies below the limit in the limit's class: red; 37 mm green; 55 mm class 5.
    EXPECT_TRUE(Has(fills, Hex(Rgb(196, 80, 0))));
    EXPECT_TRUE(Has(fills, Hex(Rgb(80, 160, 0))));
    EXPECT_TRUE(Has(fills, Hex(Rgb(48, 128, 0))));
    // The limit's swatch (class 30-39, the fourth) is split 14 units from its top.
    const Rect& lg = bars->plot.legend;
    const int top = lg.top + 3 * 50;
    const std::string split = "fill " + std::to_string(lg.left + 120) + "," + std::to_string(top) + "," +
                              std::to_string(lg.left + 200) + "," + std::to_string(top + 14);
    EXPECT_TRUE(Has(fills, split)) << screen.Dump();
    for (const char* t : {"< 10", "10-19", "30-39", ">= 80", "Limit:", "35 mm", "Cover [mm]", " 32", "x [m]"})
        EXPECT_TRUE(std::find(texts.begin(), texts.end(), t) != texts.end()) << t;
    // Regions: header, legend, x table, y table.
    ASSERT_EQ(bars->plot.hitRegions.size(), 4u);
    int row = -1;
    const Rect xTable = bars->plot.hitRegions[2].rect;
    EXPECT_EQ(bars->HitRegion(xTable.left + 5, xTable.top + 45, &row), 2);
    EXPECT_EQ(row, 1);
    EXPECT_DOUBLE_EQ(bars->RowX(row), 0.30);
    const Rect yTable = bars->plot.hitRegions[3].rect;
    EXPECT_EQ(bars->HitRegion(yTable.left + 5, yTable.top + 5, &row), 3);
    EXPECT_EQ(row, 0x100);
    EXPECT_EQ(bars->RowValue(row), 55);
}

TEST(LevelPlot, CoversBelowTheLimitPrintRedInColourModesOnly) {
    for (int mode : {opts::kGrayscale, opts::kSpectral}) {
        auto bars = Bars();
        bars->SetOptions(opts::WithColourMode(0x2F, mode));
        RecordingCanvas screen;
        bars->Draw(screen);
        const bool red = Has(screen.Lines("text"), "\"32\" (font 32/0/400, right baseline, colour #FF0000)");
        EXPECT_EQ(red, mode == opts::kSpectral) << screen.Dump();
    }
}

TEST(LevelPlot, PrintedBarsPagesCarryChartOnlyOnPageOne) {
    // 55 bars in x: their table (55 x 40 + 70 units) no longer fits below the chart and the
    // statistics and moves to page 2 as a whole.
    BarsBytes b;
    for (int i = 0; i < 55; ++i) b.first[static_cast<size_t>(i)] = 20 + i;
    b.second[3] = 44;
    b.text = "200201\r\nVX(1;)-\t35\t10\t80\r\n";
    MemorySource src(b.Build());
    TVernoBars bars(src, false);
    ASSERT_TRUE(bars.valid);
    bars.SetOptions(test::kPageSections);
    RecordingCanvas printer(true, {2100, 2970});
    ASSERT_EQ(bars.GetPageCount(printer), 2);
    bars.PrintPage(printer, 1);
    auto texts = printer.Texts();
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "Limit:") != texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "1/2") != texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "Statistic") != texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "74") == texts.end()); // the table's last cover
    printer.Clear();
    bars.PrintPage(printer, 2);
    texts = printer.Texts();
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "Limit:") == texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "2/2") != texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "74") != texts.end());
    EXPECT_TRUE(std::find(texts.begin(), texts.end(), "Measured covers") != texts.end());
    RecordingCanvas small(true, {1398, 2000});
    EXPECT_EQ(bars.GetPageCount(small), 1); // refused paper: one empty page
}

TEST(LevelPlot, RasterLegendSharesAndTableRegions) {
    const std::string head = "300050\r\n100\t100\r\n10\t80\r\n3\t2\r\n16\t4\t35\t8\t70\t20\t25\t0.040\r\n";
    MemorySource src(test::RasterFile(head, 3, {8, 25, 70, 25, 0, 0}, "VX(1;)-\t20\t10\t80\r\n"));
    TVernoRaster raster(src, false);
    ASSERT_TRUE(raster.valid);
    raster.SetOptions(opts::WithColourMode(0x2F | opts::kValues, opts::kSpectral));
    RecordingCanvas screen;
    raster.Draw(screen);
    const auto texts = screen.Texts();
    // Four covers: 8 in class "< 10", two 25 in "20-29", 70 in "70-79": 25 %, 50 %, 25 %.
    for (const char* t :
         {"25.0", "50.0", "75.0", "100.0", "R", "S", "A", "Limit: 20 mm", "< 10", "Measured covers [mm]"})
        EXPECT_TRUE(std::find(texts.begin(), texts.end(), t) != texts.end()) << t;
    EXPECT_EQ(raster.plot.legend.Height(), TVernoRasterPlot::BandHeight(raster.options, 20));
    EXPECT_EQ(raster.plot.legend.Height(), 335);
    // The table's cells report the cover index row × nx + column.
    ASSERT_EQ(raster.plot.hitRegions.size(), 3u);
    const Rect cells = raster.plot.hitRegions[2].rect;
    const int cw = raster.plot.hitRegions[2].cellWidth;
    int cell = -1;
    EXPECT_EQ(raster.HitRegion(cells.left + cw + 3, cells.top + 5, &cell), 2);
    EXPECT_EQ(cell, 1);
    EXPECT_EQ(raster.HitRegion(cells.left + 3, cells.top + 45, &cell), 2);
    EXPECT_EQ(cell, 3);
    EXPECT_EQ(raster.RowValue(cell), 25);
    EXPECT_DOUBLE_EQ(raster.RowX(cell), 0.0);
    EXPECT_DOUBLE_EQ(raster.RowY(cell), 0.1);
}

// Thresholds at the end of the 32-bit range (a damaged file) are kept within 1 km on reading,
// so the legend's class bounds and their neighbours stay whole numbers.
TEST(LevelPlot, HugeThresholdsAreClampedOnReading) {
    const std::string big = "2147483647";
    auto bars = Bars("\t35\t" + big + "\t" + big);
    ASSERT_TRUE(bars->valid);
    int32_t limit, second, lower, upper;
    bars->GetLimits(&limit, &second, &lower, &upper);
    EXPECT_EQ(lower, TLevelObj::kThresholdBound);
    EXPECT_EQ(upper, TLevelObj::kThresholdBound);
    const std::string head =
        "300050\r\n100\t100\r\n-" + big + "\t" + big + "\r\n3\t2\r\n16\t4\t35\t8\t70\t20\t25\t0.040\r\n";
    MemorySource src(
        test::RasterFile(head, 3, {8, 25, 70, 25, 0, 0}, "VX(1;)-\t20\t" + big + "\t" + big + "\r\n"));
    TVernoRaster raster(src, false);
    ASSERT_TRUE(raster.valid);
    int32_t defaultLower, defaultUpper;
    raster.GetDefaultLimits(nullptr, nullptr, &defaultLower, &defaultUpper);
    EXPECT_EQ(defaultLower, -TLevelObj::kThresholdBound);
    EXPECT_EQ(defaultUpper, TLevelObj::kThresholdBound);
    for (TLevelObj* level : {static_cast<TLevelObj*>(bars.get()), static_cast<TLevelObj*>(&raster)}) {
        level->SetOptions(opts::WithColourMode(0x2F | opts::kValues, opts::kSpectral));
        RecordingCanvas screen;
        level->Draw(screen);
        const auto texts = screen.Texts();
        EXPECT_TRUE(std::find(texts.begin(), texts.end(), ">= 1000000") != texts.end()) << screen.Dump();
    }
}
