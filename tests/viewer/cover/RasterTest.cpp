#include "LevelFiles.h"
#include "cover/TVernoRaster.h"
#include "plot/RecordingCanvas.h"
#include "viewer/model/PageOptions.h"

#include <gtest/gtest.h>

using namespace vordalis;
using vordalis::test::RasterFile;

namespace {

std::unique_ptr<TVernoRaster> Load(const std::string& bytes) {
    MemorySource src(bytes);
    return std::make_unique<TVernoRaster>(src, false);
}

// 4 x 3 cells of 100 mm x 200 mm; the last column and the last row hold no covers.
const std::vector<int> kCovers = {30, 0,  45, 0, //
                                  12, 90, 0,  0, //
                                  0,  0,  0,  0};
const std::string kHead = "300042\r\n100\t200\r\n10\t80\r\n4\t3\r\n16\t5\t35\t12\t90\t25\t40\t0.080\t150\r\n";

} // namespace

TEST(Raster, ReadsHeaderCoversAndTrailer) {
    auto r = Load(RasterFile(kHead, 4, kCovers));
    ASSERT_TRUE(r->valid);
    EXPECT_EQ(r->category, kCategoryRaster);
    EXPECT_EQ(r->objectNumber, 300042);
    EXPECT_EQ(r->grid.Nx(), 4);
    EXPECT_EQ(r->grid.Ny(), 3);
    EXPECT_EQ(r->grid.StepY(), 200.0);
    EXPECT_EQ(r->barDiameter, 16);
    EXPECT_EQ(r->defaultLimit, 25);
    EXPECT_EQ(r->layerWord, 150);
    EXPECT_EQ(r->covers.Get(5), 90);
    int32_t limit, second, lower, upper;
    r->GetLimits(&limit, &second, &lower, &upper);
    EXPECT_EQ(limit, 20); // the current values after the instrument token
    EXPECT_EQ(lower, 15);
    EXPECT_EQ(upper, 60);
    r->GetDefaultLimits(&limit, &second, &lower, &upper);
    EXPECT_EQ(limit, 25);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 80);
    EXPECT_EQ(r->usedColumns, 3);
    EXPECT_EQ(r->usedRows, 2);
    // Nine classes over 15..60: 12 lies below them, 90 above.
    EXPECT_EQ(r->Counter(0), 1);
    EXPECT_EQ(r->Counter(r->ClassCount() - 1), 1);
    EXPECT_NEAR(r->MeasuredArea(), 4 * 0.02, 1e-12);
    EXPECT_EQ(r->GetEditFlags(), 0xFD);
}

TEST(Raster, HeaderVariants) {
    // A grid width in micrometres; three integers after the skipped statistics.
    auto r = Load(RasterFile("300043\r\n150000\t150\r\n10\t80\r\n2\t1\r\n12\t2\t30\t20\t40\t33\t0\t0.045\r\n",
                             2, {20, 40}));
    ASSERT_TRUE(r->valid);
    EXPECT_EQ(r->grid.StepX(), 150.0);
    EXPECT_EQ(r->defaultLimit, 33);
    EXPECT_EQ(r->layerWord, 0);
    // Two integers: the second is the layer word.
    r = Load(
        RasterFile("300044\r\n100\t100\r\n10\t80\r\n2\t1\r\n12\t2\t30\t20\t40\t7\t120\r\n", 2, {20, 40}));
    ASSERT_TRUE(r->valid);
    EXPECT_EQ(r->defaultLimit, 0);
    EXPECT_EQ(r->layerWord, 120);

    const char* invalid[] = {
        "300045\r\n0\t100\r\n10\t80\r\n2\t1\r\n12\t2\t30\t20\t40\t7\t120\r\n",   // width 0
        "300045\r\n100\t100\r\n10\t80\r\n0\t1\r\n12\t2\t30\t20\t40\t7\t120\r\n", // no columns
        "300045\r\n100\t100\r\n10\t80\r\n2\t1\r\n12\t2\t30\t20\t40\r\n", // no integer after the statistics
        "300045\r\n100\t100\r\n10\t80\r\n2\t1\r\n12\t2\t30\t20\t40\t-5\t7\t0.1\r\n", // negative default limit
        "300045\r\n100\t100\r\n10\t80\r\n300\t300\r\n12\t2\t30\t20\t40\t7\t120\r\n", // more than 65536 cells
        "300045\r\n100\tx\r\n",
    };
    for (const char* head : invalid) EXPECT_FALSE(Load(RasterFile(head, 2, {20, 40}))->valid) << head;
    EXPECT_FALSE(Load(RasterFile(kHead, 4, {30, 0, 45})).get()->valid); // covers missing
    EXPECT_FALSE(Load(RasterFile(kHead, 4, kCovers, "TH(1;)-\r\n"))->valid);
}

TEST(Raster, WritesTheFileBack) {
    auto r = Load(RasterFile(kHead, 4, kCovers));
    ObjectWriter out;
    ASSERT_TRUE(r->Write(out));
    const std::string& f = out.Bytes();
    // N = 4, mean 44.25 -> 44, min 12, max 90, default limit 25, share below the limit 20: 1 of 4,
    // area 4 x 0.02 m².
    EXPECT_EQ(f.rfind("\r\n300042\r\n100\t200\r\n10\t80\r\n4\t3\r\n16\t4\t44\t12\t90\t25\t25\t0."
                      "080\t150\r\n30\t0\t45\t0\r\n",
                      0),
              0u);
    EXPECT_NE(f.find("0\t0\t0\t0\r\n\r\n\x06VX(77;)-\t20\t15\t60\r\n"), std::string::npos);
    EXPECT_EQ(f.back(), '\x06');
    MemorySource again(f);
    TVernoRaster back(again, false);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.covers.Values(), r->covers.Values());
    EXPECT_EQ(back.layerWord, 150);
}

TEST(Raster, InchGridsKeepWholeInches) {
    auto r = Load(RasterFile("300046\r\n125\t240\r\n10\t80\r\n2\t2\r\n16\t3\t1.2\t0.5\t1.7\t20\t0\t2.083\r\n",
                             2, {30, 44, 0, 51}, "V5i(8;)-\t20\t10\t80\r\n"));
    ASSERT_TRUE(r->valid);
    EXPECT_EQ(r->imperial, 1);
    EXPECT_EQ(r->grid.StepX(), 12.0);
    EXPECT_EQ(r->grid.StepY(), 24.0);
    EXPECT_NEAR(r->grid.Scale(), 1.0 / 12, 1e-12);
    EXPECT_EQ(r->covers.Unit(), u"in");
    EXPECT_NEAR(r->MeasuredArea(), 3 * 1.0 * 2.0, 1e-12); // ft²
    EXPECT_EQ(r->plot.axisX.title, u"x [ft]");
    ObjectWriter out;
    ASSERT_TRUE(r->Write(out));
    EXPECT_EQ(out.Bytes().substr(0, 19), "\r\n300046\r\n120\t240\r\n");
    EXPECT_NE(out.Bytes().find("\t6.000\r\n"), std::string::npos);
}

TEST(Raster, RowsAndIndexes) {
    auto r = Load(RasterFile(kHead, 4, kCovers));
    EXPECT_DOUBLE_EQ(r->RowX(6), 0.2);
    EXPECT_DOUBLE_EQ(r->RowY(6), 0.2);
    EXPECT_EQ(r->RowX(12), 0.0); // one past the last cell: column 0
    EXPECT_DOUBLE_EQ(r->RowY(12), 0.6);
    EXPECT_EQ(r->RowX(13), -1.0);
    EXPECT_EQ(r->RowX(-1), -1.0);
    EXPECT_EQ(r->RowValue(5), 90);
    EXPECT_TRUE(r->SetValueByIndex(11, 33));
    EXPECT_EQ(r->usedRows, 3); // the new cover extends the used rows
    EXPECT_EQ(r->usedColumns, 4);
    EXPECT_FALSE(r->SetValueByIndex(12, 33));
}

TEST(Raster, HitTestsStayInsideTheUsedCells) {
    auto r = Load(RasterFile(kHead, 4, kCovers));
    r->SetOptions(test::kPageSections | opts::kFrame);
    RecordingCanvas screen;
    r->Draw(screen);
    const Rect chart = r->plot.GetChartRect();
    ASSERT_FALSE(chart.IsEmpty());
    // The axes cover the used 3 x 2 cells only: 0.3 m x 0.4 m.
    EXPECT_DOUBLE_EQ(r->plot.axisX.max, 0.3);
    EXPECT_DOUBLE_EQ(r->plot.axisY.max, 0.4);
    // The right half of cell (column 2, row 0) hits that cell, and a double click edits it.
    const int x = r->plot.XToPixel(0.28), y = r->plot.YToPixel(0.05, false);
    EXPECT_EQ(r->HitValue(x, y), 45.0);
    EXPECT_TRUE(r->SetValueAt(r->HitX(x, y), r->HitY(x, y), 47));
    EXPECT_EQ(r->covers.Get(2), 47);
    EXPECT_EQ(r->HitValue(r->plot.XToPixel(0.15), r->plot.YToPixel(0.25, false)), 90.0);
    EXPECT_EQ(r->HitValue(chart.left - 10, y), 0.0);
    EXPECT_FALSE(r->SetValueAt(0.35, 0.05, 20)); // column 3 is not used
    EXPECT_FALSE(r->SetValueAt(0.05, 0.05, 1000));
    // The cells are filled with the brushes of their classes.
    EXPECT_EQ(screen.Lines("fill").size() > 0, true);
}
