// The series page through the recording canvas: layout, limit band, bar colours per colour
// mode, values over the bars, mean line, the parameter and statistics block and the table.
#include "SeriesFixture.h"
#include "plot/RecordingCanvas.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vordalis;
using vordalis::test::Extension;
using vordalis::test::SeriesFile;

namespace {

std::unique_ptr<TTorvBars> Series(std::vector<int> values, int lower, int upper, int flags = 0x02) {
    SeriesFile f;
    f.values = std::move(values);
    f.extension = Extension(1, 1, 0, 1, lower, upper, flags);
    auto s = f.Read();
    EXPECT_TRUE(s->valid);
    return s;
}

bool Has(const std::vector<std::string>& lines, const std::string& l) {
    return std::find(lines.begin(), lines.end(), l) != lines.end();
}
bool Contains(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

// The colour a solid fill of exactly this rectangle was painted in; empty when there is none.
std::string BarColour(const std::vector<std::string>& fills, const Rect& r) {
    const std::string start = "fill " + RecordingCanvas::Describe(r) + " brush solid ";
    for (const auto& l : fills)
        if (l.rfind(start, 0) == 0) return l.substr(start.size());
    return "";
}

// The text lines with exactly this text.
std::vector<std::string> TextLines(const RecordingCanvas& c, const std::string& text) {
    std::vector<std::string> out;
    for (const auto& l : c.Lines("text "))
        if (l.find(" \"" + text + "\" ") != std::string::npos) out.push_back(l);
    return out;
}

Rect BarRect(const TBasicPlot& p, int i, double v) {
    return {p.XToPixel(i - 0.4), p.YToPixel(v, true), p.XToPixel(i + 0.4), p.YToPixel(0, true)};
}

} // namespace

TEST(SeriesPlot, LimitBandSpansLowerToSmallerOfUpperAndMargin) {
    for (auto [largest, top] : {std::pair{50, 40.0}, std::pair{30, 33.0}}) {
        auto s = Series({25, largest, 15}, 20, 40);
        s->SetOptions(test::kPageSections);
        RecordingCanvas c;
        s->Draw(c);
        const TTorvBarsPlot& p = s->plot;
        Rect band{p.chartFrame.left, p.YToPixel(top, true), p.chartFrame.right, p.YToPixel(20, true)};
        EXPECT_EQ(p.bandRect, band) << largest;
        auto fills = c.Lines("fill ");
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0], "fill " + RecordingCanvas::Describe(band) + " brush pattern #FFFFFF #D0D0D0");
        // The band is the chart's hit region for the Limit dialog.
        int row = 0;
        EXPECT_EQ(s->HitRegion((band.left + band.right) / 2, band.bottom - 2, &row),
                  TBasicObj::kRegionLimits);
    }
    // No band without the limit display, or when every value lies below the lower limit.
    for (auto [values, flags] :
         {std::pair{std::vector<int>{25, 50}, 0}, std::pair{std::vector<int>{12, 15}, 2}}) {
        auto s = Series(values, 20, 40, flags);
        s->SetOptions(test::kPageSections);
        RecordingCanvas c;
        s->Draw(c);
        EXPECT_TRUE(s->plot.bandRect.IsEmpty());
        for (const auto& l : c.Lines("fill ")) EXPECT_EQ(l.find("pattern"), std::string::npos);
    }
}

TEST(SeriesPlot, BarColoursByModeAndLimits) {
    struct Painted {
        std::string inside, outside; // the bars' fill colours
        bool redTable;               // the table shows outside values in red
    };
    auto paint = [](int mode) {
        auto s = Series({30, 20, 41, 19}, 20, 40);
        s->SetOptions(opts::WithColourMode(test::kPageSections, mode));
        RecordingCanvas c;
        s->Draw(c);
        const auto fills = c.Lines("fill ");
        const TBasicPlot& p = s->plot;
        // At the limits is inside; above the upper or below the lower limit is outside.
        Painted painted{BarColour(fills, BarRect(p, 1, 30)), BarColour(fills, BarRect(p, 3, 41)), false};
        EXPECT_EQ(BarColour(fills, BarRect(p, 2, 20)), painted.inside) << mode;
        EXPECT_EQ(BarColour(fills, BarRect(p, 4, 19)), painted.outside) << mode;
        EXPECT_NE(painted.inside, painted.outside) << mode;
        auto cell = TextLines(c, "41");
        EXPECT_EQ(cell.size(), 1u) << mode;
        painted.redTable = !cell.empty() && Contains(cell[0], "#FF0000");
        EXPECT_TRUE(painted.redTable || (!cell.empty() && Contains(cell[0], "#000000"))) << mode;
        const auto inside = TextLines(c, "30");
        EXPECT_TRUE(!inside.empty() && Contains(inside[0], "#000000")) << mode;
        return painted;
    };
    const Painted grey = paint(opts::kGrayscale), inverted = paint(opts::kInvertedGrayscale),
                  greenRed = paint(opts::kGreenRed), spectral = paint(opts::kSpectral), other = paint(7);
    EXPECT_EQ(grey.inside, "#585858");
    EXPECT_EQ(grey.outside, "#909090");
    EXPECT_EQ(spectral.inside, "#0080C0");
    EXPECT_EQ(greenRed.outside, "#C80000");
    // The inverted scale swaps the two greys; both coloured modes mark outside bars in the same
    // red and differ inside; an unknown mode paints as green/red.
    EXPECT_EQ(inverted.inside, grey.outside);
    EXPECT_EQ(inverted.outside, grey.inside);
    EXPECT_EQ(spectral.outside, greenRed.outside);
    EXPECT_NE(spectral.inside, greenRed.inside);
    for (const std::string& shade : {grey.inside, grey.outside}) EXPECT_NE(greenRed.inside, shade);
    EXPECT_EQ(other.inside, greenRed.inside);
    EXPECT_EQ(other.outside, greenRed.outside);
    // The table shows the outside values in red only in the coloured modes.
    EXPECT_FALSE(grey.redTable);
    EXPECT_FALSE(inverted.redTable);
    EXPECT_TRUE(greenRed.redTable);
    EXPECT_TRUE(spectral.redTable);
    EXPECT_TRUE(other.redTable);

    // Without the limit display every bar is a normal bar.
    auto s = Series({30, 41}, 20, 40, 0);
    s->SetOptions(opts::WithColourMode(test::kPageSections, opts::kGrayscale));
    RecordingCanvas c;
    s->Draw(c);
    EXPECT_EQ(BarColour(c.Lines("fill "), BarRect(s->plot, 2, 41)), grey.inside);
}

TEST(SeriesPlot, ThreeValuesValuesOverBarsAndMeanLine) {
    auto s = Series({30, 0, 36}, 0, 99, 0x01);
    s->SetOptions(opts::WithColourMode(test::kPageSections | opts::kValues, opts::kSpectral));
    RecordingCanvas c;
    s->Draw(c);
    const TTorvBarsPlot& p = s->plot;
    EXPECT_DOUBLE_EQ(p.axisX.max, 6);
    EXPECT_FALSE(p.stacked); // a short series leaves room beside the chart
    auto fills = c.Lines("fill ");
    EXPECT_EQ(std::count_if(fills.begin(), fills.end(),
                            [](auto& l) { return l.find("#0080C0") != std::string::npos; }),
              2); // no bar for the reading of 0
    // Each value 36 units above its bar, centred.
    for (auto [i, v] : {std::pair{1, 30}, std::pair{3, 36}}) {
        Rect r = BarRect(p, i, v);
        std::string expected = "text " + std::to_string((r.left + r.right) / 2) + "," +
                               std::to_string(r.top - 36) + " \"" + std::to_string(v) +
                               "\" (font 32/0/400, center top, colour #000000)";
        EXPECT_TRUE(Has(c.Lines("text "), expected)) << expected;
    }
    // The mean line (mean 33) runs from 10 left of x = 0 to 10 right of x = 6, 5 units wide.
    auto lines = c.Dump();
    int y = p.YToPixel(33, true);
    std::string mean = "line " + std::to_string(p.XToPixel(0) - 10) + "," + std::to_string(y) + " " +
                       std::to_string(p.XToPixel(6) + 10) + "," + std::to_string(y);
    auto pos = lines.find(mean);
    ASSERT_NE(pos, std::string::npos);
    EXPECT_NE(lines.rfind("pen solid 5 #000000", pos), std::string::npos);
}

TEST(SeriesPlot, SectionsGoBelowTheChartWhenThereIsNoRoom) {
    auto wide = Series(std::vector<int>(20, 40), 0, 99);
    wide->SetOptions(test::kPageSections);
    RecordingCanvas c;
    wide->Draw(c);
    EXPECT_TRUE(wide->plot.stacked);
    EXPECT_GT(wide->plot.section.top, wide->plot.chartFrame.bottom);
    // A narrow printed page with a short series: the 500-unit chart plus margins leaves no room.
    auto narrow = Series({40, 41, 42}, 0, 99);
    narrow->SetOptions(test::kPageSections);
    RecordingCanvas printer(true, {1400, 2970});
    narrow->PrintPage(printer, 1);
    EXPECT_TRUE(narrow->plot.stacked);
    EXPECT_EQ(narrow->plot.chartFrame.Width(), 500);
}

TEST(SeriesPlot, ParameterAndStatisticsBlock) {
    SeriesFile f;
    f.values = {40, 40, 40, 40};
    f.extension = Extension(15, 3, 3, 3, 0, 99, 0x40, "1.00\t1.00\t", "0.0125\t-0.50\t12.3");
    f.outlierMode = 2;
    f.direction = 3;
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    s->SetOptions(test::kPageSections);
    RecordingCanvas c;
    s->Draw(c);
    auto texts = c.Texts();
    auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has("Set parameters"));
    EXPECT_TRUE(has("M3"));
    EXPECT_TRUE(has("Fx"));
    EXPECT_TRUE(has("fc(R) = 0.0125 R\u00B2 + -0.50 R + 12.3"));
    EXPECT_TRUE(has("3    "));
    EXPECT_TRUE(has("mm"));
    EXPECT_TRUE(has("Median rebound value"));
    EXPECT_TRUE(has("Median compressive strength"));
    EXPECT_TRUE(has("fck  ="));
    EXPECT_TRUE(has("Span"));
    // Measured at +90° and shown at +90°: no correction; the median is 40.
    double fc = (0.0125 * 1600 - 0.5 * 40 + 12.3) * 0.766744;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.0lf    ", fc * 145);
    EXPECT_TRUE(has(buf)) << buf;
    EXPECT_TRUE(has("psi"));
    // The +90° arrow, a 3-unit pen, shaft straight up in the value column.
    auto row = TextLines(c, "Impact direction");
    ASSERT_EQ(row.size(), 1u);
    int x = 0, y = 0;
    std::sscanf(row[0].c_str(), "text %d,%d", &x, &y);
    std::string shaft = "line " + std::to_string(x + 644) + "," + std::to_string(y) + " " +
                        std::to_string(x + 644) + "," + std::to_string(y - 24);
    auto dump = c.Dump();
    auto pos = dump.find(shaft);
    ASSERT_NE(pos, std::string::npos) << shaft;
    EXPECT_NE(dump.rfind("pen solid 3 #000000", pos), std::string::npos);
    // The parameter block is the settings region.
    int cell = 0;
    EXPECT_EQ(s->HitRegion(x + 10, y - 5, &cell), TBasicObj::kRegionSettings);

    // Without a curve there is no strength row; without values no statistics numbers.
    s->curve = 0;
    RecordingCanvas c2;
    s->Draw(c2);
    texts = c2.Texts();
    EXPECT_FALSE(has("fck  ="));
    EXPECT_FALSE(has("Conversion curve"));
}

TEST(SeriesPlot, TableCellsAreHitRegionsOfTheValues) {
    auto s = Series({31, 32, 33, 34, 35}, 0, 99);
    s->SetOptions(test::kPageSections);
    RecordingCanvas c;
    s->Draw(c);
    auto cell = TextLines(c, "34");
    ASSERT_EQ(cell.size(), 1u);
    int x = 0, y = 0;
    std::sscanf(cell[0].c_str(), "text %d,%d", &x, &y);
    int row = -1;
    EXPECT_GE(s->HitRegion(x - 10, y - 5, &row), 3);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(s->RowValue(row), 34);
    // The empty cells after the last value are no rows.
    EXPECT_EQ(s->HitRegion(x + 150, y - 5, &row), -1);
    EXPECT_EQ(row, -1);
    // More than 256 values: no table.
    auto many = Series(std::vector<int>(257, 30), 0, 99);
    many->SetOptions(test::kPageSections);
    RecordingCanvas c2;
    many->Draw(c2);
    auto texts = c2.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Measured rebound value [R]"), 0);
}
