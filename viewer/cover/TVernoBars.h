#pragma once
// The bar scan object (type 2): the covers of the bars found along a line in x and a line in y
// over 100 grid positions each, painted as strips of a level chart.
#include "cover/GridGeometry.h"
#include "cover/TLevelObj.h"
#include "cover/TVernoBarsPlot.h"
#include "model/ByteSource.h"
#include "model/TValueSeries.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vordalis {

class TVernoBars : public TLevelObj {
public:
    static constexpr int kPositions = 100;
    // Items of the y scan carry this bit (x scan items are the plain index).
    static constexpr int kYItem = 0x100;

    TVernoBars(ByteSource& file, bool mmScale);

    void SetOptions(int32_t opts) override;
    bool Write(ObjectWriter& out) override;
    void SetLimits(int32_t limit, int32_t second, int32_t lower, int32_t upper) override;
    double GetMaxValue() override { return 255.0; }
    int GetEditFlags() override { return edit::kBarsFlags; }
    double HitValue(int x, int y) override;
    double RowX(int item) override;
    double RowY(int item) override;
    double RowValue(int item) override;
    bool SetValueAt(double x, double y, double value) override;
    bool SetValueByIndex(int item, double value) override;

    TBasicPlot& Plot() override { return plot; }
    const TValueSeries* MainSeries() const override { return &xScan; }
    void Describe(Json& out) const override;

    // The bar nearest to a point given in data units (m or in): the shallowest bar of either
    // scan within half a bar diameter; the y scan wins on equal covers. -1 when there is none.
    int BarAt(double x, double y);
    // The same for a page point; -1 outside the chart.
    int BarAtPixel(int x, int y);
    // Position (in displayed units) of grid index k along the scans.
    double Position(int k) const { return k * grid.StepX() * grid.Scale(); }
    // The cover of an item (x index, or kYItem + y index); 0 when there is none.
    int32_t ItemCover(int item) const;
    // Half a bar diameter in displayed units (m or in), for the strips and the bar search.
    double HalfDiameter() const;
    // The strip lengths the chart draws: the measured extent unless the nominal length is smaller.
    double DrawnLengthX() const;
    double DrawnLengthY() const;
    // Sets the chart axes for the scan length (and the "mm Scale" option for metric objects).
    void SetupAxes();

    int32_t lengthX = 0;
    int32_t lengthY = 0;
    int32_t barDiameter = 16;
    int32_t layerWord = 0;
    uint8_t mark = 0;
    uint8_t swapped = 0;
    int32_t gridClass = 1;
    GridGeometry grid;
    TValueSeries xScan;
    TValueSeries yScan;
    int32_t extentX = 0;
    int32_t extentY = 0;
    // The six figures the file ends with, by which it is recognised ("2" and five more); they
    // normally repeat the number, and are written back as they were.
    std::string closingFigures;
    TVernoBarsPlot plot;

private:
    // Metric objects set their axes again: the "mm Scale" option may have changed.
    void BeforePainting() override {
        if (!imperial) SetupAxes();
    }
    bool Read(ByteSource& file);
    // Extents and classes after reading, on a change of option bit 17 and of the thresholds.
    void ComputeLayout();
    int32_t ScanExtent(const TValueSeries& scan) const;
    // Index of the shallowest bar of the scan near position p (data units), -1 when none.
    int NearestBar(const TValueSeries& scan, double p, double step, double half) const;
};

std::unique_ptr<TBasicObj> CreateVernoBars(ByteSource& file, bool mmScale);

} // namespace vordalis
