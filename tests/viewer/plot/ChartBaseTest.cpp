// The chart base through a minimal painter and the recording canvas.
#include "plot/RecordingCanvas.h"
#include "plot/TBasicPlot.h"
#include "plot/TextFormat.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vordalis {
namespace {

// An object that only carries the common fields.
class PlainObj : public TBasicObj {
public:
    bool Write(ObjectWriter&) override { return false; }
    void Draw(Canvas&) override {}
    void PrintPage(Canvas&, int) override {}
    void DrawCopy(Canvas&) override {}
    Extent GetExtent() override { return {}; }
    int GetPageCount(Canvas&) override { return 1; }
    Extent GetCopySize() override { return {}; }
    int GetEditFlags() override { return 0; }
};

// A painter with a depth chart at (150, 300)-(650, 1200) and one block per page-fill of
// blockHeight units below it, so the page logic can be watched.
class TestPlot : public TBasicPlot {
public:
    int blockHeight = 0;
    std::vector<int> blockPages;

    bool Paint(Canvas* dc, TBasicObj& obj, int32_t o) {
        BeginDraw(dc, o);
        PlaceChart({150, 300, 650, 1200}, 0, 0);
        content = content.United(GetChartRect());
        DrawHeader(obj);
        DrawAxes(false);
        DrawGrid(false);
        blockPages.clear();
        int y = content.bottom + 50;
        for (int i = 0; i < 3 && blockHeight > 0; ++i) {
            int p = PlaceOnPage(y, blockHeight);
            blockPages.push_back(p);
            if (p && DrawsPage(p)) device->TextOut(page.left, y, Printf("block %d", i));
            if (p) y += blockHeight;
        }
        EndDraw();
        return true;
    }
    bool DrawScreen(Canvas* dc, TBasicObj& obj, int32_t o) override {
        return SetupScreen(dc) && Paint(dc, obj, o);
    }
    bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t o, int p) override {
        if (!SetupPrint(dc)) return false;
        currentPage = p;
        return Paint(p > 0 ? dc : nullptr, obj, o);
    }
    bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t o) override {
        return SetupCopy(dc) && Paint(dc, obj, o);
    }
};

constexpr int32_t kAll = opts::kHeader | opts::kChart | opts::kAxis;

bool Has(const std::vector<std::string>& lines, const std::string& needle) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(needle) != std::string::npos; });
}

TEST(NiceStep, TableRowsAndLimits) {
    struct Case {
        double span, step;
        int minor;
    } cases[] = {
        {0.0399, 0, 0}, {0.04, 0.01, 1}, {0.0799, 0.01, 1}, {0.08, 0.02, 1},     {0.3, 0.05, 4},
        {3.9, 0.5, 4},  {4, 1, 1},       {39, 5, 4},        {99, 20, 1},         {999, 100, 1},
        {1000, 250, 1}, {5000, 1250, 1}, {79999, 10000, 1}, {99999.9, 10000, 1}, {100000, 0, 0},
    };
    for (const auto& c : cases) {
        double step = -1;
        int minor = -1;
        bool ok = TBasicPlot::NiceStep(10, 10 + c.span, &step, &minor);
        EXPECT_DOUBLE_EQ(step, c.step) << c.span;
        EXPECT_EQ(minor, c.minor) << c.span;
        EXPECT_EQ(ok, c.step != 0) << c.span;
    }
    double step;
    int minor;
    TBasicPlot::NiceStep(50, 0, &step, &minor); // reversed ends give the same step
    EXPECT_DOUBLE_EQ(step, 10);
}

TEST(Axis, SetAxisRefusesSpansAndNormalisesTicks) {
    TestPlot p;
    EXPECT_FALSE(p.SetAxis(p.axisX, 0, 0.009, 1, 1, 0, false));
    EXPECT_FALSE(p.SetAxis(p.axisX, 0, 99999, 1, 1, 0, false));
    EXPECT_TRUE(p.SetAxis(p.axisX, 0, 0.01, 0.01, 1, 2, false));

    EXPECT_TRUE(p.SetAxis(p.axisY, 0, 50, -5, 3, 7, true));
    EXPECT_EQ(p.axisY.step, 0);
    EXPECT_EQ(p.axisY.minorTicks, 0); // no step, no minor ticks
    EXPECT_EQ(p.axisY.labelFormat, "%lf");
    EXPECT_TRUE(p.SetAxis(p.axisY, 0, 50, 10, 0, 2, false));
    EXPECT_EQ(p.axisY.minorTicks, 0);
    EXPECT_EQ(p.axisY.labelFormat, "%0.2lf");
    // A fresh SetAxis drops the old scale until the axis is placed again.
    p.PlaceChart({0, 0, 500, 500}, 0, 0);
    EXPECT_TRUE(p.axisY.HasScale());
    p.SetAxis(p.axisY, 0, 60, 10, 1, 0, false);
    EXPECT_FALSE(p.axisY.HasScale());
    p.PlaceAxis(p.axisY, 100, 100, 0); // no length: no scale
    EXPECT_FALSE(p.axisY.HasScale());
}

TEST(Axis, PixelConversionsAcceptOnlyTheSpan) {
    TestPlot p;
    PlainObj obj;
    p.SetAxis(p.axisX, 2, 12, 1, 1, 0, false);
    p.SetAxis(p.axisY, 0, 90, 10, 1, 0, false);
    p.SetupScreen(nullptr);
    p.BeginDraw(nullptr, kAll);
    p.PlaceChart({100, 200, 600, 1100}, 0, 0);
    EXPECT_DOUBLE_EQ(p.XFromPixel(100), 2);
    EXPECT_DOUBLE_EQ(p.XFromPixel(500), 10);
    EXPECT_EQ(p.XFromPixel(550), -1);     // 11 lies beyond the span of 10
    EXPECT_DOUBLE_EQ(p.XFromPixel(0), 0); // the test is against the span, not the range
    EXPECT_EQ(p.XFromPixel(-10), -1);
    // Depth chart: 0 at the top edge, growing down; upward chart: maximum at the top.
    EXPECT_DOUBLE_EQ(p.YFromPixel(200, false), 0);
    EXPECT_DOUBLE_EQ(p.YFromPixel(300, false), 10);
    EXPECT_DOUBLE_EQ(p.YFromPixel(300, true), 80);
    EXPECT_EQ(p.YFromPixel(190, false), -1);
    EXPECT_EQ(p.YToPixel(10, false), 300);
    EXPECT_EQ(p.YToPixel(10, true), 1000);
    EXPECT_EQ(p.XToPixel(3), 150);
    EXPECT_EQ(p.GetChartRect(), (Rect{100, 200, 600, 1100}));

    p.opts = opts::kHeader; // chart hidden: no read-out
    EXPECT_EQ(p.XFromPixel(300), -1);
    EXPECT_EQ(p.YFromPixel(300, false), -1);
    p.EndDraw();

    TestPlot unscaled;
    EXPECT_EQ(unscaled.GetChartRect(), Rect{});
    EXPECT_EQ(unscaled.XFromPixel(0), -1);
}

TEST(Header, LayoutTextsAndRegionZero) {
    TestPlot p;
    PlainObj obj;
    obj.instrumentCode = u"V5";
    obj.idPart1 = u"1234";
    obj.idPart2 = u"AB";
    obj.title = u"Deck 3";
    obj.name = u"Pier";
    obj.remarks = u"north side";
    obj.date = OleDate::FromParts({2024, 3, 7, 0, 0, 0});
    p.SetAxis(p.axisX, 0, 10, 1, 1, 0, false);
    p.SetAxis(p.axisY, 0, 90, 10, 1, 0, false);
    RecordingCanvas dc;
    ASSERT_TRUE(p.DrawScreen(&dc, obj, kAll));
    const auto& L = dc.Lines();
    EXPECT_TRUE(Has(L, "mapping screen"));
    EXPECT_TRUE(Has(L, "text 30,75 \"MORVEX - VERNOSKANT 5 (1234, AB)\" (font 40/0/600, left baseline"));
    EXPECT_TRUE(Has(L, "text 1670,75 \"Rebar Locator\" (font 40/0/600, right baseline"));
    EXPECT_TRUE(Has(L, "text 30,130 \"Title:\""));
    EXPECT_TRUE(Has(L, "text 590,130 \"Date:\""));
    EXPECT_TRUE(Has(L, "text 1030,130 \"Name:\""));
    EXPECT_TRUE(Has(L, "text 30,170 \"Remarks:\""));
    EXPECT_TRUE(Has(L, "text 180,130 \"Deck 3\" (font 32/0/400"));
    EXPECT_TRUE(Has(L, "text 740,130 \"07-Mar-2024\""));
    EXPECT_TRUE(Has(L, "text 1170,130 \"Pier\""));
    EXPECT_TRUE(Has(L, "text 330,170 \"north side\""));
    EXPECT_TRUE(Has(L, "line 30,190 1670,190"));
    EXPECT_FALSE(Has(L, "\"1/1\"")); // page numbers only on paper
    ASSERT_GE(p.hitRegions.size(), 1u);
    EXPECT_EQ(p.header, (Rect{30, 30, 1670, 190}));
    int cell = 5;
    EXPECT_EQ(p.FindHitRegion(40, 100, &cell), 0);
    EXPECT_EQ(cell, 0);
    EXPECT_EQ(p.FindHitRegion(40, 400, &cell), -1);
    EXPECT_EQ(cell, -1);

    // Without the header bit: empty header, empty region 0, nothing written.
    RecordingCanvas dc2;
    ASSERT_TRUE(p.DrawScreen(&dc2, obj, opts::kChart | opts::kAxis));
    EXPECT_TRUE(p.header.IsEmpty());
    EXPECT_TRUE(p.hitRegions.at(0).rect.IsEmpty());
    EXPECT_EQ(p.FindHitRegion(30, 30, &cell), -1);
    EXPECT_FALSE(Has(dc2.Lines(), "MORVEX"));
}

TEST(Header, FamiliesAndIdentification) {
    struct Case {
        const char16_t* code;
        int type;
        const char16_t *p1, *p2;
        std::string heading;
    } cases[] = {
        {u"VX", 1, u"", u"", "MORVEX - VERNOSKANT\""},
        {u"V4", 2, u"", u"7", "MORVEX - VERNOSKANT 4 (7)\""},
        {u"MX", 1, u"9", u"", "MORVEX - MELOX (9)\""},
        {u"TH", 6, u"1", u"2", "MORVEX - TORVIHAMMER (1, 2)\""},
        {u"TH", 7, u"1", u"2", "MORVEX - TORVIHAMMER SUMMARY\""},
        {u"TH", 8, u"", u"", "MORVEX - TORVIHAMMER CHINA\""},
    };
    for (const auto& c : cases) {
        TestPlot p;
        PlainObj obj;
        obj.instrumentCode = c.code;
        obj.type = c.type;
        obj.idPart1 = c.p1;
        obj.idPart2 = c.p2;
        RecordingCanvas dc;
        p.DrawScreen(&dc, obj, opts::kHeader);
        EXPECT_TRUE(Has(dc.Lines(), "\"" + c.heading)) << c.heading << "\n" << dc.Dump();
    }
    // Rebound dates carry the time of day; an invalid date prints the invalid-date text.
    TestPlot p;
    PlainObj obj;
    obj.type = 6;
    obj.date = OleDate::FromParts({2023, 12, 31, 14, 5, 0});
    RecordingCanvas dc;
    p.DrawScreen(&dc, obj, opts::kHeader);
    EXPECT_TRUE(Has(dc.Lines(), "\"31-Dec-2023 14:05\""));
    obj.type = 1;
    obj.date = OleDate::FromParts({2023, 2, 31, 0, 0, 0});
    dc.Clear();
    p.DrawScreen(&dc, obj, opts::kHeader);
    EXPECT_TRUE(Has(dc.Lines(), "\"Invalid DateTime\""));
}

TEST(Setup, PrintNeedsAPrinterWithEnoughPaperAndUsesTheBorders) {
    TestPlot p;
    RecordingCanvas screen;
    EXPECT_FALSE(p.SetupPrint(&screen));
    EXPECT_FALSE(p.SetupPrint(nullptr));
    struct Case {
        int w, h;
        bool ok;
    } cases[] = {{1398, 2970, false}, {2100, 998, false}, {1399, 999, true}, {2100, 1480, true}};
    for (const auto& c : cases) {
        RecordingCanvas printer(true, {c.w, c.h});
        EXPECT_EQ(p.SetupPrint(&printer), c.ok) << c.w << "x" << c.h;
    }
    RecordingCanvas printer(true, {2100, 2970});
    EXPECT_FALSE(p.SetupScreen(&printer));
    EXPECT_FALSE(p.SetupCopy(&printer));

    settings::WritePageBorders({200, 120, 250, 100});
    ASSERT_TRUE(p.SetupPrint(&printer));
    EXPECT_EQ(p.page, (Rect{250, 200, 2000, 2850}));
    EXPECT_TRUE(p.isPrint);
    settings::WritePageBorders({});
    ASSERT_TRUE(p.SetupPrint(&printer));
    EXPECT_EQ(p.page, (Rect{150, 150, 1950, 2870}));

    ASSERT_TRUE(p.SetupCopy(nullptr));
    EXPECT_EQ(p.page, (Rect{15, 20, 1715, 2080}));
    EXPECT_TRUE(p.isCopy);
    EXPECT_FALSE(p.isPrint);
}

TEST(Axes, TicksLabelsFrameAndGrid) {
    TestPlot p;
    PlainObj obj;
    p.SetAxis(p.axisX, 0, 10, 5, 4, 0, false);
    p.SetAxis(p.axisY, 0, 90, 30, 1, 0, false);
    p.axisX.title = u"Reading";
    p.axisY.title = u"Cover [mm]";
    RecordingCanvas dc;
    p.DrawScreen(&dc, obj, opts::kChart | opts::kAxis | opts::kGrid);
    const auto& L = dc.Lines();
    // Depth chart (150,300)-(650,1200): axis along the top and the left, 30 units off.
    EXPECT_TRUE(Has(L, "line 680,270 120,270"));
    EXPECT_TRUE(Has(L, "line 120,270 120,1230"));
    EXPECT_FALSE(Has(L, "line 120,1230 680,1230")); // no frame
    EXPECT_TRUE(Has(L, "text 400,225 \"Reading\""));
    // X has no unit: ticks at 0, 5, 10 without labels; 4 minor ticks between.
    EXPECT_TRUE(Has(L, "line 400,270 400,292"));
    EXPECT_TRUE(Has(L, "line 200,270 200,285"));
    EXPECT_FALSE(Has(L, "\"5\""));
    // Y has a unit: labels at 0, 30, 60, 90, right aligned 35 left of the chart.
    for (auto t : {"text 115,310 \"0\"", "text 115,610 \"30\"", "text 115,1210 \"90\""})
        EXPECT_TRUE(Has(L, t)) << t;
    EXPECT_TRUE(Has(L, "text 20,750 \"Cover [mm]\" (font 32/900/400, center baseline"));
    // Screen grid: solid grey, at every major tick, 8 units past the chart.
    EXPECT_TRUE(Has(L, "pen solid 0 #808080"));
    EXPECT_TRUE(Has(L, "line 400,292 400,1208"));
    EXPECT_TRUE(Has(L, "line 142,900 658,900"));

    // The same title without brackets loses the labels; frame mirrors the ticks.
    p.axisY.title = u"Cover mm";
    p.axisX.title = u"x [m]";
    p.axisX.labelsTimes1000 = true;
    dc.Clear();
    p.DrawScreen(&dc, obj, opts::kChart | opts::kFrame);
    EXPECT_FALSE(Has(dc.Lines(), "\"30\""));
    EXPECT_TRUE(Has(dc.Lines(), "text 400,267 \"5000\""));
    EXPECT_TRUE(Has(dc.Lines(), "line 120,1230 680,1230"));
    EXPECT_TRUE(Has(dc.Lines(), "line 400,1230 400,1208"));
    EXPECT_TRUE(Has(dc.Lines(), "line 680,600 658,600"));

    // An upward chart has its reading axis along the bottom.
    dc.Clear();
    p.SetupScreen(&dc);
    p.BeginDraw(&dc, opts::kChart | opts::kAxis);
    p.PlaceChart({150, 300, 650, 1200}, 0, 0);
    EXPECT_TRUE(p.DrawAxes(true));
    EXPECT_FALSE(p.DrawGrid(true)); // grid bit clear
    p.EndDraw();
    EXPECT_TRUE(Has(dc.Lines(), "line 120,270 120,1230"));
    EXPECT_TRUE(Has(dc.Lines(), "line 120,1230 680,1230"));
    EXPECT_TRUE(Has(dc.Lines(), "line 400,1230 400,1208"));
    EXPECT_TRUE(Has(dc.Lines(), "line 120,900 142,900")); // y = 30 from the bottom
}

TEST(Axes, NothingWithoutStartOrScale) {
    TestPlot p;
    EXPECT_FALSE(p.DrawAxes(false));
    p.SetupScreen(nullptr);
    p.BeginDraw(nullptr, kAll | opts::kGrid);
    EXPECT_FALSE(p.DrawAxes(false)); // not placed
    p.SetAxis(p.axisX, 0, 10, 1, 0, 0, false);
    p.SetAxis(p.axisY, 0, 10, 1, 0, 0, false);
    p.PlaceChart({0, 0, 100, 100}, 0, 0);
    EXPECT_TRUE(p.DrawAxes(false)); // layout pass: nothing to draw, but fine
    EXPECT_TRUE(p.DrawGrid(false));
    p.EndDraw();
}

TEST(Printing, GridIsDottedAndEveryHeaderCountsPages) {
    TestPlot p;
    PlainObj obj;
    p.SetAxis(p.axisX, 0, 10, 5, 0, 0, false);
    p.SetAxis(p.axisY, 0, 90, 30, 0, 0, false);
    p.blockHeight = 1200;
    RecordingCanvas printer(true, {2100, 2970});
    // Page 0 is the layout pass: it counts the pages without drawing.
    EXPECT_EQ(p.PageCount(printer, obj, kAll | opts::kGrid), 2);
    EXPECT_TRUE(printer.Texts().empty());
    EXPECT_EQ(p.blockPages, (std::vector<int>{1, 2, 2}));
    for (int page = 1; page <= 2; ++page) {
        printer.Clear();
        ASSERT_TRUE(p.DrawPrintPage(&printer, obj, kAll | opts::kGrid, page));
        EXPECT_TRUE(
            Has(printer.Lines(), "\"" + std::to_string(page) + "/2\" (font 32/0/400, right baseline"));
        EXPECT_TRUE(Has(printer.Lines(), "pen dotted 0 #000000"));
        auto texts = printer.Texts();
        int blocks = static_cast<int>(std::count_if(
            texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("block", 0) == 0; }));
        EXPECT_EQ(blocks, page == 1 ? 1 : 2);
    }
    // A block taller than an empty page is left out and adds no page.
    p.blockHeight = 2800;
    EXPECT_EQ(p.PageCount(printer, obj, kAll), 1);
    EXPECT_EQ(p.blockPages, (std::vector<int>{0, 0, 0}));
    // Too small paper: nothing printed, one (blank) page.
    RecordingCanvas small(true, {1398, 2000});
    EXPECT_EQ(p.PageCount(small, obj, kAll), 1);
}

TEST(HitRegions, CellsStrideLimitAndTargets) {
    TestPlot p;
    RecordingCanvas dc;
    p.SetupScreen(&dc);
    p.BeginDraw(&dc, 0);
    // A table of 5 values per row and 3 rows, cells 20 x 40, starting at row 2.
    ASSERT_TRUE(p.AddHitRegion({100, 500, 199, 619}, 0, 2, 4, 4, 5));
    const auto& h = p.hitRegions.back();
    EXPECT_EQ(h.cellWidth, 20);
    EXPECT_EQ(h.cellHeight, 40);
    int cell;
    EXPECT_EQ(p.FindHitRegion(100, 500, &cell), 1);
    EXPECT_EQ(cell, 10);
    EXPECT_EQ(p.FindHitRegion(145, 545, &cell), 1);
    EXPECT_EQ(cell, 2 + 3 * 5 + 0);
    EXPECT_EQ(p.FindHitRegion(199, 619, &cell), 1);
    EXPECT_EQ(cell, 4 + 4 * 5);
    // A stride below the column count is raised to it.
    p.AddHitRegion({0, 1000, 29, 1009}, 0, 0, 2, 0, 1);
    EXPECT_EQ(p.hitRegions.back().stride, 3);
    // The first region holding the point wins; at most 50 regions.
    while (p.hitRegions.size() < 50) EXPECT_TRUE(p.AddHitRegion({0, 0, 2000, 3000}, 0, 0, 0, 0, 1));
    EXPECT_FALSE(p.AddHitRegion({0, 0, 10, 10}, 0, 0, 0, 0, 1));
    EXPECT_EQ(p.FindHitRegion(150, 550, &cell), 1);
    p.EndDraw();

    // Printing and layout passes leave the screen's list alone.
    RecordingCanvas printer(true, {2100, 2970});
    p.SetupPrint(&printer);
    p.BeginDraw(&printer, kAll);
    EXPECT_TRUE(p.AddHitRegion({0, 0, 10, 10}, 0, 0, 0, 0, 1));
    p.EndDraw();
    EXPECT_EQ(p.hitRegions.size(), 50u);
}

TEST(Frame, EndDrawRestoresTheDeviceState) {
    TestPlot p;
    RecordingCanvas dc;
    Pen red{PenStyle::Solid, 3, Rgb(255, 0, 0)};
    dc.SetPen(red);
    dc.SetFont(Font{50, 0, 700});
    p.SetupScreen(&dc);
    p.BeginDraw(&dc, kAll);
    EXPECT_TRUE(dc.IsTransparent());
    EXPECT_EQ(dc.GetPen(), TBasicPlot::BlackPen());
    EXPECT_EQ(dc.GetFont(), p.normalFont);
    p.EndDraw();
    EXPECT_EQ(dc.GetPen(), red);
    EXPECT_EQ(dc.GetFont().height, 50);
    EXPECT_EQ(p.device, nullptr);
    EXPECT_FALSE(p.started);
}

} // namespace
} // namespace vordalis
