// The cover list's page through the recording canvas: chart layout, limit band, bars,
// parameter and statistics boxes, and the table with its page break.
#include "ListFiles.h"

#include "plot/RecordingCanvas.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vordalis {
namespace {

using test::ListFile;

int Count(const std::vector<std::string>& lines, const std::string& needle) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find(needle) != std::string::npos;
    }));
}

// The last word of a line: the colour of a solid fill.
std::string LastWord(const std::string& line) {
    return line.substr(line.rfind(' ') + 1);
}

std::unique_ptr<TVernoList> List(int n, int value = 30) {
    auto l = ListFile::With(std::vector<int>(static_cast<size_t>(n), value)).Read();
    EXPECT_TRUE(l->valid);
    return l;
}

TEST(ListChart, WidthFollowsTheReadingsWithinItsBounds) {
    struct Case {
        int readings, width;
        bool below;
    } cases[] = {{1, 500, false}, {9, 500, false},  {10, 550, false}, {11, 600, false},
                 {12, 650, true}, {20, 1050, true}, {40, 1440, true}}; // 1440 = screen page width - 200
    for (const auto& c : cases) {
        auto l = List(c.readings);
        l->SetOptions(test::kPageSections);
        RecordingCanvas dc;
        l->Draw(dc);
        EXPECT_EQ(l->plot.chart.Width(), c.width) << c.readings;
        EXPECT_EQ(l->plot.chart.Height(), 900);
        EXPECT_EQ(l->plot.chart.top, l->plot.header.bottom + 150);
        EXPECT_EQ(l->plot.below, c.below) << c.readings;
    }
}

TEST(ListChart, LimitBandRegionAndHatchedFill) {
    auto l = ListFile::With({40, 20, 25, 0}, 40).Read(); // axis 0 .. 44, current limit 30
    l->SetOptions(opts::WithColourMode(test::kPageSections, opts::kSpectral));
    RecordingCanvas dc;
    l->Draw(dc);
    const Rect chart = l->plot.chart;
    int limitY = l->plot.YToPixel(30, false);
    ASSERT_GE(l->plot.hitRegions.size(), 2u);
    const Rect band = l->plot.hitRegions[1].rect;
    EXPECT_EQ(band.left, chart.left);
    EXPECT_EQ(band.top, chart.top);
    EXPECT_NEAR(band.bottom, limitY, 1);
    EXPECT_EQ(Count(dc.Lines(),
                    "fill " + RecordingCanvas::Describe(Rect{chart.left, chart.top, chart.right, limitY}) +
                        " brush pattern #D0D0D0 #FFFFFF"),
              1);

    // Bars: 40 deep, 20 below the limit, 25 below the limit, the empty reading leaves a gap.
    auto fills = dc.Lines("fill");
    EXPECT_EQ(Count(fills, "brush solid #0080C0"), 1);
    EXPECT_EQ(Count(fills, "brush solid #C80000"), 2);
    EXPECT_EQ(fills.size(), 4u);
    int x0 = l->plot.XToPixel(0.6), x1 = l->plot.XToPixel(1.4);
    EXPECT_EQ(Count(fills, "fill " + RecordingCanvas::Describe(
                                         Rect{x0, chart.top, x1, l->plot.YToPixel(40, false)})),
              1);

    // A limit deeper than the axis stops at the chart's bottom; limit 0 has no band.
    l->SetLimits(90, 0, 0, 0);
    dc.Clear();
    l->Draw(dc);
    EXPECT_NEAR(l->plot.hitRegions[1].rect.bottom, chart.bottom, 1);
    l->SetLimits(0, 0, 0, 0);
    dc.Clear();
    l->Draw(dc);
    EXPECT_TRUE(l->plot.hitRegions[1].rect.IsEmpty());
    EXPECT_EQ(Count(dc.Lines(), "brush pattern"), 0);
}

TEST(ListChart, BarBrushesAtAndBelowTheLimitByColourMode) {
    // The colours of the bar at the limit of 30 (a normal bar) and of the bar below it.
    auto paint = [](int mode) {
        ListFile f = ListFile::With({30, 29});
        auto l = f.Read();
        l->SetOptions(opts::WithColourMode(test::kPageSections, mode));
        RecordingCanvas dc;
        l->Draw(dc);
        auto fills = dc.Lines("fill");
        EXPECT_EQ(fills.size(), 3u) << mode; // band and two bars
        std::pair<std::string, std::string> bars;
        if (fills.size() == 3) bars = {LastWord(fills[1]), LastWord(fills[2])};
        EXPECT_NE(bars.first, bars.second) << mode;
        return bars;
    };
    const auto grey = paint(opts::kGrayscale), inverted = paint(opts::kInvertedGrayscale),
               greenRed = paint(opts::kGreenRed), spectral = paint(opts::kSpectral), other = paint(7);
    EXPECT_EQ(grey.first, "#585858");
    EXPECT_EQ(grey.second, "#909090");
    EXPECT_EQ(spectral.first, "#0080C0");
    EXPECT_EQ(greenRed.second, "#C80000");
    // The inverted scale swaps the two greys; both coloured modes paint the low bar in the same
    // red and differ for the others; an unknown mode paints as green/red.
    EXPECT_EQ(inverted, std::pair(grey.second, grey.first));
    EXPECT_EQ(spectral.second, greenRed.second);
    EXPECT_NE(spectral.first, greenRed.first);
    EXPECT_NE(greenRed.first, grey.first);
    EXPECT_NE(greenRed.first, grey.second);
    EXPECT_EQ(other, greenRed);

    // An imperial list compares the millimetres, though the bars are drawn in inches.
    ListFile inch = ListFile::With({119, 114}, 150); // 30 mm and 29 mm
    inch.unit = "inch";
    inch.id = "V5i(1;2)-";
    auto l = inch.Read();
    ASSERT_EQ(l->covers.Values(), (std::vector<int32_t>{30, 29}));
    l->SetOptions(opts::WithColourMode(test::kPageSections | opts::kValues, opts::kSpectral));
    RecordingCanvas dc;
    l->Draw(dc);
    auto fills = dc.Lines("fill");
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(LastWord(fills[1]), spectral.first);
    EXPECT_EQ(LastWord(fills[2]), spectral.second);
    EXPECT_EQ(Count(dc.Lines(), "\"1.18\" (font 32/0/400, center top"), 1); // value under the bar, in inches
    EXPECT_EQ(Count(dc.Lines(), "text " + std::to_string(l->plot.chart.left - 35)), 4); // labels 0.0 .. 1.5
}

TEST(ListChart, ParameterAndStatisticRows) {
    auto texts = [](TVernoList& l) {
        RecordingCanvas dc;
        l.Draw(dc);
        return dc.Texts();
    };
    auto has = [](const std::vector<std::string>& t, const std::string& s) {
        return std::find(t.begin(), t.end(), s) != t.end();
    };

    ListFile one = ListFile::With({28});
    one.header.insert(one.header.begin(), "150");
    auto a = one.Read();
    a->SetOptions(test::kPageSections);
    auto t = texts(*a);
    for (auto s :
         {"Set parameters", "Statistic", "Bar diameter", "16  ", "Bar distance", "a  =", "150  ",
          "Limit value of covers", "s(Min)  =", "30  ", "  28.0", "-  ", "Cover values below limit", "100.0"})
        EXPECT_TRUE(has(t, s)) << s;
    EXPECT_FALSE(has(t, "0.0")); // one reading: no deviation

    // Equal readings have deviation 0.0; limit 0 drops both limit rows.
    ListFile equal = ListFile::With({31, 31});
    equal.tail = "\t0\r\n\x1a";
    auto b = equal.Read();
    b->SetOptions(test::kPageSections);
    t = texts(*b);
    EXPECT_TRUE(has(t, "   0.0"));
    EXPECT_FALSE(has(t, "Limit value of covers"));
    EXPECT_FALSE(has(t, "Cover values below limit"));

    // Inches: eighths for the diameter, hundredths for lengths.
    ListFile inch = ListFile::With({150, 100}, 150);
    inch.unit = "inch";
    inch.diameter = "5";
    inch.id = "V5i(1;2)-";
    auto c = inch.Read();
    c->SetOptions(test::kPageSections);
    t = texts(*c);
    for (auto s : {"5/8", "1.18", "Cover [in]", "Measured covers [in]", "1.50", "0.98"})
        EXPECT_TRUE(has(t, s)) << s;

    // Two-layer correction rows.
    ListFile layers = ListFile::With({30});
    layers.header.insert(layers.header.begin(), std::to_string(1 | 2 | (2 << 2) | (4 << 4)));
    auto d = layers.Read();
    d->SetOptions(test::kPageSections);
    t = texts(*d);
    for (auto s : {"2 Layer correction", "    1. Layer", "2x D  =", "    2. Layer", "32  ", "    Arrangement",
                   "200 x 200  "})
        EXPECT_TRUE(has(t, s)) << s;
    EXPECT_FALSE(has(t, "Bar diameter"));
}

TEST(ListChart, TableValuesColoursAndColumns) {
    auto l = ListFile::With({20, 0, 35, 29, 31}).Read();
    for (int mode : {opts::kGreenRed, opts::kSpectral, opts::kGrayscale}) {
        l->SetOptions(opts::WithColourMode(test::kPageSections, mode));
        RecordingCanvas dc;
        l->Draw(dc);
        bool red = mode != opts::kGrayscale;
        // 20 and 29 are below the limit of 30; the empty reading prints "-".
        auto lines = dc.Lines("text");
        EXPECT_EQ(Count(lines, "\"20\" (font 32/0/400, right baseline, colour #FF0000)"), red ? 1 : 0)
            << mode;
        EXPECT_EQ(Count(lines, "\"29\" (font 32/0/400, right baseline, colour #FF0000)"), red ? 1 : 0);
        EXPECT_EQ(Count(lines, "\"35\" (font 32/0/400, right baseline, colour #000000)"), 1);
        EXPECT_EQ(Count(lines, "\"-\""), 1);
    }
    // Beside the chart 9 values per row, below it (or without the chart) 20.
    auto wide = List(25);
    for (int32_t o : {test::kPageSections, test::kPageSections & ~opts::kChart}) {
        wide->SetOptions(o);
        RecordingCanvas dc;
        wide->Draw(dc);
        EXPECT_EQ(wide->plot.hitRegions.back().lastColumn, 19);
        EXPECT_EQ(wide->plot.hitRegions.back().lastRow, 1);
    }
    EXPECT_TRUE(wide->plot.hitRegions[1].rect.IsEmpty()); // no chart: empty region 1
    auto narrow = List(10);
    narrow->SetOptions(test::kPageSections);
    RecordingCanvas dc;
    narrow->Draw(dc);
    EXPECT_EQ(narrow->plot.hitRegions.back().lastColumn, 8);
    EXPECT_EQ(narrow->plot.hitRegions.back().stride, 9);
    EXPECT_GE(narrow->plot.hitRegions.back().rect.left, narrow->plot.sideRegion.left);
}

TEST(ListChart, PrintedTableMovesToTheNextPageOrIsLeftOut) {
    RecordingCanvas printer(true, {2100, 2970});
    auto fits = List(300); // 15 rows fit under the chart and the boxes
    fits->SetOptions(test::kPageSections);
    EXPECT_EQ(fits->GetPageCount(printer), 1);

    auto moves = List(600); // 30 rows: 1400 units do not fit under the boxes
    moves->SetOptions(test::kPageSections);
    ASSERT_EQ(moves->GetPageCount(printer), 2);
    for (int page = 1; page <= 2; ++page) {
        printer.Clear();
        moves->PrintPage(printer, page);
        const auto lines = printer.Lines();
        EXPECT_EQ(Count(lines, "\"" + std::to_string(page) + "/2\""), 1) << page;
        EXPECT_EQ(Count(lines, "\"Measured covers [mm]\""), page == 2 ? 1 : 0) << page;
        EXPECT_EQ(Count(lines, "\"Statistic\""), page == 1 ? 1 : 0) << page;
        EXPECT_EQ(Count(lines, "brush pattern"), page == 1 ? 1 : 0) << page;
        // Page 1 has the cover axis label 30, page 2 the 600 readings.
        EXPECT_EQ(Count(lines, "\"30\" (font 32/0/400, right baseline"), page == 2 ? 600 : 1) << page;
    }
    // Too long for an empty page: left out, one page.
    auto tooLong = List(1500);
    tooLong->SetOptions(test::kPageSections);
    EXPECT_EQ(tooLong->GetPageCount(printer), 1);
    printer.Clear();
    tooLong->PrintPage(printer, 1);
    EXPECT_EQ(Count(printer.Lines(), "\"Measured covers [mm]\""), 0);
    // Paper too small: nothing printed.
    RecordingCanvas small(true, {1398, 2970});
    fits->PrintPage(small, 1);
    EXPECT_TRUE(small.Texts().empty());
}

TEST(ListChart, SizesOfScreenPageAndCopy) {
    auto l = List(12);
    l->SetOptions(test::kPageSections);
    Extent screen = l->GetExtent();
    EXPECT_EQ(screen.cx, l->plot.content.right + 30);
    EXPECT_EQ(screen.cy, l->plot.content.bottom + 20);
    EXPECT_GT(screen.cy, l->plot.chart.bottom + 30);
    Extent copy = l->GetCopySize();
    EXPECT_EQ(copy.cx, l->plot.content.right + 15);
    EXPECT_EQ(copy.cy, l->plot.content.bottom + 20);
    // A layout pass records no hit regions and needs no device.
    EXPECT_TRUE(l->plot.hitRegions.empty());
}

} // namespace
} // namespace vordalis
