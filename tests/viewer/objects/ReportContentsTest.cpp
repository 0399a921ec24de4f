// The contents pages of a report: main results, first pages, skipped files, page footers.
#include "objects/ReportContents.h"
#include "model/ByteSource.h"
#include "model/ObjectFactory.h"
#include "model/TBasicObj.h"
#include "objects/RegisterObjects.h"
#include "plot/RecordingCanvas.h"
#include "text/Utf16.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vordalis;

namespace {

constexpr Size kA4{2100, 2970};

std::unique_ptr<TBasicObj> Load(const std::string& name) {
    static bool registered = (RegisterAllObjectTypes(), true);
    (void)registered;
    FileSource file(std::string(VORDALIS_SAMPLES) + "/" + name + ".vdo");
    return CreateObjectFromFile(file);
}

std::vector<std::string> Texts(const ReportContents& c, int page) {
    RecordingCanvas dc(true, kA4);
    c.PaintContents(dc, page);
    return dc.Texts();
}

bool Has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

TEST(ReportContents, MainResultOfEveryKind) {
    const std::pair<const char*, const char*> cases[] = {
        {"list_metric", "m = 31.9 mm,  <s(Min) = 13.0 %"},
        {"bars_metric", "m = 38.4 / 53.6 mm,  <s(Min) = 25.0 / 0.0 %"},
        {"raster_inch", "m = 1.69 in,  <s(Min) = 20.8 %"},
        {"rebound_jap_curve", "m = 36.5 R,  fck = 4131 psi"},
        {"china_2011", "m = 40.2 R,  f = 40.8 MPa"},
        {"summary_series", "m = 37.9 R,  fck = 38.9 N/mm\u00B2"},
        {"summary_china", "f = 21.5 MPa"},
    };
    for (const auto& [name, result] : cases) {
        auto obj = Load(name);
        ASSERT_TRUE(obj) << name;
        EXPECT_EQ(U16ToUtf8(MainResult(*obj)), result) << name;
    }
}

// One object of each kind of page count and a skipped file: the rows name every object with
// the page it starts on, after the one contents page.
TEST(ReportContents, RowsNameEveryObjectWithItsFirstPage) {
    ReportContents c(u"Bridge 7", OleDate::FromParts({2026, 12, 10, 9, 0, 0}), ReportLabels{}, {}, kA4);
    auto list = Load("list_metric"), china = Load("china_2011");
    c.AddObject("list_metric.vdo", *list, 2);
    c.AddSkipped("bad.vdo", u"bad.vdo:\nObject empty or not valid");
    c.AddObject("china_2011.vdo", *china, 1);
    EXPECT_EQ(c.ContentsPages(), 1);
    EXPECT_EQ(c.TotalPages(), 4);
    std::vector<std::string> t = Texts(c, 1);
    EXPECT_TRUE(Has(t, "Bridge 7"));
    EXPECT_TRUE(Has(t, "Date of the report: 2026-12-10"));
    // Row of the list: type, number, title, date, result, page 2; the China object on page 4.
    auto row = std::find(t.begin(), t.end(), "Cover list");
    ASSERT_NE(row, t.end());
    EXPECT_EQ(std::vector<std::string>(row, row + 6),
              (std::vector<std::string>{"Cover list", "100123", "Deck east", "2024-03-14",
                                        "m = 31.9 mm,  <s(Min) = 13.0 %", "2"}));
    row = std::find(t.begin(), t.end(), "JGJ/T 23 series");
    ASSERT_NE(row, t.end());
    EXPECT_EQ(row[5], "4");
    // Skipped files come last, under their heading, with the message on one line.
    auto skipped = std::find(t.begin(), t.end(), "Skipped files");
    ASSERT_NE(skipped, t.end());
    EXPECT_EQ(skipped[1], "bad.vdo: Object empty or not valid");
    EXPECT_GT(skipped - t.begin(), row - t.begin());

    RecordingCanvas dc(true, kA4);
    c.PaintFooter(dc, 3);
    EXPECT_EQ(dc.Texts(), std::vector<std::string>{"3 / 4"});
    // Centred, half-way down the default bottom border of 10 mm.
    EXPECT_FALSE(dc.Lines("text 1050,2920 \"3 / 4\"").empty()) << dc.Dump();
}

// Many objects: the contents run over several pages, every row on exactly one of them, and
// the first pages count the contents pages; wide borders leave fewer rows per page.
TEST(ReportContents, LongContentsContinueOnNextPages) {
    auto obj = Load("rebound_instrument");
    for (settings::PageBorders borders :
         {settings::PageBorders{}, settings::PageBorders{600, 600, 150, 150}}) {
        ReportContents c(u"R", OleDate::Now(), ReportLabels{}, borders, kA4);
        for (int i = 0; i < 150; ++i) c.AddObject("f" + std::to_string(i), *obj, 1 + i % 2);
        const int contents = c.ContentsPages();
        EXPECT_GE(contents, borders.top == 600 ? 5 : 3);
        int rows = 0;
        std::vector<std::string> firstPages;
        for (int p = 1; p <= contents; ++p) {
            std::vector<std::string> t = Texts(c, p);
            const int onPage = static_cast<int>(std::count(t.begin(), t.end(), "Rebound series"));
            EXPECT_GT(onPage, 0) << p;
            rows += onPage;
        }
        EXPECT_EQ(rows, 150);
        std::vector<ReportEntry> e = c.Entries();
        EXPECT_EQ(e.front().firstPage, contents + 1);
        EXPECT_EQ(e.back().firstPage, contents + 1 + 75 * 1 + 74 * 2);
        EXPECT_EQ(c.TotalPages(), contents + 75 + 75 * 2);
    }
}

} // namespace
