// The JGJ/T 23 conversion table and the evaluation of one measuring area.
#include "rebound/ChinaEvaluation.h"
#include "rebound/ChinaTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace vordalis {
namespace {

constexpr double kEmpty = kChinaCellBelow;
constexpr double kOver = kChinaCellAbove;

int Row(double r) {
    return static_cast<int>(std::lround((r - 20.0) * 5));
}

TEST(ChinaTable, MatchesReferenceRows) {
    const double r20[13] = {10.3,   10.1,   kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
                            kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
    const double r35[13] = {31.8, 30.8, 29.6, 28.0, 26.7, 25.8, 24.8, 24.0, 23.2, 22.3, 21.4, 20.4, 19.2};
    const double r50[13] = {kOver, kOver, 59.9, 56.7, 53.4, 51.4, 49.5, 48.2, 46.9, 44.3, 42.3, 40.4, 39.1};
    const double r60[13] = {kOver, kOver, kOver, kOver, kOver, kOver, kOver,
                            kOver, kOver, kOver, kOver, 58.3,  56.4};
    for (int j = 0; j < kChinaTableColumns; ++j) {
        EXPECT_DOUBLE_EQ(kChinaTable[Row(20.0)][j], r20[j]) << "d column " << j;
        EXPECT_DOUBLE_EQ(kChinaTable[Row(35.0)][j], r35[j]) << "d column " << j;
        EXPECT_DOUBLE_EQ(kChinaTable[Row(50.0)][j], r50[j]) << "d column " << j;
        EXPECT_DOUBLE_EQ(kChinaTable[Row(60.0)][j], r60[j]) << "d column " << j;
    }
}

// Strength falls with the carbonation depth and rises with R; the two storage conventions
// (empty = 0.0, above 60 MPa = 60.1) keep that order, and nothing else lies outside 10..60.
TEST(ChinaTable, MonotoneInBothDirectionsWithStorageConventions) {
    for (int i = 0; i < kChinaTableRows; ++i)
        for (int j = 0; j < kChinaTableColumns; ++j) {
            double v = kChinaTable[i][j];
            EXPECT_TRUE(v == kEmpty || v == kOver || (v >= 10.0 && v <= 60.0)) << i << "," << j << ": " << v;
            if (j + 1 < kChinaTableColumns) {
                EXPECT_GE(v, kChinaTable[i][j + 1]) << i << "," << j;
            }
            if (i + 1 < kChinaTableRows) {
                EXPECT_LE(v, kChinaTable[i + 1][j]) << i << "," << j;
            }
        }
}

// The compiled array is the data file, cell by cell.
TEST(ChinaTable, EqualsDataFile) {
    std::ifstream f(VORDALIS_CHINA_CSV);
    ASSERT_TRUE(f.is_open());
    std::string line;
    std::getline(f, line);
    int i = 0;
    while (std::getline(f, line)) {
        std::stringstream ss(line);
        std::string field;
        std::getline(ss, field, ',');
        ASSERT_LT(i, kChinaTableRows);
        EXPECT_NEAR(std::stod(field), 20.0 + 0.2 * i, 1e-9);
        for (int j = 0; j < kChinaTableColumns; ++j) {
            if (!std::getline(ss, field, ',')) field.clear();
            double want = field.empty() ? kEmpty : field == ">60" ? kOver : std::stod(field);
            EXPECT_DOUBLE_EQ(kChinaTable[i][j], want) << "row " << i << " column " << j;
        }
        ++i;
    }
    EXPECT_EQ(i, kChinaTableRows);
}

ChinaParameters Table(double depth = 0.0) {
    ChinaParameters p;
    p.carbonationDepth = depth;
    return p;
}

TEST(ChinaEvaluation, TableLookupInterpolatesAndTruncatesDepth) {
    EXPECT_NEAR(EvaluateChina(35.0, Table()).f1, 31.8, 1e-9);
    EXPECT_NEAR(EvaluateChina(35.1, Table()).f1, 31.95, 1e-9);   // between 31.8 and 32.1
    EXPECT_NEAR(EvaluateChina(35.0, Table(1.4)).f1, 29.6, 1e-9); // d 1.4 is taken as 1.0
    EXPECT_NEAR(EvaluateChina(35.0, Table(6.0)).f1, 19.2, 1e-9);
    ChinaResult r = EvaluateChina(35.0, Table());
    EXPECT_FALSE(r.belowRange);
    EXPECT_FALSE(r.aboveRange);
    EXPECT_DOUBLE_EQ(r.f2, r.f1);
}

// A mean rebound value on a row of the table (as a mean of whole readings computes it) takes
// that row's cell alone, whatever binary rounding does to values like 20.2: the next row's cell
// sets no range flag (R 48.0 at d 0 holds 60.0 although R 48.2 is above 60).
TEST(ChinaEvaluation, MeanOnARowTakesThatRowAlone) {
    for (int i = 0; i < kChinaTableRows; ++i)
        for (int j = 0; j < kChinaTableColumns; ++j) {
            double rm = (200 + 2 * i) / 10.0;
            double g = kChinaTable[i][j];
            ChinaResult r = EvaluateChina(rm, Table(j * 0.5));
            EXPECT_EQ(r.belowRange, g < 10) << "R " << rm << " d " << j * 0.5;
            EXPECT_EQ(r.aboveRange, g > 60) << "R " << rm << " d " << j * 0.5;
            EXPECT_NEAR(r.f1, g, 1e-9) << "R " << rm << " d " << j * 0.5;
        }
    // The table holds 10.0 at R 20.2 and d 1.0: a strength, not "<10".
    ChinaResult r = EvaluateChina(202 / 10.0, Table(1.0));
    EXPECT_EQ(ChinaStrengthText(r.f1, r.belowRange, r.aboveRange), "  10.0");
}

TEST(ChinaEvaluation, AngleCorrection) {
    struct Case {
        int angle;
        double rm, correction;
    } cases[] = {
        {1, 30, 3.5},  {1, 60, 2.5},   {1, 10, 4.0}, // -90°: limited to 20..50
        {8, 25, -4.5}, {8, 35, -3.75},               // +60° changes formula at 30
        {9, 35, -4.5}, {9, 45, -3.75},               // +90° changes formula at 40
        {2, 40, 2.5},  {3, 40, 2.0},   {4, 40, 1.5}, {6, 40, -2.0}, {7, 40, -3.0}, {5, 40, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ChinaAngleCorrection(c.angle, c.rm), c.correction, 1e-9) << c.angle << " at " << c.rm;
        ChinaParameters p = Table();
        p.angle = c.angle;
        // Ra adds the correction to the unlimited Rm.
        EXPECT_NEAR(EvaluateChina(c.rm, p).ra, c.rm + c.correction, 1e-9);
    }
}

TEST(ChinaEvaluation, SurfaceCorrection) {
    struct Case {
        int surface;
        double ra, rc;
    } cases[] = {
        {kSurfaceTop, 30, 31.5},
        {kSurfaceTop, 45, 45},
        {kSurfaceTop, 45.1, 45.1},
        {kSurfaceBottom, 50, 50},
        {kSurfaceBottom, 40, 39},
        {kSurfaceSide, 30, 30},
        // Below 20 the correction at 20 holds, above 50 the one at 50; the sum takes Ra itself.
        {kSurfaceTop, 19.9, 22.4},
        {kSurfaceTop, 18.5, 21.0},
        {kSurfaceTop, 12, 14.5},
        {kSurfaceBottom, 18.5, 15.5},
        {kSurfaceBottom, 55, 55},
        {kSurfaceBottom, 50.1, 50.1},
    };
    for (const auto& c : cases) EXPECT_NEAR(ChinaSurfaceCorrection(c.surface, c.ra), c.rc, 1e-9);
}

TEST(ChinaEvaluation, RangeFlagsAndStrengthTexts) {
    struct Case {
        double rm, depth;
        bool below, above;
        const char* text;
    } cases[] = {
        {19.99, 0.0, true, false, "<10  "},  {20.0, 1.0, true, false, "<10  "}, // empty cell
        {60.0, 0.0, false, true, ">60  "},   {60.1, 6.0, false, true, ">60  "},
        {49.1, 0.5, false, true, ">60  "}, // next row holds >60
        {35.0, 0.0, false, false, "  31.8"},
    };
    for (const auto& c : cases) {
        ChinaResult r = EvaluateChina(c.rm, Table(c.depth));
        EXPECT_EQ(r.belowRange, c.below) << c.rm;
        EXPECT_EQ(r.aboveRange, c.above) << c.rm;
        EXPECT_EQ(ChinaStrengthText(r.f1, r.belowRange, r.aboveRange), c.text) << c.rm;
    }
    EXPECT_EQ(ChinaStrengthText(100.5, false, true), ">100  ");
}

TEST(ChinaEvaluation, PumpConcreteRulesOfBothEditions) {
    EXPECT_NEAR(ChinaPump2001(31.8, 0.0), 36.3, 1e-9);
    EXPECT_NEAR(ChinaPump2001(52.7, 0.0), 53.39, 1e-9);
    EXPECT_NEAR(ChinaPump2001(31.8, 2.5), 31.8, 1e-9);
    EXPECT_NEAR(ChinaPump2001(25.0, 1.5), 28.0, 1e-9);
    EXPECT_NEAR(ChinaPump2001(35.0, 2.0), 36.5, 1e-9);
    EXPECT_NEAR(ChinaPump2001(56.0, 0.5), 56.0, 1e-9);

    ChinaParameters p = Table();
    p.pumpConcrete = true;
    ChinaResult r = EvaluateChina(35.0, p);
    EXPECT_NEAR(r.f2, 36.3, 1e-9);
    EXPECT_NEAR(r.f1, 31.8, 1e-9);

    p.is2011 = true;
    p.carbonationDepth = 1.0;
    r = EvaluateChina(35.0, p);
    EXPECT_NEAR(r.f2, 32.80, 0.005);
    EXPECT_NEAR(r.f2, 0.034488 * std::pow(35.0, 1.94) * std::pow(10.0, -0.0173), 1e-9);
}

// Cases an inspector checks against the standard's own tables and curve.
TEST(ChinaEvaluation, AgreesWithTheStandardsTables) {
    auto at = [](double rm, int surface, double depth, bool pump2011) {
        ChinaParameters p = Table(depth);
        p.surface = surface;
        p.pumpConcrete = pump2011;
        p.is2011 = pump2011;
        return EvaluateChina(rm, p);
    };
    auto text1 = [](const ChinaResult& r) { return ChinaStrengthText(r.f1, r.belowRange, r.aboveRange); };
    auto text2 = [](const ChinaResult& r) { return ChinaStrengthText(r.f2, r.f2BelowRange, r.f2AboveRange); };

    ChinaResult r = at(48.0, kSurfaceSide, 0, false);
    EXPECT_EQ(text1(r), "  60.0");

    r = at(18.5, kSurfaceTop, 0, false);
    EXPECT_NEAR(r.rc, 21.0, 1e-9);
    EXPECT_NEAR(r.f1, kChinaTable[Row(21.0)][0], 1e-9);
    EXPECT_FALSE(r.belowRange || r.aboveRange);

    r = at(18.5, kSurfaceBottom, 0, false);
    EXPECT_NEAR(r.rc, 15.5, 1e-9);
    EXPECT_EQ(text1(r), "<10  ");

    EXPECT_NEAR(at(55, kSurfaceBottom, 0, false).rc, 55, 1e-9);

    // The 2011 pumped curve has flags of its own; f1 keeps the table's.
    r = at(19.0, kSurfaceSide, 0, true);
    EXPECT_EQ(text1(r), "<10  ");
    EXPECT_EQ(text2(r), "  10.4");
    EXPECT_FALSE(r.f2BelowRange || r.f2AboveRange);

    r = at(47.5, kSurfaceSide, 0, true);
    EXPECT_GT(r.f2, 60.0);
    EXPECT_EQ(text2(r), ">60  ");
    EXPECT_TRUE(r.f2AboveRange);
    EXPECT_FALSE(r.aboveRange); // the table holds a value at R 47.5

    // The curve holds up to a carbonation depth of 6.0 mm.
    EXPECT_NEAR(at(35, kSurfaceSide, 7.0, true).f2, at(35, kSurfaceSide, 6.0, true).f2, 1e-12);
    EXPECT_NEAR(at(40, kSurfaceSide, 7.0, true).f2, 34.8, 0.05);

    // Without pump concrete, and by the 2001 rule, f2 carries the flags of f1.
    r = at(19.0, kSurfaceSide, 0, false);
    EXPECT_TRUE(r.f2BelowRange);
    ChinaParameters p2001 = Table();
    p2001.pumpConcrete = true;
    r = EvaluateChina(60.0, p2001);
    EXPECT_TRUE(r.aboveRange && r.f2AboveRange);
}

TEST(ChinaEvaluation, GeneralConversion) {
    ChinaParameters p;
    p.conversion = kConversionGeneral;
    p.generalA = 0.025;
    p.generalB = 2.0;
    p.generalC = -0.01;
    p.carbonationDepth = 2.0;
    ChinaResult r = EvaluateChina(40.0, p);
    EXPECT_NEAR(r.f1, 0.025 * 1600 * std::pow(10.0, -0.02), 1e-9);
    EXPECT_FALSE(r.belowRange);
    p.generalA = 0.0;
    EXPECT_TRUE(EvaluateChina(40.0, p).belowRange);
}

TEST(ChinaComponentStrength, SingleAndBatchRules) {
    // 9 members: the smallest; 10 members: mean - 1.645 s.
    std::vector<double> nine = {30, 32, 34, 28, 31, 29, 33, 35, 27};
    ComponentStatistics s = ChinaComponentStrength(nine, false);
    EXPECT_EQ(s.count, 9);
    EXPECT_DOUBLE_EQ(s.component, 27);
    std::vector<double> ten = nine;
    ten.push_back(36);
    s = ChinaComponentStrength(ten, false);
    EXPECT_NEAR(s.component, s.mean - 1.645 * s.stddev, 1e-9);
    EXPECT_NEAR(s.mean, 31.5, 1e-9);

    // Batch with 8 members of mean 24: deviation 5 -> smallest, deviation 4 -> estimate.
    auto eight = [](double dev) {
        double d = dev * std::sqrt(7.0 / 8.0);
        return std::vector<double>{24 - d, 24 + d, 24 - d, 24 + d, 24 - d, 24 + d, 24 - d, 24 + d};
    };
    s = ChinaComponentStrength(eight(5), true);
    EXPECT_NEAR(s.mean, 24, 1e-9);
    EXPECT_NEAR(s.stddev, 5, 1e-9);
    EXPECT_DOUBLE_EQ(s.component, s.min);
    s = ChinaComponentStrength(eight(4), true);
    EXPECT_NEAR(s.stddev, 4, 1e-9);
    EXPECT_NEAR(s.component, 24 - 1.645 * 4, 1e-9);
    // Single evaluation of the same 8 members always takes the smallest.
    EXPECT_DOUBLE_EQ(ChinaComponentStrength(eight(4), false).component,
                     ChinaComponentStrength(eight(4), false).min);

    // A member below 10 MPa.
    s = ChinaComponentStrength({9.5, 30, 31}, false);
    EXPECT_EQ(s.component, -1);
    EXPECT_EQ(ComponentStrengthText(s.component), "<10.0  ");
    EXPECT_EQ(ComponentStrengthText(27.0), "  27.0  ");
}

} // namespace
} // namespace vordalis
