#pragma once
// What the two rebound objects that hold one area's readings (the series and the
// China-standard object) have in common: the series name, the instrument's limits, the
// readings the chart, table, hit tests and value edits use, and the chart scale that follows
// the largest reading and the limits.
#include "model/TValueSeries.h"
#include "rebound/TTorvObj.h"

namespace vordalis {

class TTorvReadings : public TTorvObj {
public:
    static constexpr int kMaxValues = 4096;
    // Readings below this take no part in the statistics.
    static constexpr int kValueLowerLimit = 10;

    double RowValue(int row) override;
    // The reading of the bar nearest to x.
    bool SetValueAt(double x, double y, double value) override;
    bool SetValueByIndex(int index, double value) override;
    const TValueSeries* MainSeries() const override { return &values; }

    int PositionCount() const override { return values.Length(); }
    double PositionValue(int position) const override;
    // The Limit dialog's initial settings are the instrument's limits.
    void InitialLimits(int32_t& lower, int32_t& upper) const override;

    std::u16string seriesName;
    int32_t instrumentLowerLimit = 0;
    int32_t instrumentUpperLimit = 0;
    // mutable: the statistics are computed lazily.
    mutable TValueSeries values;
    int32_t maxMeasured = 0;

protected:
    // After an object number, the quoted series name and the date fields (read into parts).
    bool ReadSeriesHead(ObjectReader& in, DateParts& parts);
    // The head token, the number in four figures, the series name and the date fields.
    void WriteSeriesHead(ObjectWriter& out, const char* head) const;
    // The title of a file without texts: the series name, a space and the number in four figures.
    void TitleFromSeries() { SetTitle(seriesName + NumberFigures(" %04ld")); }
    // Drops a lower limit above the upper one and scales the chart up to the largest reading,
    // or the upper limit when the limits are shown (10 at least); false when no step fits.
    bool SetupReadingsChart();
};

} // namespace vordalis
