#pragma once
// A series of rebound values (object type 6) with the settings the instrument stored and the
// evaluation settings of the viewer. Two copies of the series are kept: as measured (what
// the file holds) and as evaluated, converted to the impact direction in effect; statistics,
// chart, table, hit tests and value edits use the evaluated one.
#include "model/TValueSeries.h"
#include "rebound/ConversionCurves.h"
#include "rebound/TTorvBarsPlot.h"
#include "rebound/TTorvReadings.h"

#include <memory>

namespace vordalis {

class TTorvBars : public TTorvReadings {
public:
    // Reads the whole file; `valid` tells whether it was a complete series.
    explicit TTorvBars(ByteSource& file);
    static std::unique_ptr<TBasicObj> Create(ByteSource& file, bool mmScale);

    bool Write(ObjectWriter& out) override;
    void Describe(Json& out) const override;
    // The series name, a space and the number in four figures.
    std::u16string LoadedTitle() const override { return seriesName + NumberFigures(" %04ld"); }

    TTorvPlot& Plot() override { return plot; }
    double ChartMean() const override { return MeanRebound(); }

    // --- evaluation ---
    // Rebuilds the evaluated series from the measured one for impactDirection.
    void ApplyDirectionCorrection();
    // Mean of the evaluated series, or its median (0 when invalid) with useMedian.
    double MeanRebound() const;
    double CarbonationFactor() const;
    // Compressive strength in MPa after the carbonation, time and form corrections.
    double CompressiveStrength() const;
    rebound::CurveCoefficients Coefficients(int curveIndex) const;
    static std::u16string CurveName(int index) { return rebound::CurveName(index); }

    int32_t variantCode = 0;
    int32_t auxCode = 0;
    int32_t measuredDirection = 1;
    int32_t outlierMode = 0;
    int32_t instrumentCurveCode = 0;
    int32_t instrumentCurve = 0;
    double instrumentFormFactor = 1.0;
    double instrumentTimeFactor = 1.0;
    int32_t instrumentCarbonation = 0;
    int32_t instrumentUnit = 1;
    int32_t impactDirection = 1;
    int32_t curve = 0;
    double formFactor = 1.0;
    double timeFactor = 1.0;
    int32_t carbonationDepth = 0;
    int32_t unit = 1;
    int32_t instrumentMedian = 0;
    rebound::CoefficientRow coefA{}, coefB{}, coefC{};
    int32_t conversionInitial = 1;
    int32_t parametersInitial = 1;
    int32_t reservedFlag = 1;
    int32_t useMedian = 0;
    // mutable: the statistics are computed lazily.
    mutable TValueSeries measuredValues;
    TTorvBarsPlot plot;

private:
    void Read(ObjectReader& in);
    bool ReadExtension(ObjectReader& in);
};

} // namespace vordalis
