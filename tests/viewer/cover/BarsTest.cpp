#include "LevelFiles.h"
#include "cover/TVernoBars.h"
#include "model/ObjectFactory.h"
#include "plot/RecordingCanvas.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

using namespace vordalis;
using vordalis::test::BarsBytes;

namespace {

std::unique_ptr<TVernoBars> Load(const BarsBytes& b, bool mmScale = false) {
    MemorySource src(b.Build());
    return std::make_unique<TVernoBars>(src, mmScale);
}

std::string Written(TVernoBars& bars) {
    ObjectWriter out;
    EXPECT_TRUE(bars.Write(out));
    return out.Bytes();
}

} // namespace

TEST(Bars, ReadsBothBlocksHeaderAndText) {
    BarsBytes b;
    b.first[3] = 40;
    b.first[10] = 22;
    b.second[5] = 31;
    b.lengthX = 60;
    b.layer = 150;
    b.diameter = 0;
    b.mark = 1;
    auto bars = Load(b);
    ASSERT_TRUE(bars->valid);
    EXPECT_EQ(bars->category, kCategoryBars);
    EXPECT_EQ(bars->objectNumber, 200123);
    EXPECT_EQ(bars->title, u"Deck");
    EXPECT_EQ(bars->name, u"Bridge");
    EXPECT_EQ(bars->idPart1, u"1234");
    EXPECT_EQ(bars->xScan.Get(3), 40);
    EXPECT_EQ(bars->yScan.Get(5), 31);
    EXPECT_EQ(bars->barDiameter, 16); // byte 0 means 16 mm
    EXPECT_EQ(bars->layerWord, 150);
    EXPECT_EQ(bars->lengthX, 60);
    int32_t limit, second, lower, upper;
    EXPECT_TRUE(bars->GetLimits(&limit, &second, &lower, &upper));
    EXPECT_EQ(limit, 25);
    EXPECT_EQ(bars->yScan.Lower(), 25);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 80);
    EXPECT_EQ(bars->ClassCount(), 9);
    EXPECT_TRUE(bars->GetDefaultLimits(&limit, &second, &lower, &upper));
    EXPECT_EQ(limit, 0);
    EXPECT_EQ(upper, 80);
    EXPECT_EQ(bars->grid.StepX(), 10.0);
    EXPECT_EQ(bars->grid.Scale(), 0.001);
    EXPECT_EQ(bars->GetEditFlags(), 0xF4);
    EXPECT_EQ(bars->GetMaxValue(), 255.0);
}

TEST(Bars, WritesTheFileBack) {
    BarsBytes b;
    b.first[3] = 40;
    b.first[10] = 22;
    b.second[5] = 31;
    b.second[6] = 35;
    b.diameter = 0;
    b.mark = 1;
    b.lengthY = 7;
    auto bars = Load(b);
    ASSERT_TRUE(bars->valid);
    const std::string out = Written(*bars);
    EXPECT_EQ(static_cast<uint8_t>(out[253]), 16); // the diameter that read as 0 is written as 16
    EXPECT_EQ(static_cast<uint8_t>(out[250]), 22); // smallest cover of the block at 0
    EXPECT_EQ(static_cast<uint8_t>(out[251]), 31); // ... and of the block at 128
    EXPECT_EQ(static_cast<uint8_t>(out[252]), 1);
    EXPECT_EQ(static_cast<uint8_t>(out[255]), 1); // mark kept
    EXPECT_EQ(static_cast<uint8_t>(out[248]), 7);
    EXPECT_EQ(out.substr(100, 28), std::string(28, '\0'));
    EXPECT_EQ(out.substr(256, 8), "200123\r\n");
    EXPECT_NE(out.find("VX(1234;A)-\t25\t10\t80\r\n"), std::string::npos);
    // The file ends with the number, no delimiter after it.
    EXPECT_EQ(out.substr(out.size() - 9), "\r\n\x06"
                                          "200123");
    // Written and read again it carries the same data.
    MemorySource again(out);
    TVernoBars back(again, false);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.xScan.Values(), bars->xScan.Values());
    EXPECT_EQ(back.yScan.Values(), bars->yScan.Values());
    EXPECT_EQ(back.title, u"Deck");
    EXPECT_EQ(Written(back), out);
}

TEST(Bars, OrientationTwoStoresTheYScanFirst) {
    BarsBytes b;
    b.orientation = 2;
    b.first[4] = 50;  // y scan
    b.second[8] = 20; // x scan
    auto bars = Load(b);
    ASSERT_TRUE(bars->valid);
    EXPECT_EQ(bars->swapped, 1);
    EXPECT_EQ(bars->yScan.Get(4), 50);
    EXPECT_EQ(bars->xScan.Get(8), 20);
    const std::string out = Written(*bars);
    EXPECT_EQ(static_cast<uint8_t>(out[252]), 2);
    EXPECT_EQ(static_cast<uint8_t>(out[4]), 50);
    EXPECT_EQ(static_cast<uint8_t>(out[128 + 8]), 20);
    EXPECT_EQ(static_cast<uint8_t>(out[250]), 50);
    EXPECT_EQ(static_cast<uint8_t>(out[251]), 20);
}

TEST(Bars, RejectsBadHeaderBytesAndForeignInstruments) {
    struct Case {
        const char* what;
        BarsBytes bytes;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change) {
        BarsBytes b;
        change(b);
        cases.push_back({what, b});
    };
    add("orientation 0", [](BarsBytes& b) { b.orientation = 0; });
    add("orientation 3", [](BarsBytes& b) { b.orientation = 3; });
    add("grid class 0", [](BarsBytes& b) { b.gridClass = 0; });
    add("grid class 4", [](BarsBytes& b) { b.gridClass = 4; });
    add("mark 2", [](BarsBytes& b) { b.mark = 2; });
    add("number", [](BarsBytes& b) { b.text = "x200123\r\nVX(1;)-\r\n"; });
    add("instrument", [](BarsBytes& b) { b.text = "200123\r\nTH(1;)-\t25\r\n"; });
    for (const Case& c : cases) EXPECT_FALSE(Load(c.bytes)->valid) << c.what;

    std::string cut = BarsBytes().Build().substr(0, 200); // second block incomplete
    MemorySource src(cut);
    EXPECT_FALSE(TVernoBars(src, false).valid);
}

TEST(Bars, OptionalFieldsAfterTheInstrument) {
    BarsBytes b;
    b.text = "200124\r\nV5i(9;)-\r\n";
    auto bars = Load(b);
    ASSERT_TRUE(bars->valid);
    EXPECT_EQ(bars->xScan.Lower(), 0);
    EXPECT_EQ(bars->lowerThreshold, 10);
    EXPECT_EQ(bars->imperial, 1);
    EXPECT_EQ(bars->xScan.Unit(), u"in");
    EXPECT_DOUBLE_EQ(bars->grid.StepX(), 0.4);
    EXPECT_EQ(bars->grid.Scale(), 1.0);

    b.text = "200125\r\nVX(9;)-\t30\tx\t60\r\n";
    bars = Load(b);
    ASSERT_TRUE(bars->valid);
    EXPECT_EQ(bars->xScan.Lower(), 30);
    EXPECT_EQ(bars->lowerThreshold, 10); // unreadable: kept
    EXPECT_EQ(bars->upperThreshold, 60);
    EXPECT_EQ(bars->ClassCount(), 9);
    EXPECT_EQ(bars->Boundary(8 - 1), 60);
}

TEST(Bars, ExtentsFollowTheBarsWithinHalfADiameter) {
    BarsBytes b;
    b.gridClass = 1; // 5 mm steps; D = 16: half 8, window w = 2
    for (int i : {0, 4, 8}) b.first[static_cast<size_t>(i)] = 30;
    b.first[20] = 30; // too far from the others
    b.second[50] = 40;
    auto bars = Load(b);
    ASSERT_TRUE(bars->valid);
    EXPECT_EQ(bars->extentX, 11); // positions 0..10 see a bar within 2 positions
    EXPECT_EQ(bars->extentY, 0);
    EXPECT_DOUBLE_EQ(bars->DrawnLengthX(), 11 * 0.005);
    b.lengthX = 6; // a smaller nominal length wins
    EXPECT_DOUBLE_EQ(Load(b)->DrawnLengthX(), 6 * 0.005);
}

TEST(Bars, BarSearchPrefersTheShallowerBarAndYOnEqualCovers) {
    BarsBytes b; // 10 mm steps, D 16: half = 0.008 m
    b.first[10] = 30;
    b.first[11] = 28;
    b.second[20] = 28;
    b.second[40] = 50;
    auto bars = Load(b);
    // x 0.105 m, y 0.2 m: x bars 10 and 11 (cover 28 at 11), y bar 20 with the same cover.
    EXPECT_EQ(bars->BarAt(0.105, 0.200), TVernoBars::kYItem + 20);
    // Nothing in y near 0.4 m but the 50 mm bar, which is deeper than the x bar.
    EXPECT_EQ(bars->BarAt(0.105, 0.400), 11);
    EXPECT_EQ(bars->BarAt(0.300, 0.400), TVernoBars::kYItem + 40);
    EXPECT_EQ(bars->BarAt(0.700, 0.700), -1);
}

TEST(Bars, RowsAndIndexedValues) {
    BarsBytes b;
    b.first[2] = 30;
    b.first[7] = 44;
    b.second[5] = 51;
    auto bars = Load(b);
    EXPECT_DOUBLE_EQ(bars->RowX(1), 0.07);
    EXPECT_DOUBLE_EQ(bars->RowY(1), bars->extentY * 0.01);
    EXPECT_EQ(bars->RowX(2), -1.0);
    EXPECT_DOUBLE_EQ(bars->RowY(0x100), 0.05);
    EXPECT_EQ(bars->RowY(0x101), -1.0);
    EXPECT_DOUBLE_EQ(bars->RowX(0x100), bars->extentX * 0.01);
    EXPECT_EQ(bars->RowValue(1), 44);
    EXPECT_EQ(bars->RowValue(0x100), 51);
    EXPECT_TRUE(bars->SetValueByIndex(0x100, 47.9));
    EXPECT_EQ(bars->yScan.Get(5), 47);
    EXPECT_FALSE(bars->SetValueByIndex(3, 10));
}

TEST(Bars, PointingAtABarOnTheChartEditsIt) {
    BarsBytes b;
    b.first[30] = 45;
    auto bars = Load(b);
    bars->SetOptions(test::kPageSections | opts::kFrame);
    RecordingCanvas screen;
    bars->Draw(screen);
    const Rect chart = bars->plot.GetChartRect();
    ASSERT_FALSE(chart.IsEmpty());
    const int x = bars->plot.XToPixel(0.30), y = bars->plot.YToPixel(0.05, false);
    EXPECT_NEAR(bars->HitX(x, y), 0.30, 0.002);
    EXPECT_EQ(bars->HitValue(x, y), 45.0);
    EXPECT_EQ(bars->HitValue(chart.left - 5, y), 0.0);
    EXPECT_TRUE(bars->SetValueAt(bars->HitX(x, y), bars->HitY(x, y), 38.6));
    EXPECT_EQ(bars->xScan.Get(30), 38);
    EXPECT_FALSE(bars->SetValueAt(0.30, 0.05, 1000));
    EXPECT_FALSE(bars->SetValueAt(0.80, 0.80, 20)); // no bar there
}

TEST(Bars, ClassesAndExtentsFollowOptionBit17) {
    BarsBytes b;
    auto bars = Load(b);
    bars->SetLimits(35, 0, 10, 15);
    EXPECT_EQ(bars->xScan.Lower(), 35);
    EXPECT_EQ(bars->ClassCount(), 7);
    bars->xScan.At(0) = 40; // a change the layout has not seen yet
    bars->SetOptions(bars->options ^ opts::kBit17);
    EXPECT_GT(bars->extentX, 0);
}

TEST(Bars, FactoryBuildsBarsFromRecognisedFiles) {
    BarsBytes b;
    b.first[1] = 33;
    MemorySource src(b.Build());
    RegisterObjectType(kTypeCoverBars, &CreateVernoBars);
    auto obj = CreateObjectFromFile(src);
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->type, kTypeCoverBars);
}
