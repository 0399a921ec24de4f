#pragma once
// The cover list: concrete covers measured one after another, one reading per located bar,
// with the bar diameter, an optional bar distance or two-layer description and the cover
// limit. Covers are held in whole millimetres; an inch file is converted while it is read.
#include "cover/CoverRows.h"
#include "cover/TVernoListPlot.h"
#include "cover/TVernoObj.h"
#include "model/TValueSeries.h"

#include <memory>

namespace vordalis {

class TVernoList : public TVernoObj {
public:
    static constexpr int kMaxWritten = 4096;
    static constexpr double kInch = kInchPerMm;

    explicit TVernoList(ByteSource& file);
    static std::unique_ptr<TBasicObj> Create(ByteSource& file, bool mmScale);

    bool Write(ObjectWriter& out) override;
    bool GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) override;
    bool GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) override;
    void SetLimits(int32_t limit, int32_t second, int32_t lower, int32_t upper) override;
    int GetEditFlags() override { return edit::kListFlags; }
    double HitX(int x, int y) override;
    double HitY(int x, int y) override;
    double HitValue(int x, int y) override;
    double RowX(int row) override;
    double RowY(int row) override;
    double RowValue(int row) override;
    bool SetValueAt(double x, double y, double value) override;
    bool SetValueByIndex(int index, double value) override;

    TBasicPlot& Plot() override { return plot; }
    const TValueSeries* MainSeries() const override { return &covers; }
    void Describe(Json& out) const override;

    // Painted into the plot's layout: parameters and statistics, then the table.
    void PaintSections(TVernoListPlot& layout);

    int Count() const { return covers.Length(); }
    int32_t Cover(int index) const { return index >= 0 && index < Count() ? covers.Get(index) : 0; }
    int32_t Limit() const { return covers.Lower(); }
    bool Inches() const { return imperial == 1; }
    // A length in mm as the list shows it (inches for an imperial list).
    double Shown(double mm) const { return Inches() ? mm * kInch : mm; }

    int32_t barDiameter = 0;
    int32_t layerWord = 0;
    TValueSeries covers;
    int32_t initialLimit = 0;
    TVernoListPlot plot;

private:
    // The chart's cover axis, 0 to 1.1 x the deeper of the largest cover and the limit, as
    // the reader sets it; false when that range has no tick step (the list cannot be read).
    bool CoverAxis(int32_t largest, int32_t limit, TBasicPlot::Axis& axis);
    std::vector<CoverRow> StatisticRows();
    // A box: title 45 below its top, rows 40 apart; returns its bottom.
    int PaintBox(TVernoListPlot& layout, int left, int top, Str titleId, const std::vector<CoverRow>& rows);
    void PaintTable(TVernoListPlot& layout, int previousBottom, bool beside);
};

} // namespace vordalis
