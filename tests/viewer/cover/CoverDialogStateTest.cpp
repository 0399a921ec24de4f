#include "cover/LimitDialogState.h"
#include "cover/ModifyDialogState.h"
#include "model/DisplayOptions.h"

#include <gtest/gtest.h>

using namespace vordalis;

namespace {

// The view's set-up of the limit dialog for a metric object.
LimitDialogState Limits(int flags, float limit, float lower, float upper, float defLimit, float defLower,
                        float defUpper, float minimum, float maximum, int32_t options = 0) {
    LimitDialogState d;
    d.SetOptions(options, "mm", 0);
    d.SetFlags(flags);
    d.SetCurrent(limit, lower, upper);
    d.SetDefaults(defLimit, defLower, defUpper);
    d.SetRange(minimum, maximum);
    d.Start();
    return d;
}

} // namespace

TEST(LimitDialog, CoverListShowsRangeDisabledAsZero) {
    // A cover list: limit 25, lower 10 / upper 80 reported, no range to edit.
    LimitDialogState d = Limits(edit::kListFlags, 25, 10, 80, 30, 10, 80, 1, 999, opts::kRangeFromInstrument);
    EXPECT_TRUE(d.LimitEnabled());
    EXPECT_TRUE(d.InitialLimitBoxEnabled());
    EXPECT_FALSE(d.RangeEnabled());
    EXPECT_FALSE(d.InitialRangeBoxEnabled());
    EXPECT_FALSE(d.InitialRangeOn()); // switched off because it is not offered
    EXPECT_EQ(d.limitText, "25");
    EXPECT_EQ(d.lowerText, "0");
    EXPECT_EQ(d.upperText, "0");
    float limit, lower, upper;
    int32_t options = opts::kRangeFromInstrument | opts::kChart;
    d.GetResult(limit, lower, upper, options);
    EXPECT_EQ(limit, 25.0f);
    EXPECT_EQ(lower, 0.0f);
    EXPECT_EQ(options, opts::kChart);
}

TEST(LimitDialog, SpinningBelowMinimumClearsTheLimit) {
    LimitDialogState d = Limits(edit::kBarsFlags, 2, 10, 80, 0, 10, 80, 1, 255);
    EXPECT_FALSE(d.LimitSpin(+1)); // 2 -> 1
    EXPECT_EQ(d.limitText, "1");
    EXPECT_FALSE(d.LimitSpin(+1)); // below the minimum: no limit, no beep yet
    EXPECT_EQ(d.limitText, "");
    EXPECT_EQ(d.Limit(), 0.0f);
    EXPECT_TRUE(d.LimitSpin(+1)); // already empty: beep
    EXPECT_EQ(d.limitText, "");
    EXPECT_FALSE(d.LimitSpin(-1)); // up from empty starts at the minimum
    EXPECT_EQ(d.limitText, "1");
    d.limitText = "255";
    EXPECT_TRUE(d.LimitSpin(-1));
    EXPECT_EQ(d.limitText, "255");
    float limit, lower, upper;
    int32_t options = 0;
    d.limitText = "";
    d.LimitSpin(+1);
    d.GetResult(limit, lower, upper, options);
    EXPECT_EQ(limit, 0.0f);
}

TEST(LimitDialog, DefaultsOutsideTheRangeAreReplaced) {
    // Bars: default limit 0 lies below the minimum 1 and becomes empty; range 10..80 kept.
    LimitDialogState bars = Limits(edit::kBarsFlags, 30, 10, 80, 0, 10, 80, 1, 255);
    EXPECT_EQ(bars.DefaultLimit(), 0.0f);
    EXPECT_EQ(bars.DefaultLower(), 10.0f);
    EXPECT_EQ(bars.DefaultUpper(), 80.0f);
    struct Case {
        float lower, upper;
    } replaced[] = {{60, 20}, {-5, 40}, {10, 300}};
    for (const Case& c : replaced) {
        LimitDialogState d;
        d.SetRange(1, 255);
        d.SetDefaults(20, c.lower, c.upper);
        EXPECT_EQ(d.DefaultLower(), 10.0f) << c.lower;
        EXPECT_EQ(d.DefaultUpper(), 45.0f) << c.upper;
        EXPECT_EQ(d.DefaultLimit(), 20.0f);
    }
    // The initial-setting boxes put the defaults in and lock the edits.
    bars.InitialRangeClicked(true);
    EXPECT_FALSE(bars.RangeEnabled());
    EXPECT_EQ(bars.lowerText, "10");
    bars.InitialLimitClicked(true);
    EXPECT_EQ(bars.limitText, "0");
    EXPECT_FALSE(bars.LimitEnabled());
    bars.InitialLimitClicked(false);
    EXPECT_TRUE(bars.LimitEnabled());
    float limit, lower, upper;
    int32_t options = 0;
    bars.GetResult(limit, lower, upper, options);
    EXPECT_EQ(options, opts::kRangeFromInstrument);
}

TEST(LimitDialog, EditsAndSpinsKeepTheRangeOrdered) {
    LimitDialogState d = Limits(edit::kRasterFlags, 20, 10, 80, 0, 10, 80, 1, 999);
    d.lowerText = "90"; // above upper
    EXPECT_TRUE(d.LowerEditDone());
    EXPECT_EQ(d.lowerText, "10");
    d.lowerText = "30";
    EXPECT_FALSE(d.LowerEditDone());
    EXPECT_EQ(d.Lower(), 30.0f);
    d.upperText = "25"; // below lower
    EXPECT_TRUE(d.UpperEditDone());
    EXPECT_EQ(d.upperText, "80");
    d.upperText = "30";
    EXPECT_TRUE(d.UpperSpin(+1)); // would pass the lower threshold
    EXPECT_EQ(d.upperText, "30");
    d.lowerText = "30";
    EXPECT_TRUE(d.LowerSpin(-1));
    EXPECT_EQ(d.Lower(), 30.0f);
    d.limitText = "5000"; // above the maximum: clamped, no beep
    EXPECT_FALSE(d.LimitEditDone());
    EXPECT_EQ(d.limitText, "999");
    d.limitText = "0";
    d.LimitEditDone();
    EXPECT_EQ(d.Limit(), 0.0f);
    // Imperial objects edit with one decimal and spin in tenths.
    LimitDialogState in;
    in.SetOptions(0, "in", 1);
    in.SetFlags(edit::kBarsFlags);
    in.SetCurrent(1.182f, 0.394f, 3.152f);
    EXPECT_EQ(in.limitText, "1.2");
    in.LimitSpin(-1);
    EXPECT_EQ(in.limitText, "1.3");
}

TEST(ModifyDialog, ListPositionAndUnits) {
    ModifyDialogState d;
    d.SetMode(edit::kListFlags, "mm", false, 0);
    d.SetX(3);
    d.SetY(ModifyDialogState::kListPosition);
    d.SetValue(42);
    EXPECT_EQ(d.xText, "");
    EXPECT_EQ(d.yText, "");
    EXPECT_EQ(d.valueText, "42");
    EXPECT_FALSE(d.PositionEnabled());
    EXPECT_TRUE(d.ValueEnabled());

    ModifyDialogState mm;
    mm.SetMode(edit::kBarsFlags, "mm", true, 0);
    mm.SetX(0.35);
    mm.SetY(120.0); // clamped to 99.99
    EXPECT_EQ(mm.xUnit, "mm");
    EXPECT_EQ(mm.xText, "350");
    EXPECT_EQ(mm.yText, "99990");

    ModifyDialogState ft;
    ft.SetMode(edit::kRasterFlags, "ft", false, 2);
    ft.SetX(1.5);
    EXPECT_EQ(ft.xText, "1.50");
    EXPECT_EQ(ft.xUnit, "ft");
    EXPECT_EQ(ft.valueUnit, "in");
}

TEST(ModifyDialog, ValueEditsAndSpins) {
    ModifyDialogState bars; // bars accept no empty value
    bars.SetMode(edit::kBarsFlags, "mm", false, 0);
    bars.SetRange(1, 255);
    bars.SetValue(2);
    EXPECT_FALSE(bars.ValueSpin(+1));
    EXPECT_EQ(bars.valueText, "1");
    EXPECT_TRUE(bars.ValueSpin(+1));
    EXPECT_EQ(bars.GetValue(), 1.0f);
    bars.valueText = "";
    EXPECT_TRUE(bars.ValueEditDone()); // empty is 0, below the minimum
    EXPECT_EQ(bars.valueText, "1");
    bars.valueText = "300";
    EXPECT_TRUE(bars.ValueEditDone());
    EXPECT_EQ(bars.valueText, "1");
    bars.valueText = "254";
    EXPECT_TRUE(bars.ValueSpin(-2)); // 256 is above the maximum
    EXPECT_EQ(bars.valueText, "255");

    ModifyDialogState raster; // rasters accept an empty cell
    raster.SetMode(edit::kRasterFlags, "mm", false, 0);
    raster.SetValue(1);
    EXPECT_FALSE(raster.ValueSpin(+1));
    EXPECT_EQ(raster.valueText, "");
    EXPECT_EQ(raster.GetValue(), 0.0f);
    EXPECT_TRUE(raster.ValueSpin(+1));
    raster.valueText = "";
    raster.SetValue(30);
    raster.valueText = "";
    EXPECT_FALSE(raster.ValueEditDone());
    EXPECT_EQ(raster.GetValue(), 0.0f);
}
