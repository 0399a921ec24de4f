// The rebound series object: reading with and without the extension, writing, the two
// series, median evaluation, strength, hit tests and value edits.
#include "SeriesFixture.h"
#include "model/ObjectFactory.h"
#include "plot/RecordingCanvas.h"
#include "rebound/StrengthUnits.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace vordalis;
using vordalis::test::Extension;
using vordalis::test::ReadBytes;
using vordalis::test::SeriesFile;

TEST(SeriesRead, InstrumentFileWithoutExtension) {
    SeriesFile f;
    f.direction = 3;
    f.outlierMode = 2;
    f.curveCode = 18; // T-JAP
    f.carbonation = 2;
    f.formFactor = "0.95";
    f.timeFactor = "0.90";
    f.unit = 3;
    f.values = {44, 0, 51, 38};
    f.f3 = "0.0300\t-\t-7.0"; // a lone "-" is 0 in the decimal fields too
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    EXPECT_EQ(s->type, kTypeReboundSeries);
    EXPECT_EQ(s->category, kCategoryRebound);
    EXPECT_EQ(s->objectNumber, 42);
    EXPECT_EQ(s->seriesName, u"WALL A");
    EXPECT_EQ(s->title, u"WALL A 0042");
    EXPECT_EQ(s->GetDate().Iso(), "2024-05-17T14:30:00");
    EXPECT_EQ(s->variantCode, 1);
    EXPECT_EQ(s->auxCode, 7);
    EXPECT_EQ(s->instrumentCurve, 9);
    EXPECT_EQ(s->idPart1, u"12345");
    EXPECT_EQ(s->idPart2, u"NR7");
    // The values in effect start as the instrument's.
    EXPECT_EQ(s->curve, 9);
    EXPECT_EQ(s->unit, 3);
    EXPECT_EQ(s->carbonationDepth, 2);
    EXPECT_EQ(s->impactDirection, 3);
    EXPECT_DOUBLE_EQ(s->formFactor, 0.95);
    EXPECT_DOUBLE_EQ(s->timeFactor, 0.90);
    EXPECT_EQ(s->lowerLimit, 20);
    EXPECT_EQ(s->upperLimit, 55);
    EXPECT_EQ(s->showLimits, 1);
    EXPECT_EQ(s->showMeanLine, 0);
    EXPECT_EQ(s->limitsInitial + s->conversionInitial + s->parametersInitial + s->reservedFlag, 4);
    EXPECT_EQ(s->useMedian, 0);
    EXPECT_DOUBLE_EQ(s->coefA[12], 0.01);
    EXPECT_DOUBLE_EQ(s->coefC[14], -7.0);
    EXPECT_DOUBLE_EQ(s->coefB[14], 0.0);
    EXPECT_DOUBLE_EQ(s->coefB[1], 0.706);
    EXPECT_EQ(s->coefA[15], 0);
    EXPECT_EQ(s->measuredValues.Values(), (std::vector<int32_t>{44, 0, 51, 38}));
    EXPECT_EQ(s->values.Values(), s->measuredValues.Values()); // same direction: no correction
    // Statistics over the values above 0.
    EXPECT_EQ(s->values.Count(), 3);
    EXPECT_NEAR(s->MeanRebound(), 133.0 / 3, 1e-9);
}

TEST(SeriesRead, LimitDisplayFromInstrumentLimits) {
    struct Case {
        int lower, upper, shown;
    } cases[] = {{0, 99, 0}, {20, 20, 0}, {20, 50, 1}, {0, 60, 1}};
    for (const Case& c : cases) {
        SeriesFile f;
        f.lower = c.lower;
        f.upper = c.upper;
        auto s = f.Read();
        ASSERT_TRUE(s->valid);
        EXPECT_EQ(s->showLimits, c.shown) << c.lower << "/" << c.upper;
    }
}

TEST(SeriesRead, ExtensionOverridesAndUpperBelowLowerClearsLower) {
    SeriesFile f;
    f.variant = 2;
    f.outlierMode = 4; // the instrument evaluated with the median
    f.extension = Extension(15, 4, 3, 2, 45, 30, 0x01 | 0x08, "1.10\t0.80\t", "0.0125\t-0.50\t12.3",
                            "\"name\"\r\n\"title\"\r\n\"remarks\"\r\n\x1A");
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    EXPECT_EQ(s->instrumentMedian, 1);
    EXPECT_EQ(s->useMedian, 0); // the flag word's bit 6 decides
    EXPECT_EQ(s->curve, 15);
    EXPECT_EQ(s->unit, 4);
    EXPECT_EQ(s->carbonationDepth, 3);
    EXPECT_EQ(s->impactDirection, 2);
    EXPECT_EQ(s->upperLimit, 30);
    EXPECT_EQ(s->lowerLimit, 0);
    EXPECT_EQ(s->showMeanLine, 1);
    EXPECT_EQ(s->showLimits, 0);
    EXPECT_EQ(s->limitsInitial, 0);
    EXPECT_EQ(s->conversionInitial, 1);
    EXPECT_EQ(s->parametersInitial, 0);
    EXPECT_EQ(s->reservedFlag, 0);
    EXPECT_DOUBLE_EQ(s->formFactor, 1.10);
    EXPECT_DOUBLE_EQ(s->coefA[15], 0.0125);
    EXPECT_DOUBLE_EQ(s->coefB[15], -0.5);
    EXPECT_DOUBLE_EQ(s->coefC[15], 12.3);
    EXPECT_DOUBLE_EQ(s->coefB[2], 1.2506); // second coefficient set
    EXPECT_EQ(s->name, u"name");
    EXPECT_EQ(s->title, u"title");
    EXPECT_EQ(s->remarks, u"remarks");
    // 40 measured at 0° reads 40 x 1.048 - 4.5 = 37.42 at +45°.
    EXPECT_EQ(s->values.Values(), (std::vector<int32_t>{37, 37, 37}));
    EXPECT_EQ(s->measuredValues.Values(), (std::vector<int32_t>{40, 40, 40}));
}

TEST(SeriesRead, ChartScalesFromCountAndLargestValue) {
    SeriesFile f;
    f.values = {30, 35, 33};
    f.lower = 20;
    f.upper = 60; // limits shown: the chart reaches the upper limit
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    EXPECT_DOUBLE_EQ(s->plot.axisX.min, 0);
    EXPECT_DOUBLE_EQ(s->plot.axisX.max, 6);
    EXPECT_EQ(s->maxMeasured, 60);
    EXPECT_NEAR(s->plot.axisY.max, 66, 1e-9);
    EXPECT_EQ(s->plot.axisY.Title(), u"Rebound value [R]");
    f.values = std::vector<int>(12, 5);
    f.lower = 0;
    f.upper = 99;
    s = f.Read();
    EXPECT_DOUBLE_EQ(s->plot.axisX.max, 13);
    EXPECT_NEAR(s->plot.axisY.max, 11, 1e-9); // at least 10 before the margin
}

TEST(SeriesRead, DamagedFilesStayInvalid) {
    SeriesFile good;
    good.extension = Extension(1, 1, 0, 1, 20, 50, 0x3F);
    const std::string bytes = good.Bytes();
    ASSERT_TRUE(ReadBytes(bytes)->valid);
    // Every cut: inside the header, the values, the id token or the extension.
    for (size_t cut = 0; cut + 3 < bytes.size(); ++cut)
        EXPECT_FALSE(ReadBytes(bytes.substr(0, cut))->valid) << cut;

    SeriesFile f;
    f.values = {};
    EXPECT_FALSE(f.Read()->valid);
    f.values = {40, 41};
    f.id = "VX(1;2)-";
    EXPECT_FALSE(f.Read()->valid);
    f.id = "TH(1;2)-";
    EXPECT_TRUE(f.Read()->valid);
    std::string bad = f.Bytes();
    bad.replace(bad.find("\r\n41"), 4, "\r\nxy");
    EXPECT_FALSE(ReadBytes(bad)->valid);
    // A value so large that the chart finds no step.
    f.values = {40, 200000};
    EXPECT_FALSE(f.Read()->valid);
    // A count far beyond the values the file holds.
    bad = f.Bytes();
    bad.replace(bad.find("\t2\t"), 3, "\t2000000000\t");
    EXPECT_FALSE(ReadBytes(bad)->valid);
    MemorySource empty("");
    EXPECT_EQ(CreateObjectFromFile(empty), nullptr);
}

TEST(SeriesWrite, RoundTripKeepsEveryFieldButNotEditedValues) {
    SeriesFile f;
    f.variant = 2;
    f.name = "\"THIRTEEN CHAR\""; // the longest series name
    f.values = {41, 0, 47, 52, 39};
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    s->curve = 15;
    s->unit = 2;
    s->carbonationDepth = 4;
    s->impactDirection = 5;
    s->lowerLimit = 25;
    s->upperLimit = 48;
    s->showMeanLine = 1;
    s->showLimits = 1;
    s->limitsInitial = 0;
    s->conversionInitial = 0;
    s->parametersInitial = 1;
    s->reservedFlag = 0;
    s->useMedian = 1;
    s->formFactor = 1.25;
    s->timeFactor = 0.75;
    s->coefA[15] = -9.9999;
    s->coefB[15] = 9.99;
    s->coefC[15] = -99.9;
    s->SetName(u"\u59D3\u540D Name");
    s->SetTitle(u"Title \u00E9t\u00E9 twenty chars");
    s->SetRemarks(u"\u6DF7\u51DD\u571F remarks");
    s->SetOptions(opts::kHeader | opts::kChart | opts::kTable | opts::WithColourMode(0, opts::kGrayscale));
    s->ApplyDirectionCorrection();
    ASSERT_TRUE(s->SetValueByIndex(2, 99.7)); // an edit of the evaluated series

    ObjectWriter w;
    ASSERT_TRUE(s->Write(w));
    auto r = ReadBytes(w.Bytes());
    ASSERT_TRUE(r->valid);
    EXPECT_EQ(r->objectNumber, 42);
    EXPECT_EQ(r->seriesName, u"THIRTEEN CHAR");
    EXPECT_EQ(r->GetDate().Iso(), "2024-05-17T14:30:00");
    EXPECT_EQ(r->variantCode, 2);
    EXPECT_EQ(r->auxCode, 7);
    EXPECT_EQ(r->measuredDirection, 1);
    EXPECT_EQ(r->instrumentCurveCode, 4);
    EXPECT_EQ(r->instrumentLowerLimit, 20);
    EXPECT_EQ(r->instrumentUpperLimit, 55);
    EXPECT_EQ(r->instrumentUnit, 1);
    EXPECT_EQ(r->curve, 15);
    EXPECT_EQ(r->unit, 2);
    EXPECT_EQ(r->carbonationDepth, 4);
    EXPECT_EQ(r->impactDirection, 5);
    EXPECT_EQ(r->lowerLimit, 25);
    EXPECT_EQ(r->upperLimit, 48);
    EXPECT_EQ(r->showMeanLine, 1);
    EXPECT_EQ(r->showLimits, 1);
    EXPECT_EQ(r->limitsInitial, 0);
    EXPECT_EQ(r->conversionInitial, 0);
    EXPECT_EQ(r->parametersInitial, 1);
    EXPECT_EQ(r->reservedFlag, 0);
    EXPECT_EQ(r->useMedian, 1);
    EXPECT_DOUBLE_EQ(r->formFactor, 1.25);
    EXPECT_DOUBLE_EQ(r->timeFactor, 0.75);
    EXPECT_DOUBLE_EQ(r->coefA[15], -9.9999);
    EXPECT_DOUBLE_EQ(r->coefB[15], 9.99);
    EXPECT_DOUBLE_EQ(r->coefC[15], -99.9);
    for (int row = 12; row <= 14; ++row) {
        EXPECT_DOUBLE_EQ(r->coefA[row], s->coefA[row]);
        EXPECT_DOUBLE_EQ(r->coefB[row], s->coefB[row]);
        EXPECT_DOUBLE_EQ(r->coefC[row], s->coefC[row]);
    }
    EXPECT_EQ(r->name, s->name);
    EXPECT_EQ(r->title, s->title);
    EXPECT_EQ(r->remarks, s->remarks);
    EXPECT_EQ(r->Options(), s->Options());
    EXPECT_EQ(r->idPart1, u"12345");
    // The measured values are written; the edited value is not.
    EXPECT_EQ(r->measuredValues.Values(), (std::vector<int32_t>{41, 0, 47, 52, 39}));
    EXPECT_EQ(r->values.Values(), (std::vector<int32_t>{44, 4, 49, 54, 42}));

    // A series longer than any instrument stores is shown but not written.
    f.values = std::vector<int>(4097, 40);
    auto longSeries = f.Read();
    ASSERT_TRUE(longSeries->valid);
    ObjectWriter refused;
    EXPECT_FALSE(longSeries->Write(refused));
    EXPECT_TRUE(refused.Bytes().empty());

    // Nothing is written for an empty series.
    s->values.Clear();
    s->measuredValues.Clear();
    ObjectWriter none;
    EXPECT_FALSE(s->Write(none));
    EXPECT_TRUE(none.Bytes().empty());
}

// A field the file format cannot carry as it is (it would read back as another value) makes
// the series refuse to write itself, so a save keeps the old file instead.
TEST(SeriesWrite, RefusesFieldsThatWouldReadBackOtherwise) {
    const std::pair<const char*, std::function<void(TTorvBars&)>> cases[] = {
        {"factor with three places", [](TTorvBars& s) { s.formFactor = 1.234; }},
        {"instrument factor too wide", [](TTorvBars& s) { s.instrumentTimeFactor = 1234.5; }},
        {"coefficient with five places", [](TTorvBars& s) { s.coefA[12] = 0.00001; }},
        {"own curve's c with two places", [](TTorvBars& s) { s.coefC[15] = -5.25; }},
        {"negative limit", [](TTorvBars& s) { s.lowerLimit = -3; }},
        {"negative instrument unit", [](TTorvBars& s) { s.instrumentUnit = -2; }},
        {"imperial mark after TH", [](TTorvBars& s) { s.imperial = 1; }},
    };
    SeriesFile f;
    f.formFactor = "1.25";
    f.f1 = "0.0123\t1.25\t-7.5";
    ObjectWriter plain;
    ASSERT_TRUE(f.Read()->Write(plain)); // what the format holds is written
    for (const auto& [name, change] : cases) {
        auto s = f.Read();
        ASSERT_TRUE(s->valid) << name;
        change(*s);
        ObjectWriter w;
        EXPECT_FALSE(s->Write(w)) << name;
    }
}

TEST(SeriesStrength, CurvesUnitsAndMedian) {
    SeriesFile f;
    f.values = {40, 40, 40, 40};
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    EXPECT_NEAR(s->CompressiveStrength(), 42.814, 1e-3);
    s->carbonationDepth = 3;
    s->timeFactor = 0.5;
    s->formFactor = 2.0;
    EXPECT_NEAR(s->CompressiveStrength(), 42.81438 * 0.766744, 1e-4);

    f.variant = 3; // no coefficients for the maker's curves
    s = f.Read();
    EXPECT_EQ(s->CompressiveStrength(), 0);
    EXPECT_EQ(rebound::FormatStrength(s->CompressiveStrength(), s->MeanRebound(), s->unit).value, u"-    ");

    // An invalid median (R = 0) on Blast furnace J: the constant term alone, 22.4 x 1.05 / 10.197.
    f.variant = 1;
    f.curveCode = 8;
    f.outlierMode = 4;
    f.values = {20, 40, 60, 20, 60};
    s = f.Read();
    ASSERT_EQ(s->useMedian, 1);
    EXPECT_EQ(s->MeanRebound(), 0);
    EXPECT_NEAR(s->CompressiveStrength(), 2.3066, 1e-4);
    EXPECT_EQ(rebound::FormatStrength(s->CompressiveStrength(), 0, 2).value, u"   2.3  ");
    s->useMedian = 0;
    EXPECT_DOUBLE_EQ(s->MeanRebound(), 40);
}

TEST(SeriesEdit, HitTestsAndEditsUseTheEvaluatedSeries) {
    SeriesFile f;
    f.values = {20, 30, 0, 40};
    auto s = f.Read();
    ASSERT_TRUE(s->valid);
    s->SetOptions(test::kPageSections | opts::WithColourMode(0, opts::kSpectral) |
                  opts::kLimitFromInstrument | opts::kRangeFromInstrument);
    RecordingCanvas screen;
    s->Draw(screen); // places the chart
    const TBasicPlot& p = s->plot;
    auto px = [&](double x) { return p.XToPixel(x); };
    auto py = [&](double y) { return p.YToPixel(y, true); };
    EXPECT_EQ(s->HitX(px(2.3), py(10)), 2);
    EXPECT_EQ(s->HitX(px(5.2), py(10)), -1); // beyond the values
    EXPECT_EQ(s->HitY(px(2), py(29)), TTorvObj::kListRow);
    EXPECT_EQ(s->HitY(px(2), py(32)), -1);                  // above the bar
    EXPECT_EQ(s->HitY(px(3), py(0.5)), TTorvObj::kListRow); // an empty position is 1 high
    EXPECT_EQ(s->HitValue(px(4), py(12)), 40);
    EXPECT_EQ(s->HitValue(px(4), py(44)), -1);
    EXPECT_EQ(s->RowX(3), 4);
    EXPECT_EQ(s->RowY(3), TTorvObj::kListRow);
    EXPECT_EQ(s->RowValue(1), 30);
    EXPECT_EQ(s->GetEditFlags(), 61);

    EXPECT_TRUE(s->SetValueAt(1.6, 0, 33.9));
    EXPECT_FALSE(s->SetValueAt(0.4, 0, 10));
    EXPECT_FALSE(s->SetValueAt(4.6, 0, 10));
    EXPECT_TRUE(s->SetValueByIndex(3, -5.7));
    EXPECT_FALSE(s->SetValueByIndex(4, 10));
    EXPECT_FALSE(s->SetValueByIndex(-1, 10));
    EXPECT_EQ(s->values.Values(), (std::vector<int32_t>{20, 33, 0, -5}));
    EXPECT_EQ(s->measuredValues.Values(), (std::vector<int32_t>{20, 30, 0, 40}));
    // Rebuilding the evaluated series drops the edits.
    s->ApplyDirectionCorrection();
    EXPECT_EQ(s->values.Values(), s->measuredValues.Values());
}
