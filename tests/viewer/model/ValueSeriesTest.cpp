#include "model/TValueSeries.h"

#include <gtest/gtest.h>

using namespace vordalis;

TEST(ValueSeries, StatisticsSkipMissingReadings) {
    TValueSeries s;
    ASSERT_TRUE(s.Init(3, u"mm", 0, 0));
    s.At(0) = 10;
    s.At(1) = 0;
    s.At(2) = 30;
    EXPECT_EQ(s.Count(), 2);
    EXPECT_DOUBLE_EQ(s.Mean(), 20.0);
    EXPECT_NEAR(s.StdDev(), 14.1421356, 1e-6);
    EXPECT_EQ(s.Min(), 10);
    EXPECT_EQ(s.Max(), 30);
    EXPECT_EQ(s.PercentOutside(), 0.0);
    s.SetLower(20);
    EXPECT_EQ(s.InRangeCount(), 1);
    EXPECT_DOUBLE_EQ(s.PercentOutside(), 50.0);
}

TEST(ValueSeries, OutliersExcludedFromBothEnds) {
    TValueSeries s;
    s.Init(16, u"R", 0, 0);
    const int v[16] = {30, 50, 50, 20, 40, 41, 42, 43, 44, 45, 20, 10, 46, 47, 48, 49};
    for (int i = 0; i < 16; ++i) s.At(i) = v[i];
    s.SetOutlierCount(3);
    EXPECT_EQ(s.Count(), 10);
    EXPECT_TRUE(s.IsHighOutlier(1));
    EXPECT_TRUE(s.IsHighOutlier(2));
    EXPECT_TRUE(s.IsHighOutlier(15));
    EXPECT_FALSE(s.IsHighOutlier(14));
    EXPECT_TRUE(s.IsLowOutlier(11));
    EXPECT_TRUE(s.IsLowOutlier(3)) << "first index wins a tie";
    EXPECT_TRUE(s.IsLowOutlier(10));
    EXPECT_FALSE(s.IsLowOutlier(0));
    EXPECT_TRUE(s.IsExcluded(1));
    EXPECT_FALSE(s.IsExcluded(99));
    EXPECT_EQ(s.Min(), 30);
    EXPECT_EQ(s.Max(), 48);
}

TEST(ValueSeries, InchesUseTheFactorButKeepRawExtremes) {
    TValueSeries s;
    s.Init(2, u"in", 0, 0);
    s.At(0) = 100;
    EXPECT_NEAR(s.Mean(), 3.94, 1e-12);
    EXPECT_EQ(s.Min(), 100);
    EXPECT_EQ(s.Max(), 100);
    TValueSeries other;
    other.Init(2, u"kg", 0, 0);
    other.At(0) = 5;
    EXPECT_EQ(other.Count(), 0) << "unknown units compute nothing";
}

TEST(ValueSeries, BoundsLimitsAndPositions) {
    TValueSeries s;
    EXPECT_FALSE(s.Init(0, u"mm", 0, 0));
    s.Init(4, u"mm", 30, 20);
    EXPECT_EQ(s.Upper(), 30);
    s.Init(4, u"mm", 0, -5);
    EXPECT_EQ(s.Upper(), 0);
    s.At(4) = 99; // index equal to the capacity: the dummy cell
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.At(-1), 0) << "the dummy cell is reset before it is handed out";
    EXPECT_EQ(s.Get(4), 0);
    s.At(1) = 5;
    s.At(3) = 7;
    EXPECT_EQ(s.Length(), 4);
    EXPECT_EQ(s.NthPositiveIndex(1), 3);
    EXPECT_EQ(s.NthPositiveValue(0), 5);
    EXPECT_EQ(s.NthPositiveIndex(2), -1);
    s.Init(4, u"mm", 10, 40);
    s.SetLower(50);
    EXPECT_EQ(s.Lower(), 40) << "never above the upper limit";
    s.SetLower(-3);
    EXPECT_EQ(s.Lower(), 0);
    TValueSeries empty;
    empty.Init(2, u"mm", 0, 0);
    EXPECT_EQ(empty.PercentOutside(), 0.0);
    EXPECT_EQ(empty.StdDev(), 0.0);
}
