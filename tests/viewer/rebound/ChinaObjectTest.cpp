// Reading, writing and evaluating one JGJ/T 23 measuring area.
#include "ReboundFixtures.h"
#include "rebound/TTorvChina.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace vordalis {
namespace {

using testing::ChinaFile;

std::unique_ptr<TTorvChina> Read(const std::string& bytes) {
    MemorySource src(bytes);
    return std::make_unique<TTorvChina>(src);
}

std::string Written(TTorvChina& obj) {
    ObjectWriter out;
    EXPECT_TRUE(obj.Write(out));
    return out.Bytes();
}

std::vector<int> Marked(const TTorvChina& obj) {
    std::vector<int> idx;
    obj.values.Count();
    for (int i = 0; i < obj.values.Length(); ++i)
        if (obj.IsOutlier(i)) idx.push_back(i);
    return idx;
}

const std::vector<int> kSixteen = {41, 38, 44, 39, 40, 47, 38, 42, 31, 40, 39, 43, 41, 36, 40, 42};

TEST(TTorvChina, Edition2011TableDropsThreeAtEachEndAndWritesThemPlus128) {
    ChinaFile f;
    f.is2011 = true;
    f.readings = kSixteen;
    auto obj = Read(f.Text());
    ASSERT_TRUE(obj->valid);
    EXPECT_EQ(obj->is2011, 1);
    EXPECT_EQ(obj->values.Count(), 10);
    // Highest 47, 44, 43; lowest 31, 36 and the first 38.
    EXPECT_EQ(Marked(*obj), (std::vector<int>{1, 2, 5, 8, 11, 13}));
    EXPECT_TRUE(obj->PositionGreyed(6));
    EXPECT_FALSE(obj->PositionGreyed(7)); // the second 38 stays
    std::vector<int> kept;
    for (int i = 0; i < 16; ++i)
        if (!obj->IsOutlier(i)) kept.push_back(kSixteen[static_cast<size_t>(i)]);
    double mean = 0;
    for (int v : kept) mean += v;
    mean /= kept.size();
    EXPECT_NEAR(obj->EvaluateChina().rm, mean, 1e-12);

    std::string bytes = Written(*obj);
    EXPECT_NE(bytes.find("\r\n175\r\n"), std::string::npos); // 47 + 128
    EXPECT_NE(bytes.find("\r\n159\r\n"), std::string::npos); // 31 + 128
    auto again = Read(bytes);
    ASSERT_TRUE(again->valid);
    EXPECT_EQ(again->values.Values(), obj->values.Values());
    EXPECT_EQ(Marked(*again), Marked(*obj));
}

TEST(TTorvChina, Edition2001MarksNothing) {
    ChinaFile f;
    f.readings = kSixteen;
    auto obj = Read(f.Text());
    ASSERT_TRUE(obj->valid);
    EXPECT_EQ(obj->values.Count(), 16);
    EXPECT_TRUE(Marked(*obj).empty());
    EXPECT_EQ(Written(*obj).find("175"), std::string::npos);
}

TEST(TTorvChina, GeneralConversionMarksHalfTheFlaggedAtEachEnd) {
    ChinaFile f;
    f.is2011 = true;
    f.conversion = 2;
    f.a = 0.025;
    f.b = 2.0;
    // Four readings flagged by the instrument: two highest and two lowest are marked.
    f.readings = {30, 31 + 128, 32, 33 + 128, 34, 35 + 128, 36, 37 + 128, 38, 39};
    auto obj = Read(f.Text());
    ASSERT_TRUE(obj->valid);
    EXPECT_EQ(obj->values.Get(1), 31);
    EXPECT_EQ(Marked(*obj), (std::vector<int>{0, 1, 8, 9}));
    EXPECT_EQ(obj->values.Count(), 6);
}

TEST(TTorvChina, GeneralCountsShownForBothEditions) {
    ChinaFile f;
    f.conversion = 2;
    f.readings = kSixteen;
    f.n = 16;
    f.m = 3;
    int n = 0, m = 0;
    auto y2001 = Read(f.Text());
    y2001->GeneralCounts(n, m);
    EXPECT_EQ(n, 16);
    EXPECT_EQ(m, 3);

    f.is2011 = true;
    f.n = 10; // a 2011 file counts what it marked, not the stored n and m
    f.m = 1;
    for (int i : {1, 2, 5, 8, 11, 13}) f.readings[static_cast<size_t>(i)] += 128;
    auto y2011 = Read(f.Text());
    y2011->GeneralCounts(n, m);
    EXPECT_EQ(n, 16);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(y2011->values.Count(), 10);
}

TEST(TTorvChina, InstrumentFileStartsWithInstrumentSettings) {
    ChinaFile f;
    f.readings = {35, 35, 35};
    f.angle = 1;
    f.surface = 3;
    f.depth = 1.5;
    f.pump = 1;
    auto obj = Read(f.Text());
    ASSERT_TRUE(obj->valid);
    EXPECT_EQ(obj->angle, 1);
    EXPECT_EQ(obj->surface, 3);
    EXPECT_DOUBLE_EQ(obj->carbonationDepth, 1.5);
    EXPECT_EQ(obj->pumpConcrete, 1);
    EXPECT_EQ(obj->showLimits, 0);
    EXPECT_EQ(obj->showMeanLine, 0);
    EXPECT_EQ(obj->limitsInitial + obj->conversionInitial + obj->parametersInitial + obj->generalInitial, 4);
    EXPECT_EQ(obj->title, u"AREA 0007");
    EXPECT_EQ(obj->instrumentCode, u"TH");
    // x 0..6 for 3 readings, y up to 1.1 x the largest reading.
    EXPECT_DOUBLE_EQ(obj->plot.axisX.max, 6.0);
}

// Names of up to 13 characters are read whole (a longer one is cut) and survive a write.
TEST(TTorvChina, LongSeriesNamesReadAndWriteBack) {
    const struct {
        const char* stored;
        const char16_t* read;
    } cases[] = {
        {"ABCDEFGHIJK", u"ABCDEFGHIJK"},
        {"ABCDEFGHIJKL", u"ABCDEFGHIJKL"},
        {"THIRTEEN CHAR", u"THIRTEEN CHAR"},
        {"FIFTEEN CHARS!!", u"FIFTEEN CHARS"},
    };
    for (const auto& c : cases) {
        ChinaFile f;
        f.name = c.stored;
        f.readings = {35, 35, 35};
        auto obj = Read(f.Text());
        ASSERT_TRUE(obj->valid) << c.stored;
        EXPECT_EQ(obj->seriesName, c.read);
        EXPECT_EQ(obj->title, std::u16string(c.read) + u" 0007");
        auto again = Read(Written(*obj));
        ASSERT_TRUE(again->valid) << c.stored;
        EXPECT_EQ(again->seriesName, c.read);
        EXPECT_EQ(again->values.Values(), obj->values.Values());
    }
}

TEST(TTorvChina, RoundTripKeepsSettingsFlagsAndTexts) {
    ChinaFile f;
    f.is2011 = true;
    f.readings = kSixteen;
    auto obj = Read(f.Text());
    ASSERT_TRUE(obj->valid);
    obj->angle = 8;
    obj->surface = 1;
    obj->conversion = 2;
    obj->carbonationDepth = 2.5;
    obj->generalA = 0.02497;
    obj->generalB = 2.0108;
    obj->generalC = -0.0358;
    obj->readings = 16;
    obj->dropped = 3;
    obj->lowerLimit = 30;
    obj->upperLimit = 44;
    obj->showMeanLine = 1;
    obj->showLimits = 1;
    obj->pumpConcrete = 1;
    obj->limitsInitial = 0;
    obj->conversionInitial = 0;
    obj->parametersInitial = 1;
    obj->generalInitial = 0;
    obj->SetTitle(u"Pier \u5317 2");
    obj->SetName(u"N");
    obj->SetRemarks(u"cast 2025");
    auto again = Read(Written(*obj));
    ASSERT_TRUE(again->valid);
    EXPECT_EQ(again->angle, 8);
    EXPECT_EQ(again->surface, 1);
    EXPECT_EQ(again->conversion, 2);
    EXPECT_DOUBLE_EQ(again->carbonationDepth, 2.5);
    EXPECT_DOUBLE_EQ(again->generalA, 0.02497);
    EXPECT_DOUBLE_EQ(again->generalB, 2.0108);
    EXPECT_DOUBLE_EQ(again->generalC, -0.0358);
    EXPECT_EQ(again->lowerLimit, 30);
    EXPECT_EQ(again->upperLimit, 44);
    EXPECT_EQ(again->showMeanLine, 1);
    EXPECT_EQ(again->showLimits, 1);
    EXPECT_EQ(again->pumpConcrete, 1);
    EXPECT_EQ(again->limitsInitial, 0);
    EXPECT_EQ(again->conversionInitial, 0);
    EXPECT_EQ(again->parametersInitial, 1);
    EXPECT_EQ(again->generalInitial, 0);
    EXPECT_EQ(again->title, u"Pier \u5317 2");
    EXPECT_EQ(again->name, u"N");
    EXPECT_EQ(again->remarks, u"cast 2025");
    // Marking happens on reading, with the conversion the instrument used (the table here).
    EXPECT_EQ(again->values.Count(), 10);
    EXPECT_EQ(Written(*again), Written(*obj));
}

// Fields the format cannot carry as they are make the object refuse to write itself.
TEST(TTorvChina, RefusesFieldsThatWouldReadBackOtherwise) {
    const std::pair<const char*, void (*)(TTorvChina&)> cases[] = {
        {"depth with two places", [](TTorvChina& o) { o.carbonationDepth = 1.55; }},
        {"instrument depth too wide", [](TTorvChina& o) { o.instrumentCarbonation = 123.5; }},
        {"coefficient with six places", [](TTorvChina& o) { o.generalB = 0.000001; }},
        {"negative angle", [](TTorvChina& o) { o.angle = -90; }},
        {"negative readings", [](TTorvChina& o) { o.instrumentReadings = -1; }},
        {"imperial mark after TH", [](TTorvChina& o) { o.imperial = 1; }},
    };
    ChinaFile f;
    f.is2011 = true;
    f.readings = kSixteen;
    for (const auto& [name, change] : cases) {
        auto obj = Read(f.Text());
        ASSERT_TRUE(obj->valid) << name;
        Written(*obj);
        change(*obj);
        ObjectWriter w;
        EXPECT_FALSE(obj->Write(w)) << name;
    }
}

TEST(TTorvChina, DamagedFilesAreInvalid) {
    ChinaFile good;
    good.readings = {35, 36};
    std::string text = good.Text();
    ChinaFile none = good;
    none.readings.clear();
    ChinaFile foreign = good;
    foreign.instrument = "VX(12;3)";
    ChinaFile cut = good;
    cut.extension = "5\t1\t2\t20\t";
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no readings", none.Text()},
        {"another instrument", foreign.Text()},
        {"extension cut short", cut.Text()},
        {"header cut short", text.substr(0, 40)},
        {"reading missing", text.substr(0, text.find("36\r\n"))},
    };
    ASSERT_TRUE(Read(text)->valid);
    for (const auto& c : cases) EXPECT_FALSE(Read(c.bytes)->valid) << c.what;
}

TEST(TTorvChina, EditedReadingIsWrittenAndReevaluated) {
    ChinaFile f;
    f.readings = {35, 35, 35};
    auto obj = Read(f.Text());
    EXPECT_NEAR(obj->EvaluateChina().f1, 31.8, 1e-9);
    EXPECT_TRUE(obj->SetValueByIndex(2, 38.0));
    EXPECT_FALSE(obj->SetValueByIndex(3, 38.0));
    EXPECT_NEAR(obj->EvaluateChina().rm, 36.0, 1e-12);
    auto again = Read(Written(*obj));
    EXPECT_EQ(again->values.Get(2), 38);
}

TEST(TTorvChina, DescriptionCarriesTheEvaluation) {
    ChinaFile f;
    f.readings = {35, 35, 35, 35};
    f.pump = 1;
    auto obj = Read(f.Text());
    Json j = Json::Object();
    obj->Describe(j);
    std::string s = j.Dump();
    for (const char* key : {"\"rm\":35", "\"f1\":31.8", "\"below_range\":false", "\"above_range\":false",
                            "\"strength_text_f1\":\"  31.8\"", "\"strength_text_f2\":\"  36.3\"",
                            "\"is2011\":false", "\"pump_concrete\":true", "\"type\":8"})
        EXPECT_NE(s.find(key), std::string::npos) << key << " in " << s;

    // A 2011 pumped area at R 19: the table gives nothing, the curve 10.4 with its own flags.
    ChinaFile pumped;
    pumped.is2011 = true;
    pumped.pump = 1;
    pumped.readings.assign(16, 19);
    Json p = Json::Object();
    Read(pumped.Text())->Describe(p);
    s = p.Dump();
    for (const char* key : {"\"below_range\":true", "\"f2_below_range\":false", "\"f2_above_range\":false",
                            "\"strength_text_f1\":\"<10  \"", "\"strength_text_f2\":\"  10.4\""})
        EXPECT_NE(s.find(key), std::string::npos) << key << " in " << s;
}

} // namespace
} // namespace vordalis
