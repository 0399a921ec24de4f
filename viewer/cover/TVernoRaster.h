#pragma once
// The raster object (type 3): one cover per cell of a grid of nx columns and ny rows,
// painted as the cells of a level chart.
#include "cover/GridGeometry.h"
#include "cover/TLevelObj.h"
#include "cover/TVernoRasterPlot.h"
#include "model/ByteSource.h"
#include "model/TValueSeries.h"

#include <cstdint>
#include <memory>

namespace vordalis {

class TVernoRaster : public TLevelObj {
public:
    static constexpr int32_t kMaxCells = 65536;

    TVernoRaster(ByteSource& file, bool mmScale);

    bool Write(ObjectWriter& out) override;
    void SetLimits(int32_t limit, int32_t second, int32_t lower, int32_t upper) override;
    int GetEditFlags() override { return edit::kRasterFlags; }
    double HitValue(int x, int y) override;
    double RowX(int index) override;
    double RowY(int index) override;
    double RowValue(int index) override;
    bool SetValueAt(double x, double y, double value) override;
    bool SetValueByIndex(int index, double value) override;

    TBasicPlot& Plot() override { return plot; }
    const TValueSeries* MainSeries() const override { return &covers; }
    void Describe(Json& out) const override;

    // Index (row × nx + column) of the used cell at a point in data units; -1 outside.
    int CellAt(double x, double y);
    // N × cell area: m² for metric objects, ft² for inch objects.
    double MeasuredArea();
    int32_t UsedColumns() const { return usedColumns; }
    int32_t UsedRows() const { return usedRows; }
    // Sets the chart axes for the used extent of a metric object ("mm Scale" included).
    bool SetupMetricAxes();

    int32_t barDiameter = 0;
    int32_t layerWord = 0;
    GridGeometry grid;
    TValueSeries covers;
    int32_t usedColumns = 0;
    int32_t usedRows = 0;
    // The grid widths as the file gave them (tenths of an inch in inch files).
    int32_t fileWidthX = 0;
    int32_t fileWidthY = 0;
    TVernoRasterPlot plot;

private:
    // Metric objects set their axes again: the "mm Scale" option may have changed.
    void BeforePainting() override {
        if (!imperial) SetupMetricAxes();
    }
    bool Read(ByteSource& file);
    bool SetupInchAxes();
    // Rebuilds the classes, counts the covers into them and finds the used extent.
    void CountCovers();
};

std::unique_ptr<TBasicObj> CreateVernoRaster(ByteSource& file, bool mmScale);

} // namespace vordalis
