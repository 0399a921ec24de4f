// Acceptance of measured covers against the design cover.
#include "cover/CoverAcceptance.h"

#include <gtest/gtest.h>

namespace vordalis {
namespace {

// n covers at the design cover plus the given deviating ones (design 30 mm).
std::vector<double> Sample(int atDesign, std::vector<double> deviations) {
    std::vector<double> covers(static_cast<size_t>(atDesign), 30.0);
    for (double d : deviations) covers.push_back(30.0 + d);
    return covers;
}

TEST(CoverAcceptance, VerdictsOfTheRule) {
    const CoverTolerance beam = ToleranceOf(MemberKind::Beam), slab = ToleranceOf(MemberKind::Slab);
    struct Case {
        const char* what;
        std::vector<double> first;
        std::optional<std::vector<double>> second;
        CoverTolerance tolerance;
        AcceptanceVerdict verdict;
        double passRate;
    } cases[] = {
        {"exactly 90 % within", Sample(9, {-8}), {}, beam, AcceptanceVerdict::Pass, 90},
        {"89 %, nothing beyond 1.5x",
         Sample(89, std::vector<double>(11, -8)),
         {},
         beam,
         AcceptanceVerdict::SecondSampleRequired,
         89},
        {"89 % and a second sample bringing both to 90 %", Sample(89, std::vector<double>(11, -8)),
         Sample(91, std::vector<double>(9, 11)), beam, AcceptanceVerdict::Pass, 89},
        {"89 % and a second sample leaving both below 90 %", Sample(89, std::vector<double>(11, -8)),
         Sample(90, std::vector<double>(10, 11)), beam, AcceptanceVerdict::Fail, 89},
        {"second sample with a point beyond 1.5x", Sample(89, std::vector<double>(11, -8)), Sample(99, {16}),
         beam, AcceptanceVerdict::Fail, 89},
        {"95 % with one point at -11 in a beam", Sample(19, {-11}), {}, beam, AcceptanceVerdict::Fail, 95},
        {"95 % with one point at exactly -10.5", Sample(19, {-10.5}), {}, beam, AcceptanceVerdict::Pass, 95},
        {"below 80 % fails even with a second sample", Sample(79, std::vector<double>(21, -8)),
         Sample(100, {}), beam, AcceptanceVerdict::Fail, 79},
        {"the slab tolerance's own limits are within",
         Sample(8, {-5, 8}),
         {},
         slab,
         AcceptanceVerdict::Pass,
         100},
        {"custom tolerance", Sample(9, {-3}), {}, CoverTolerance{2, 2}, AcceptanceVerdict::Pass, 90},
        {"covers of 0 are no points", Sample(9, {-30, -30, -8}), {}, beam, AcceptanceVerdict::Pass, 90},
    };
    for (const auto& c : cases) {
        auto r = JudgeCovers(c.first, c.second, 30.0, c.tolerance);
        ASSERT_TRUE(r) << c.what;
        EXPECT_EQ(r->verdict, c.verdict) << c.what;
        EXPECT_NEAR(r->first.passRate, c.passRate, 1e-9) << c.what;
    }
}

TEST(CoverAcceptance, DeviationsAndBothSamplesTogether) {
    auto r = JudgeCovers(Sample(8, {-6, 9.5}), Sample(3, {-12}), 30.0, ToleranceOf(MemberKind::Beam));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first.points, 10);
    EXPECT_EQ(r->first.within, 10);
    EXPECT_DOUBLE_EQ(r->first.largestBelow, -6);
    EXPECT_DOUBLE_EQ(r->first.largestAbove, 9.5);
    EXPECT_FALSE(r->first.beyondLimit);
    ASSERT_TRUE(r->second && r->combined);
    EXPECT_TRUE(r->second->beyondLimit);
    EXPECT_EQ(r->combined->points, 14);
    EXPECT_EQ(r->combined->within, 13);
    EXPECT_DOUBLE_EQ(r->combined->largestBelow, -12);
    EXPECT_EQ(r->verdict, AcceptanceVerdict::Pass); // the first sample decides alone at 100 %
    EXPECT_STREQ(VerdictText(AcceptanceVerdict::SecondSampleRequired), "second sample required");
}

TEST(CoverAcceptance, NoPointIsNoJudgement) {
    EXPECT_FALSE(JudgeCovers({}, {}, 25.0, ToleranceOf(MemberKind::Beam)));
    EXPECT_FALSE(JudgeCovers({0, 0}, std::vector<double>{30}, 25.0, ToleranceOf(MemberKind::Slab)));
}

} // namespace
} // namespace vordalis
