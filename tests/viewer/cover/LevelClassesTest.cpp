#include "cover/TLevelObj.h"
#include "cover/TVernoRasterPlot.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vordalis;

namespace {

// TLevelObj is abstract; its chart is irrelevant for the classes.
struct Level : TLevelObj {
    bool Write(ObjectWriter&) override { return false; }
    TBasicPlot& Plot() override { return plot; }
    int GetEditFlags() override { return 0; }
    TVernoRasterPlot plot;
};

std::vector<int32_t> Boundaries(const Level& l) {
    std::vector<int32_t> b;
    for (int i = 0; i <= l.ClassCount() - 2; ++i) b.push_back(l.Boundary(i));
    return b;
}

} // namespace

TEST(LevelClasses, BoundariesSpreadBetweenThresholds) {
    struct Case {
        int lower, upper, count;
        std::vector<int32_t> boundaries;
    } cases[] = {
        {10, 80, 9, {10, 20, 30, 40, 50, 60, 70, 80}},
        {10, 15, 7, {10, 11, 12, 13, 14, 15}},
        {20, 20, 2, {20}},
        {30, 20, 2, {30}},
        {0, 100, 9, {0, 14, 29, 43, 57, 71, 86, 100}},
        {10, 11, 3, {10, 11}},
        {-2000000000,
         2000000000,
         9,
         {-2000000000, -1428571429, -857142857, -285714286, 285714286, 857142857, 1428571429, 2000000000}},
    };
    for (const Case& c : cases) {
        Level l;
        l.BuildClasses(c.lower, c.upper);
        EXPECT_EQ(l.ClassCount(), c.count) << c.lower << "/" << c.upper;
        EXPECT_EQ(Boundaries(l), c.boundaries) << c.lower << "/" << c.upper;
    }
}

TEST(LevelClasses, ValuesFallIntoClassesAndAreCounted) {
    Level l;
    EXPECT_EQ(l.ClassOf(50), -1); // no classes built yet
    l.BuildClasses(10, 80);
    EXPECT_EQ(l.ClassOf(0), -1);
    EXPECT_EQ(l.ClassOf(-3), -1);
    EXPECT_EQ(l.ClassOf(9), 0);
    EXPECT_EQ(l.ClassOf(10), 1);
    EXPECT_EQ(l.ClassOf(19), 1);
    EXPECT_EQ(l.ClassOf(79), 7);
    EXPECT_EQ(l.ClassOf(80), 8);
    EXPECT_EQ(l.ClassOf(250), 8);
    for (int v : {5, 9, 35, 0, 80, 81}) l.CountValue(v);
    EXPECT_EQ(l.Counter(0), 2);
    EXPECT_EQ(l.Counter(3), 1);
    EXPECT_EQ(l.Counter(8), 2);
    l.BuildClasses(20, 20); // rebuilding clears the counters
    EXPECT_EQ(l.Counter(0) + l.Counter(1), 0);
    EXPECT_EQ(l.ClassOf(19), 0);
    EXPECT_EQ(l.ClassOf(20), 1);
}
