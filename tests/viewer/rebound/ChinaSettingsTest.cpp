// The China settings dialog's behaviour: conversion combo rules, initial-settings boxes,
// clamping of depth and coefficients, and what OK takes over.
#include "ReboundFixtures.h"
#include "rebound/ChinaSettingsLogic.h"
#include "rebound/TTorvChina.h"

#include <gtest/gtest.h>

namespace vordalis {
namespace {

using testing::ChinaFile;

std::unique_ptr<TTorvChina> Object(int conversion, int n, int m) {
    ChinaFile f;
    f.readings = {35, 36, 37};
    f.conversion = conversion;
    f.n = n;
    f.m = m;
    f.angle = 3;
    f.surface = 1;
    f.depth = 1.5;
    f.pump = 1;
    f.a = 0.02;
    f.b = 2;
    f.c = -0.03;
    MemorySource src(f.Text());
    auto obj = std::make_unique<TTorvChina>(src);
    EXPECT_TRUE(obj->valid);
    return obj;
}

TEST(ChinaSettings, ConversionComboRules) {
    // Conversion initial on: the instrument's conversion, disabled.
    auto table = Object(1, 10, 2);
    ChinaSettingsLogic a(*table);
    EXPECT_FALSE(a.conversionEnabled);
    a.ConversionInitialClicked(false);
    EXPECT_TRUE(a.conversionEnabled);
    // Table as measured -> general: n = 16, m = 3.
    a.ConversionChanged(1);
    EXPECT_EQ(a.conversionIndex, 1);
    EXPECT_EQ(a.readings, 16);
    EXPECT_EQ(a.dropped, 3);

    // General as measured with 16 / 3: the table is allowed.
    auto general = Object(2, 16, 3);
    ChinaSettingsLogic b(*general);
    b.ConversionInitialClicked(false);
    EXPECT_TRUE(b.conversionEnabled);
    b.ConversionChanged(0);
    EXPECT_EQ(b.conversionIndex, 0);

    // General with another n and m: the combo stays general and is disabled.
    auto other = Object(2, 12, 2);
    ChinaSettingsLogic c(*other);
    c.ConversionInitialClicked(false);
    EXPECT_FALSE(c.conversionEnabled);
    EXPECT_EQ(c.conversionIndex, 1);
    c.ConversionChanged(0);
    EXPECT_EQ(c.conversionIndex, 1);
    EXPECT_EQ(c.readings, 12);
    EXPECT_EQ(c.dropped, 2);
}

TEST(ChinaSettings, InitialBoxesRestoreTheInstrumentValues) {
    auto obj = Object(1, 16, 3);
    obj->parametersInitial = 0;
    obj->generalInitial = 0;
    obj->angle = 7;
    obj->carbonationDepth = 4.0;
    obj->generalA = 1.5;
    ChinaSettingsLogic s(*obj);
    EXPECT_TRUE(s.parametersEnabled);
    EXPECT_EQ(s.angleIndex, 6);
    EXPECT_EQ(s.depthText, u"4.0");
    s.ParametersInitialClicked(true);
    EXPECT_FALSE(s.parametersEnabled);
    EXPECT_EQ(s.angleIndex, 2);
    EXPECT_EQ(s.surfaceIndex, 0);
    EXPECT_EQ(s.depthText, u"1.5");
    EXPECT_TRUE(s.pump);
    EXPECT_EQ(s.coefficientText[0], u"1.50000");
    s.GeneralInitialClicked(true);
    EXPECT_EQ(s.coefficientText[0], u"0.02000");
    EXPECT_FALSE(s.coefficientsEnabled);
}

TEST(ChinaSettings, DepthAndCoefficientClamping) {
    auto obj = Object(1, 16, 3);
    ChinaSettingsLogic s(*obj);
    struct Case {
        const char16_t* typed;
        bool beep;
        const char16_t* shown;
    } depths[] = {
        {u"7", true, u"6.0"}, {u"-1", true, u"0.0"}, {u"2.25", false, u"2.2"}, {u"3,5", false, u"3.5"}};
    for (const auto& c : depths) {
        EXPECT_EQ(s.DepthEdited(c.typed), c.beep);
        EXPECT_EQ(s.depthText, c.shown);
    }
    // Spin: one step up adds 0.5, limited to 6 with a beep.
    s.DepthEdited(u"5.8");
    EXPECT_FALSE(s.DepthSpun(1));
    EXPECT_EQ(s.depthText, u"5.3");
    EXPECT_FALSE(s.DepthSpun(-1));
    EXPECT_TRUE(s.DepthSpun(-1));
    EXPECT_EQ(s.depthText, u"6.0");
    EXPECT_TRUE(s.CoefficientEdited(1, u"123"));
    EXPECT_EQ(s.coefficientText[1], u"99.99999");
    EXPECT_FALSE(s.CoefficientEdited(2, u"-0.0173"));
    EXPECT_EQ(s.coefficientText[2], u"-0.01730");
}

TEST(ChinaSettings, OkTakesTheControlsIntoTheObject) {
    auto obj = Object(1, 16, 3);
    ChinaSettingsLogic s(*obj);
    s.ConversionInitialClicked(false);
    s.ParametersInitialClicked(false);
    s.GeneralInitialClicked(false);
    s.ConversionChanged(1);
    s.angleIndex = 8;
    s.surfaceIndex = 2;
    s.pump = false;
    s.DepthEdited(u"2.5");
    s.CoefficientEdited(0, u"0.034488");
    s.CoefficientEdited(1, u"1.94");
    s.CoefficientEdited(2, u"-0.0173");
    s.Apply(*obj);
    EXPECT_EQ(obj->conversion, 2);
    EXPECT_EQ(obj->angle, 9);
    EXPECT_EQ(obj->surface, 3);
    EXPECT_EQ(obj->pumpConcrete, 0);
    EXPECT_DOUBLE_EQ(obj->carbonationDepth, 2.5);
    EXPECT_DOUBLE_EQ(obj->generalA, 0.03449); // nine characters: "0.03449" as shown
    EXPECT_DOUBLE_EQ(obj->generalB, 1.94);
    EXPECT_DOUBLE_EQ(obj->generalC, -0.0173);
    EXPECT_EQ(obj->readings, 16);
    EXPECT_EQ(obj->dropped, 3);
    EXPECT_EQ(obj->conversionInitial + obj->parametersInitial + obj->generalInitial, 0);
}

} // namespace
} // namespace vordalis
