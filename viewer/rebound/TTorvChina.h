#pragma once
// The rebound readings of one measuring area evaluated by JGJ/T 23 (object type 8), in the
// 2001 or the 2011 edition. 2011 files mark the highest and lowest readings as outliers; the
// marked readings take no part in the statistics and are written back plus 128.
#include "model/TValueSeries.h"
#include "rebound/ChinaEvaluation.h"
#include "rebound/TTorvChinaPlot.h"
#include "rebound/TTorvReadings.h"

#include <memory>

namespace vordalis {

class TTorvChina : public TTorvReadings {
public:
    // Readings marked at each end of a 2011 table-conversion file.
    static constexpr int kTableOutliers = 3;
    // A stored reading above this carries the outlier flag.
    static constexpr int kFlagOffset = 128;

    explicit TTorvChina(ByteSource& file);
    static std::unique_ptr<TBasicObj> Create(ByteSource& file, bool mmScale);

    bool Write(ObjectWriter& out) override;
    void Describe(Json& out) const override;
    // The series name directly followed by the number in four figures.
    std::u16string LoadedTitle() const override { return seriesName + NumberFigures("%04ld"); }

    TTorvPlot& Plot() override { return plot; }
    bool PositionGreyed(int position) const override;
    double ChartMean() const override { return values.Mean(); }

    // Rm, Ra, Rc, f1, f2 and the range flags for the settings in effect.
    ChinaResult EvaluateChina() const;
    ChinaParameters Parameters() const;
    bool IsOutlier(int index) const { return values.IsExcluded(index); }
    // n and m of the general conversion as the statistics block shows them: in a 2011 file
    // the valid readings plus those marked at both ends, and the number marked at each end.
    void GeneralCounts(int& n, int& m) const;

    int32_t is2011 = 0;
    int32_t auxCode1 = 0;
    int32_t auxCode2 = 0;
    int32_t instrumentAngle = kChinaAngleHorizontal;
    int32_t instrumentSurface = kSurfaceSide;
    int32_t instrumentConversion = kConversionTable;
    double instrumentCarbonation = 0;
    int32_t instrumentPump = 0;
    double instrumentGeneralA = 0, instrumentGeneralB = 0, instrumentGeneralC = 0;
    int32_t instrumentReadings = 0;
    int32_t instrumentDropped = 0;
    int32_t angle = kChinaAngleHorizontal;
    int32_t surface = kSurfaceSide;
    int32_t conversion = kConversionTable;
    double carbonationDepth = 0;
    double generalA = 0, generalB = 0, generalC = 0;
    int32_t readings = 0;
    int32_t dropped = 0;
    int32_t pumpConcrete = 0;
    int32_t conversionInitial = 1;
    int32_t parametersInitial = 1;
    int32_t generalInitial = 1;
    TTorvChinaPlot plot;

private:
    void Read(ObjectReader& in);
    bool ReadExtension(ObjectReader& in);
};

// Short text of an impact-angle code ("-90°" .. "+90°"), and its combo text; "" when unknown.
std::u16string ChinaAngleText(int angle);
std::u16string ChinaAngleComboText(int angle);
// "Top", "Side", "Bottom" (numbered strings) for surface codes 1..3; "" otherwise.
std::u16string ChinaSurfaceText(int surface);

} // namespace vordalis
