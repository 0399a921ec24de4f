// Event behaviour of the rebound settings and limit dialogs, without widgets.
#include "../SeriesFixture.h"
#include "rebound/ui/TorvFensterLogic.h"
#include "rebound/ui/TorvLimitsLogic.h"

#include <gtest/gtest.h>

using namespace vordalis;
using vordalis::test::Extension;
using vordalis::test::SeriesFile;

namespace {

// A series with its parameters free to edit (both "Initial settings" boxes off).
std::unique_ptr<TTorvBars> EditableSeries(int curve, int carbonation = 0) {
    SeriesFile f;
    f.carbonation = 2;
    f.formFactor = "0.90";
    f.timeFactor = "0.80";
    f.direction = 2;
    f.outlierMode = 4;
    f.extension = Extension(curve, 2, carbonation, 1, 20, 50, 0x02, "1.10\t0.95\t", "0.0125\t0.35\t2.5");
    auto s = f.Read();
    EXPECT_TRUE(s->valid);
    return s;
}

TorvFensterLogic Opened(const TTorvBars& s) {
    TorvFensterLogic l;
    l.LoadFrom(s);
    l.Open();
    return l;
}

} // namespace

TEST(SettingsDialog, OpeningShowsValuesAndEnablesByBoxes) {
    auto s = EditableSeries(15);
    TorvFensterLogic l = Opened(*s);
    EXPECT_EQ(l.unitIndex, 1);
    EXPECT_EQ(l.curve, 15);
    EXPECT_EQ(l.directionIndex, 0);
    EXPECT_EQ(l.formText, "1.10");
    EXPECT_EQ(l.timeText, "0.95");
    EXPECT_EQ(l.carbonationText, "0");
    EXPECT_EQ(l.fxAText, "0.0125");
    EXPECT_EQ(l.fxBText, "0.35");
    EXPECT_EQ(l.fxCText, "2.5");
    EXPECT_TRUE(l.fxEnabled);
    EXPECT_EQ(l.formulaText, u"0.0125 R\u00B2 + 0.35 R + 2.5");
    EXPECT_TRUE(l.curveEnabled && l.unitEnabled && l.formEnabled && l.timeEnabled && l.carbonationEnabled);
    EXPECT_TRUE(l.directionEnabled && l.medianEnabled);

    // Both boxes on (the reader's default): conversion and parameters locked.
    SeriesFile f;
    auto instrument = f.Read();
    TorvFensterLogic i = Opened(*instrument);
    EXPECT_FALSE(i.curveEnabled || i.unitEnabled);
    EXPECT_FALSE(i.formEnabled || i.timeEnabled || i.carbonationEnabled || i.directionEnabled ||
                 i.medianEnabled);
    EXPECT_EQ(i.formulaText, u""); // curve 1 has no formula text
    // A free curve shows its formula from the file header.
    instrument->curve = 13;
    EXPECT_EQ(Opened(*instrument).formulaText, u"0.0200 R\u00B2 + 0.60 R + -6.0");
}

TEST(SettingsDialog, OtherCurveClearsFxAndOkStoresZeros) {
    auto s = EditableSeries(3);
    s->coefA[15] = 1.5; // left over from an earlier Fx
    TorvFensterLogic l = Opened(*s);
    EXPECT_FALSE(l.fxEnabled);
    EXPECT_EQ(l.fxAText, "0.0000");
    EXPECT_EQ(l.fxBText, "0.00");
    EXPECT_EQ(l.fxCText, "0.0");
    l.Ok();
    ASSERT_TRUE(l.ok);
    l.StoreTo(*s);
    EXPECT_EQ(s->coefA[15], 0);
    EXPECT_EQ(s->coefB[15], 0);
    EXPECT_EQ(s->coefC[15], 0);
    EXPECT_EQ(s->curve, 3);

    // Changing to Fx enables the edits; changing away clears them again.
    l.CurveChanged(15);
    EXPECT_TRUE(l.fxEnabled);
    l.fxAText = "0.5";
    EXPECT_FALSE(l.FxADone());
    EXPECT_EQ(l.formulaText, u"0.5000 R\u00B2 + 0.00 R + 0.0");
    l.CurveChanged(12);
    EXPECT_FALSE(l.fxEnabled);
    EXPECT_EQ(l.fxA, 0);
    EXPECT_EQ(l.formulaText, u"0.0100 R\u00B2 + 0.50 R + -5.0");
}

TEST(SettingsDialog, FactorsAndFxAreClampedWithABeep) {
    auto s = EditableSeries(15);
    TorvFensterLogic l = Opened(*s);
    struct Case {
        std::string text;
        bool beep;
        const char* shown;
    } factors[] = {{"12", true, "1.00"},
                   {"9.99", false, "9.99"},
                   {"-1", true, "1.00"},
                   {"0.5", false, "0.50"},
                   {"abc", false, "0.00"}};
    for (const Case& c : factors) {
        l.formText = c.text;
        EXPECT_EQ(l.FormFactorDone(), c.beep) << c.text;
        EXPECT_EQ(l.formText, c.shown);
        l.timeText = c.text;
        EXPECT_EQ(l.TimeFactorDone(), c.beep) << c.text;
        EXPECT_EQ(l.timeText, c.shown);
    }
    l.fxAText = "12.5";
    EXPECT_TRUE(l.FxADone());
    EXPECT_EQ(l.fxAText, "9.9999");
    l.fxBText = "-10";
    EXPECT_TRUE(l.FxBDone());
    EXPECT_EQ(l.fxBText, "-9.99");
    l.fxCText = "99.9";
    EXPECT_FALSE(l.FxCDone());
    l.fxCText = "150";
    EXPECT_TRUE(l.FxCDone());
    EXPECT_EQ(l.fxCText, "99.9");
    EXPECT_EQ(l.formulaText, u"9.9999 R\u00B2 + -9.99 R + 99.9");
    l.Ok();
    l.StoreTo(*s);
    EXPECT_DOUBLE_EQ(s->coefA[15], 9.9999);
    EXPECT_DOUBLE_EQ(s->coefC[15], 99.9);
}

TEST(SettingsDialog, CarbonationLocksTheTimeFactor) {
    auto s = EditableSeries(1);
    TorvFensterLogic l = Opened(*s);
    l.carbonationText = "7";
    EXPECT_TRUE(l.CarbonationDone());
    EXPECT_EQ(l.carbonationText, "6");
    EXPECT_EQ(l.timeText, "1.00");
    EXPECT_FALSE(l.timeEnabled);
    l.carbonationText = "-";
    EXPECT_FALSE(l.CarbonationDone()); // no number is 0
    EXPECT_EQ(l.carbonationText, "0");
    EXPECT_TRUE(l.timeEnabled);
    // The spin: one step up from 0 is 1; down from 0 beeps and stays 0; up from 6 beeps.
    EXPECT_FALSE(l.CarbonationSpin(-1));
    EXPECT_EQ(l.carbonationText, "1");
    EXPECT_FALSE(l.timeEnabled);
    l.carbonationText = "0";
    EXPECT_TRUE(l.CarbonationSpin(1));
    EXPECT_EQ(l.carbonationText, "0");
    l.carbonationText = "6";
    EXPECT_TRUE(l.CarbonationSpin(-1));
    EXPECT_EQ(l.carbonationText, "6");
    // OK takes the depth and the locked time factor.
    l.Ok();
    l.StoreTo(*s);
    EXPECT_EQ(s->carbonationDepth, 6);
    EXPECT_DOUBLE_EQ(s->timeFactor, 1.0);

    // Opening with a depth already set shows the time factor locked too.
    auto deep = EditableSeries(1, 3);
    TorvFensterLogic d = Opened(*deep);
    EXPECT_EQ(d.timeText, "1.00");
    EXPECT_FALSE(d.timeEnabled);
}

TEST(SettingsDialog, InitialSettingsBoxesRestoreTheInstrument) {
    auto s = EditableSeries(15);
    TorvFensterLogic l = Opened(*s);
    l.ParametersInitialClicked(true);
    EXPECT_EQ(l.formText, "0.90");
    EXPECT_EQ(l.timeText, "0.80");
    EXPECT_EQ(l.carbonationText, "2");
    EXPECT_TRUE(l.median);
    EXPECT_EQ(l.directionIndex, 1);
    EXPECT_FALSE(l.formEnabled || l.timeEnabled || l.carbonationEnabled || l.medianEnabled ||
                 l.directionEnabled);
    l.ParametersInitialClicked(false);
    EXPECT_TRUE(l.formEnabled && l.carbonationEnabled && l.medianEnabled && l.directionEnabled);
    EXPECT_FALSE(l.timeEnabled); // the instrument's depth of 2 keeps the time factor locked
    EXPECT_EQ(l.timeText, "1.00");

    l.ConversionInitialClicked(true);
    EXPECT_EQ(l.curve, 1);
    EXPECT_EQ(l.unitIndex, 0);
    EXPECT_FALSE(l.curveEnabled || l.unitEnabled || l.fxEnabled);
    EXPECT_EQ(l.fxA, 0);
    l.ConversionInitialClicked(false);
    EXPECT_TRUE(l.curveEnabled && l.unitEnabled);

    l.Ok();
    l.StoreTo(*s);
    EXPECT_EQ(s->conversionInitial, 0);
    EXPECT_EQ(s->parametersInitial, 0);
    EXPECT_EQ(s->curve, 1);
    EXPECT_DOUBLE_EQ(s->formFactor, 0.90);
    EXPECT_EQ(s->carbonationDepth, 2);
    EXPECT_EQ(s->useMedian, 1);
    EXPECT_EQ(s->impactDirection, 2);
}

TEST(SettingsDialog, SummaryModeOffersUnitAndMedianOnly) {
    TorvFensterLogic l;
    l.summaryMode = true;
    l.unitIndex = 2;
    l.formFactor = 3.0;
    l.Open();
    EXPECT_TRUE(l.unitEnabled && l.medianEnabled);
    EXPECT_FALSE(l.curveEnabled || l.formEnabled || l.timeEnabled || l.carbonationEnabled ||
                 l.directionEnabled || l.fxEnabled || l.conversionInitialEnabled ||
                 l.parametersInitialEnabled);
    l.formText = "5";
    l.median = true;
    l.Ok();
    EXPECT_TRUE(l.ok);
    EXPECT_DOUBLE_EQ(l.formFactor, 3.0); // not read in summary mode
}

TEST(LimitDialog, OpeningAndBoxes) {
    SeriesFile f;
    f.lower = 25;
    f.upper = 45;
    f.extension = Extension(1, 1, 0, 1, 30, 40, 0x02 | 0x01);
    auto s = f.Read();
    TorvLimitsLogic l;
    l.LoadFrom(*s, false);
    l.Open();
    EXPECT_EQ(l.lowerText, "30");
    EXPECT_EQ(l.upperText, "40");
    EXPECT_TRUE(l.editsEnabled);
    EXPECT_TRUE(l.meanLine && l.meanLineEnabled);
    EXPECT_STREQ(l.UnitText(), "R");
    l.DisplayLimitsClicked(false);
    EXPECT_FALSE(l.editsEnabled);
    l.DisplayLimitsClicked(true);
    l.InitialClicked(true);
    EXPECT_EQ(l.lowerText, "25");
    EXPECT_EQ(l.upperText, "45");
    EXPECT_FALSE(l.editsEnabled);
    ASSERT_TRUE(l.Ok());
    l.StoreTo(*s);
    EXPECT_EQ(s->lowerLimit, 25);
    EXPECT_EQ(s->upperLimit, 45);
    EXPECT_EQ(s->limitsInitial, 1);
    EXPECT_EQ(s->showMeanLine, 1);

    // MPa mode: mean line off and disabled.
    TorvLimitsLogic m;
    m.LoadFrom(*s, true);
    m.Open();
    EXPECT_FALSE(m.meanLine || m.meanLineEnabled);
    EXPECT_STREQ(m.UnitText(), "MPa");
    // "Initial settings" on at opening locks the edits.
    TorvLimitsLogic i;
    i.LoadFrom(*s, false);
    i.Open();
    EXPECT_FALSE(i.editsEnabled);
}

TEST(LimitDialog, EditsKeepTheOrderAndTheRange) {
    TorvLimitsLogic l;
    struct Case {
        std::string lower, upper;
        bool upperEdited;
        bool beep;
        std::string lowerShown, upperShown;
    } cases[] = {
        {"30", "20", true, true, "30", "31"}, // upper below lower: lower + 1
        {"30", "30", true, true, "30", "31"},
        {"30", "45", true, false, "30", "45"},
        {"99", "50", true, true, "99", "99"}, // lower + 1 is above the range
        {"10", "120", true, true, "10", "99"},
        {"50", "40", false, true, "39", "40"}, // lower above upper: upper - 1
        {"-5", "40", false, true, "0", "40"},
        {"5", "0", false, true, "0", "0"}, // upper - 1 is below the range
    };
    for (const Case& c : cases) {
        l.lowerText = c.lower;
        l.upperText = c.upper;
        EXPECT_EQ(c.upperEdited ? l.UpperDone() : l.LowerDone(), c.beep) << c.lower << "/" << c.upper;
        EXPECT_EQ(l.lowerText, c.lowerShown);
        EXPECT_EQ(l.upperText, c.upperShown);
    }
    // Spins: new value = shown value - step.
    l.lowerText = "30";
    l.upperText = "40";
    EXPECT_FALSE(l.UpperSpin(-1));
    EXPECT_EQ(l.upperText, "41");
    EXPECT_FALSE(l.LowerSpin(1));
    EXPECT_EQ(l.lowerText, "29");
    l.upperText = "30";
    EXPECT_TRUE(l.UpperSpin(1));
    EXPECT_EQ(l.upperText, "30"); // 29 is not above the lower limit 29
}

TEST(LimitDialog, OkAcceptsOrderedOrEqualPairs) {
    struct Case {
        std::string lower, upper;
        bool accepted, display;
    } cases[] = {
        {"0", "99", true, true},   {"30", "30", true, false},  {"40", "30", false, true},
        {"-1", "50", false, true}, {"20", "100", false, true},
    };
    for (const Case& c : cases) {
        TorvLimitsLogic l;
        l.displayLimits = true;
        l.lower = 1;
        l.upper = 2;
        l.Open();
        l.lowerText = c.lower;
        l.upperText = c.upper;
        EXPECT_EQ(l.Ok(), c.accepted) << c.lower << "/" << c.upper;
        EXPECT_EQ(l.ok, c.accepted);
        EXPECT_EQ(l.displayLimits, c.display);
        if (!c.accepted) {
            EXPECT_EQ(l.lower, 1); // a refused pair takes nothing
        }
    }
}
