// Conversion from rebound value to compressive strength: curves, direction correction,
// carbonation factor, units and the display rule, median.
#include "rebound/CarbonationFactor.h"
#include "rebound/ConversionCurves.h"
#include "rebound/ImpactDirection.h"
#include "rebound/ReboundMedian.h"
#include "rebound/StrengthUnits.h"

#include <gtest/gtest.h>

using namespace vordalis::rebound;

namespace {

double Strength(int curve, int variant, double r) {
    return CurveStrength(BuiltInCurve(curve, variant), curve, r);
}

} // namespace

TEST(ConversionCurves, KnownStrengthsAtRebound40) {
    EXPECT_NEAR(Strength(1, 1, 40), 42.81438, 1e-5);
    // (212.8 + 352.8 - 122) x 1.05 / 10.197: the J curves deliver kg/cm².
    EXPECT_NEAR(Strength(3, 1, 40), 45.678, 1e-3);
    // The second coefficient set of the maker's curves.
    EXPECT_NEAR(Strength(2, 2, 40), (0.0059 * 1600 + 1.2506 * 40 - 9.8889) * 1.05, 1e-9);
    // JAP curves carry no 5 % allowance.
    EXPECT_NEAR(Strength(7, 1, 40), (13 * 40 - 184) / 10.197, 1e-9);
}

TEST(ConversionCurves, VariantOtherThanOneOrTwoLeavesMakerCurvesAtZero) {
    for (int curve : {1, 2}) {
        CurveCoefficients k = BuiltInCurve(curve, 3);
        EXPECT_EQ(k.a, 0);
        EXPECT_EQ(k.b, 0);
        EXPECT_EQ(k.c, 0);
    }
    EXPECT_NE(BuiltInCurve(3, 3).b, 0); // the other curves do not depend on the variant
}

TEST(ConversionCurves, RJapNeverReachesOneMPaUpToSixty) {
    for (double r = 0; r <= 60.0; r += 0.5) {
        StrengthDisplay d = FormatStrength(Strength(11, 1, r), r, 2);
        EXPECT_EQ(d.value, u"-    ") << r;
        EXPECT_TRUE(d.unit.empty());
    }
}

TEST(ConversionCurves, NamesAndInstrumentCodes) {
    EXPECT_EQ(CurveName(0), u"none");
    EXPECT_EQ(CurveName(6), u"Average Curve J");
    EXPECT_EQ(CurveName(15), u"Fx");
    EXPECT_EQ(CurveName(16), u"");
    // The curve a series shows for the code its instrument wrote.
    for (const auto& [code, name] : {std::pair{1, u"F1"},
                                     {4, u"A-MORVEX"},
                                     {6, u"Portland Cement J"},
                                     {9, u"Average Curve J"},
                                     {16, u"M-JAP"},
                                     {20, u"R-JAP"}})
        EXPECT_EQ(CurveName(CurveFromInstrumentCode(code)), name) << code;
    // Three runs of codes name the curves in order: 1-3 the instrument's own F1-F3, 4-9 the
    // maker's and the J curves, 16-20 the JAP curves; the gap between them means no curve.
    for (int code = 0; code <= 20; ++code) {
        const int curve = CurveFromInstrumentCode(code);
        if (code >= 1 && code <= 3)
            EXPECT_EQ(CurveName(curve), u"F" + std::u16string(1, char16_t(u'0' + code))) << code;
        else if (code >= 4 && code <= 9)
            EXPECT_EQ(curve, CurveFromInstrumentCode(4) + code - 4) << code;
        else if (code >= 16)
            EXPECT_EQ(curve, CurveFromInstrumentCode(16) + code - 16) << code;
        else
            EXPECT_EQ(curve, 0) << code;
    }
    EXPECT_EQ(CurveFromInstrumentCode(9) + 1, CurveFromInstrumentCode(16)); // the runs join up
    for (int code : {-1, 21, 1000}) EXPECT_EQ(CurveFromInstrumentCode(code), 0) << code;
    EXPECT_EQ(FormulaText({0.0125, -0.5, 12.25}), u"0.0125 R\u00B2 + -0.50 R + 12.2");
}

TEST(ImpactDirection, Corrections) {
    struct Case {
        int value, from, to, expected;
    } cases[] = {
        {40, 1, 3, 36}, // int(40 x 1.08 - 7.1 + 0.5)
        {36, 3, 1, 40}, // int((36 + 7.1) / 1.08 + 0.5)
        {0, 1, 4, 3},   // values of 0 are corrected too
        {40, 2, 5, 45}, // through the horizontal: h = 44.5 / 1.048 = 42.46; int(42.46 x 0.957 + 4.3 + 0.5)
        {40, 2, 2, 40},
        {40, 0, 3, 40},
        {40, 1, 6, 40},
        // values of a damaged file stay at the ends of the range instead of wrapping round
        {INT32_MAX, 1, 2, INT32_MAX},
        {INT32_MIN, 1, 2, INT32_MIN},
        {INT32_MAX, 4, 1, INT32_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectDirection(c.value, c.from, c.to), c.expected)
            << c.value << " " << c.from << "->" << c.to;
    EXPECT_EQ(DirectionText(3), u"  + 90\u00B0");
    EXPECT_EQ(DirectionText(5), u" - 90\u00B0");
}

TEST(Carbonation, FactorByClassAndDepth) {
    EXPECT_NEAR(CarbonationFactor(40, 3), 0.76674, 1e-5);
    EXPECT_NEAR(CarbonationFactor(27, 3), 0.81749, 1e-5);
    EXPECT_EQ(CarbonationFactor(40, 0), 1.0);
    EXPECT_EQ(CarbonationFactor(40, -2), 1.0);
    // Each class bound belongs to the upper class.
    EXPECT_NE(CarbonationFactor(27.99, 2), CarbonationFactor(28.0, 2));
    EXPECT_EQ(CarbonationFactor(28.0, 2), CarbonationFactor(33.99, 2));
    EXPECT_EQ(CarbonationFactor(45.0, 2), CarbonationFactor(60.0, 2));
}

TEST(StrengthUnits, ValueUnitAndDisplayRule) {
    struct Case {
        double fc, r;
        int unit;
        const char16_t* value;
        const char16_t* unitText;
    } cases[] = {
        {42.81438, 40, 1, u"  42.8  ", u"N/mm\u00B2"},
        {42.81438, 40, 2, u"  42.8  ", u"MPa"},
        {42.81438, 40, 3, u"  6208    ", u"psi"},
        {42.81438, 40, 4, u"   437    ", u"kg/cm\u00B2"},
        {42.81438, 60.0, 1, u"  42.8  ", u"N/mm\u00B2"},
        {42.81438, 60.1, 1, u"-    ", u""},
        {1.0, 40, 1, u"-    ", u""},
        {500.0, 40, 1, u"-    ", u""},
        {1.01, 40, 2, u"   1.0  ", u"MPa"},
    };
    for (const Case& c : cases) {
        StrengthDisplay d = FormatStrength(c.fc, c.r, c.unit);
        EXPECT_TRUE(d.row);
        EXPECT_EQ(d.value, c.value) << c.fc << " " << c.r << " " << c.unit;
        EXPECT_EQ(d.unit, c.unitText);
    }
    // An unknown unit draws no row when the value would be shown, but still "-" otherwise.
    EXPECT_FALSE(FormatStrength(42.8, 40, 5).row);
    EXPECT_TRUE(FormatStrength(0.5, 40, 5).row);
}

TEST(Median, MiddleValuesAndValidity) {
    EXPECT_EQ(Median({10, 20, 30, 40}), 25);
    EXPECT_EQ(Median({30, 30, 30, 40}), 30);
    // With the validity rule the same four values are too scattered (two of four far away).
    EXPECT_EQ(SeriesMedian({10, 20, 30, 40}), 0);
    EXPECT_EQ(SeriesMedian({31, 33, 35}), 33);
    // Values of 1 or less take no part in the median (but count for the validity rule).
    EXPECT_EQ(Median({1, 0, -3, 40, 42}), 41);
    EXPECT_EQ(Median({1, 0}), 0);

    // 20 values with median 40: 4 far away keep it valid (5 x 4 = 20 does not exceed 20),
    // 5 make it invalid. Exactly 6 away is still near.
    std::vector<int32_t> v(16, 40);
    v.insert(v.end(), {47, 33, 60, 20});
    EXPECT_EQ(SeriesMedian(v), 40);
    v[15] = 47;
    EXPECT_EQ(SeriesMedian(v), 0);
    v[15] = 46;
    EXPECT_EQ(SeriesMedian(v), 40);
}
