// Reading, writing, statistics and hit tests of the cover list.
#include "ListFiles.h"

#include "model/ObjectFactory.h"
#include "model/Strings.h"
#include "objects/RegisterObjects.h"
#include "plot/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace vordalis {
namespace {

using test::ListFile;

TEST(ListFile, HeaderHoldsFiveOrSixIntegers) {
    ListFile five = ListFile::With({31, 42, 27});
    auto a = five.Read();
    ASSERT_TRUE(a->valid);
    EXPECT_EQ(a->layerWord, 0);
    EXPECT_EQ(a->Count(), 3);

    ListFile six = five;
    six.header.insert(six.header.begin(), "150");
    auto b = six.Read();
    ASSERT_TRUE(b->valid);
    EXPECT_EQ(b->layerWord, 150);
    EXPECT_EQ(b->covers.Values(), (std::vector<int32_t>{31, 42, 27}));

    ListFile four = five;
    four.header.pop_back();
    EXPECT_FALSE(four.Read()->valid);

    // A seventh TAB-separated integer is the first cover, not part of the header.
    ListFile seven = six;
    seven.header.push_back("55");
    seven.covers.erase(seven.covers.begin());
    auto c = seven.Read();
    ASSERT_TRUE(c->valid);
    EXPECT_EQ(c->covers.Values(), (std::vector<int32_t>{55, 42, 27}));
}

TEST(ListFile, InchFilesAreConvertedToMillimetres) {
    for (const char* unit : {"inch", "in"}) {
        ListFile f = ListFile::With({150, 100, 0}, 200);
        f.unit = unit;
        f.diameter = "4";
        f.id = "V5i(1;2)-";
        auto l = f.Read();
        ASSERT_TRUE(l->valid) << unit;
        EXPECT_EQ(l->barDiameter, 13); // (4 * 254 + 40) / 80
        EXPECT_EQ(l->covers.Values(), (std::vector<int32_t>{38, 25, 0}));
        EXPECT_EQ(l->Limit(), 30); // limits stay in mm
        EXPECT_TRUE(l->Inches());
        EXPECT_EQ(l->covers.Unit(), u"in");
        // The axis runs to 1.1 x the converted largest cover (51 mm), shown in inches.
        EXPECT_NEAR(l->plot.axisY.max, 1.1 * 51 * 0.0394, 1e-9);
        EXPECT_EQ(l->plot.axisY.Title(), u"Cover [in]");
    }
    // Huge values of a damaged file convert without overflowing.
    ListFile huge = ListFile::With({2000000000}, 100);
    huge.unit = "in";
    huge.diameter = "2000000000";
    auto h = huge.Read();
    ASSERT_TRUE(h->valid);
    EXPECT_EQ(h->Cover(0), 508000000);
    EXPECT_EQ(h->barDiameter, INT32_MAX);

    ListFile cm = ListFile::With({10});
    cm.unit = "cm";
    EXPECT_FALSE(cm.Read()->valid);
}

TEST(ListFile, AxisTitleFollowsALanguageChangeAfterOpening) {
    auto l = ListFile::With({31, 42, 27}).Read();
    ASSERT_TRUE(l->valid);
    SetStringTranslator([](Str id, const std::u16string& english) {
        return id == Str::Cover ? std::u16string(u"Enrobage") : english;
    });
    l->SetOptions(opts::kHeader | opts::kChart | opts::kAxis);
    RecordingCanvas dc;
    l->Draw(dc);
    SetStringTranslator(nullptr);
    std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Enrobage [mm]"), texts.end()) << dc.Dump();
}

TEST(ListFile, InvalidFiles) {
    ListFile none = ListFile::With({});
    EXPECT_FALSE(none.Read()->valid); // n = 0
    ListFile foreign = ListFile::With({20, 30});
    foreign.id = "TH(1;2)-";
    EXPECT_FALSE(foreign.Read()->valid);
    ListFile shortFile = ListFile::With({20, 30});
    shortFile.covers.pop_back();
    shortFile.id = "";
    shortFile.tail = "";
    EXPECT_FALSE(shortFile.Read()->valid);
    // A count the file cannot hold is refused before anything is reserved for it.
    ListFile huge = ListFile::With({20, 30});
    huge.header[0] = "2000000000";
    EXPECT_FALSE(huge.Read()->valid);
    // No cover and no limit: no scale for the cover axis.
    ListFile flat = ListFile::With({0, 0}, 0);
    flat.limit = "0";
    flat.tail = "\r\n\x1a";
    EXPECT_FALSE(flat.Read()->valid);
    ListFile letters = ListFile::With({20, 30});
    letters.covers[1] = "3x";
    EXPECT_FALSE(letters.Read()->valid);
}

TEST(ListFile, OptionalCurrentLimitAndTrailer) {
    ListFile f = ListFile::With({20, 30});
    auto full = f.Read();
    EXPECT_EQ(full->Limit(), 30);
    EXPECT_EQ(full->initialLimit, 25);
    EXPECT_EQ(full->name, u"Pier");
    EXPECT_EQ(full->title, u"Deck");
    EXPECT_EQ(full->remarks, u"note");

    f.tail = "\r\n1\t2\t2020\r\n\"A\"\r\n\"B\"\r\n\"C\"\r\n\x1a"; // no current limit
    auto noLimit = f.Read();
    ASSERT_TRUE(noLimit->valid);
    EXPECT_EQ(noLimit->Limit(), 25);
    EXPECT_EQ(noLimit->title, u"B");

    f.tail = ""; // the file ends with the id token
    auto bare = f.Read();
    ASSERT_TRUE(bare->valid);
    EXPECT_EQ(bare->title, u"000012"); // the number is the default title
    EXPECT_EQ(bare->Limit(), 25);
    EXPECT_TRUE(bare->name.empty());
    // Without a trailer the list dates from today; the file keeps days only, so the date is
    // today at 00:00, and a saved copy reads back with the same date.
    EXPECT_EQ(bare->GetDate().Iso(), OleDate::Today().Iso());
    EXPECT_EQ(bare->GetDate().Iso().substr(10), "T00:00:00");
    ObjectWriter w;
    ASSERT_TRUE(bare->Write(w));
    MemorySource saved(w.Bytes());
    EXPECT_EQ(TVernoList(saved).GetDate().Iso(), bare->GetDate().Iso());
}

TEST(ListFile, StatisticsSkipEmptyReadingsAndCountStrictlyBelowTheLimit) {
    ListFile f = ListFile::With({20, 0, 25, 30, 0});
    f.tail = "\t25\r\n\x1a";
    auto l = f.Read();
    ASSERT_TRUE(l->valid);
    EXPECT_EQ(l->Count(), 5);
    EXPECT_EQ(l->covers.Count(), 3);
    EXPECT_DOUBLE_EQ(l->covers.Mean(), 25);
    EXPECT_NEAR(l->covers.PercentOutside(), 100.0 / 3, 1e-9); // 25 is not below 25
    EXPECT_DOUBLE_EQ(l->plot.axisX.max, 6);                   // n taken as at least 5
    l->SetLimits(31, 0, 0, 0);
    EXPECT_DOUBLE_EQ(l->covers.PercentOutside(), 100);
    int32_t lim, second, lower, upper;
    EXPECT_TRUE(l->GetDefaultLimits(&lim, &second, &lower, &upper));
    EXPECT_EQ(lim, 25);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 80);
    EXPECT_TRUE(l->GetLimits(&lim, nullptr, nullptr, nullptr));
    EXPECT_EQ(lim, 31);
}

TEST(ListFile, WriteReadRoundTripKeepsEveryField) {
    ListFile f = ListFile::With({150, 0, 122, 98}, 150);
    f.unit = "inch";
    f.diameter = "5";
    f.header.insert(f.header.begin(), "39"); // two-layer word
    f.id = "V5i(2041;S-1)431";
    auto l = f.Read();
    ASSERT_TRUE(l->valid);
    l->SetName(u"王工程师");
    l->SetRemarks(u"Mauer, Südseite");
    l->SetLimits(33, 0, 0, 0);
    ASSERT_TRUE(l->SetValueAt(4.2, 7777, 41));

    ObjectWriter w;
    ASSERT_TRUE(l->Write(w));
    const std::string& bytes = w.Bytes();
    EXPECT_EQ(bytes.substr(0, 19), "\r\nVernoskant5\t12\t16");
    EXPECT_NE(bytes.find("\t25\tmm\t39\t4\t"), std::string::npos); // millimetres from now on
    EXPECT_EQ(bytes.back(), '\x1a');

    MemorySource src(bytes);
    TVernoList back(src);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.objectNumber, 12);
    EXPECT_EQ(back.barDiameter, 16);
    EXPECT_EQ(back.layerWord, 39);
    EXPECT_EQ(back.covers.Values(), (std::vector<int32_t>{38, 0, 31, 41}));
    EXPECT_EQ(back.Limit(), 33);
    EXPECT_EQ(back.initialLimit, 25); // the header keeps the initial limit
    EXPECT_EQ(back.imperial, 1);
    EXPECT_EQ(back.instrumentCode, u"V5");
    EXPECT_EQ(back.idPart1, u"2041");
    EXPECT_EQ(back.idPart2, u"S-1");
    EXPECT_EQ(back.options, l->options);
    EXPECT_EQ(back.name, u"王工程师");
    EXPECT_EQ(back.title, u"Deck");
    EXPECT_EQ(back.remarks, u"Mauer, Südseite");
    DateParts p;
    ASSERT_TRUE(back.date.Parts(p));
    EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, 20240314);
    ObjectWriter again;
    ASSERT_TRUE(back.Write(again));
    EXPECT_EQ(again.Bytes(), bytes);
}

TEST(ListFile, WriteRefusesMoreThan4096Readings) {
    std::vector<int> many(4097, 30);
    auto l = ListFile::With(many).Read();
    ASSERT_TRUE(l->valid);
    ObjectWriter w;
    EXPECT_FALSE(l->Write(w));
    EXPECT_TRUE(w.Bytes().empty());
}

// A list longer than any instrument stores, or a file larger than any object, is refused as
// not valid before its readings are taken in.
TEST(ListFile, OversizedListsAndFilesAreRefused) {
    RegisterAllObjectTypes();
    auto list = [](int n) {
        std::string s = "\r\nVernoskant5\t12\t16\t25\tmm\t" + std::to_string(n) + "\t7\t7\t7\t0.000\r\n";
        for (int i = 0; i < n; ++i) s += "7\r\n";
        return s + "\x1aV5(111;X)-\t30\r\n14\t3\t2024\r\n\"\"\r\n\"\"\r\n\"\"\r\n\x1a";
    };
    const int most = static_cast<int>(TValueSeries::kMaxReadings);
    for (const auto& [n, opens] : {std::pair{most, true}, std::pair{most + 1, false}}) {
        MemorySource src(list(n));
        EXPECT_EQ(CreateObjectFromFile(src) != nullptr, opens) << n;
    }

    // A small valid list padded to just over 64 MB (a sparse file, so nothing is written),
    // still ending in the list's last byte.
    const std::string path = ::testing::TempDir() + "/padded-" + std::to_string(::getpid()) + ".vdo";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string bytes = ListFile::With({20, 30}).Bytes();
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    for (const auto& [size, opens] :
         {std::pair{kMaxObjectFileSize, true}, std::pair{kMaxObjectFileSize + 1, false}}) {
        ASSERT_EQ(::truncate(path.c_str(), size - 1), 0);
        std::FILE* f = std::fopen(path.c_str(), "ab");
        std::fputc(0x1a, f);
        std::fclose(f);
        FileSource file(path);
        EXPECT_EQ(CreateObjectFromFile(file) != nullptr, opens) << size;
    }
    std::remove(path.c_str());
}

TEST(ListFile, FactoryBuildsTheListForBothKinds) {
    RegisterAllObjectTypes();
    for (const char* head : {"Vernoskant5", "Vernoskant4"}) {
        ListFile f = ListFile::With({20, 30});
        f.head = head;
        MemorySource src(f.Bytes());
        auto obj = CreateObjectFromFile(src);
        ASSERT_NE(obj, nullptr) << head;
        EXPECT_EQ(obj->type, kTypeCoverList);
        EXPECT_EQ(obj->category, kCategoryList);
        EXPECT_EQ(obj->GetEditFlags(), 61);
    }
}

TEST(ListHits, ChartPositionsTableRowsAndEdits) {
    auto l = ListFile::With({40, 0, 20, 35}).Read();
    ASSERT_TRUE(l->valid);
    l->SetOptions(opts::kHeader | opts::kChart | opts::kTable | opts::kAxis);
    RecordingCanvas dc;
    l->Draw(dc);
    const Rect chart = l->plot.chart; // 500 x 900 units; x spans 0..6, covers 0..66
    ASSERT_EQ(chart.Width(), 500);
    auto px = [&](double reading) { return l->plot.XToPixel(reading); };
    auto py = [&](double cover) { return l->plot.YToPixel(cover, false); };
    EXPECT_EQ(l->HitX(px(1.3), py(5)), 1);
    EXPECT_EQ(l->HitY(px(1.3), py(39)), 7777.0);
    EXPECT_EQ(l->HitValue(px(1.3), py(39)), 40);
    EXPECT_EQ(l->HitY(px(1.3), py(45)), -1); // below the bar's end
    EXPECT_EQ(l->HitValue(px(1.3), py(45)), -1);
    EXPECT_EQ(l->HitY(px(2), py(0.5)), 7777.0); // the top strip counts even without a reading
    EXPECT_EQ(l->HitX(px(5), py(5)), -1);       // beyond n
    EXPECT_EQ(l->HitX(px(0.2), py(5)), -1);

    // Table cells map to reading indexes (region 2, after the header and the limit band).
    const auto& table = l->plot.hitRegions.at(2);
    int row = -1;
    EXPECT_EQ(l->HitRegion(table.rect.left + 3 * table.cellWidth + 1, table.rect.top + 1, &row), 2);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(l->RowX(row), 4);
    EXPECT_EQ(l->RowY(row), 7777.0);
    EXPECT_EQ(l->RowValue(row), 35);
    EXPECT_EQ(l->RowX(4), -1);
    EXPECT_EQ(l->HitRegion(chart.left + 5, chart.top + 5, &row), 1);

    EXPECT_FALSE(l->SetValueAt(0.4, 0, 50));
    EXPECT_FALSE(l->SetValueAt(4.6, 0, 50));
    EXPECT_TRUE(l->SetValueAt(1.6, 0, 26.9));
    EXPECT_EQ(l->Cover(1), 26);
    EXPECT_TRUE(l->SetValueByIndex(3, 12));
    EXPECT_FALSE(l->SetValueByIndex(4, 12));
    EXPECT_EQ(l->covers.Count(), 4);
    EXPECT_EQ(l->covers.Min(), 12);
}

} // namespace
} // namespace vordalis
