#include "objects/ObjectReadings.h"

#include "cover/TVernoBars.h"
#include "cover/TVernoList.h"
#include "cover/TVernoRaster.h"
#include "objects/ObjectStatistics.h"
#include "plot/TextFormat.h"
#include "rebound/TTorvBars.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"

namespace vordalis {
namespace {

std::string Text(const std::u16string& s) {
    return Trimmed(s);
}

// A cover is marked where the page can print it red: above 0 and below the cover limit.
std::string CoverFlags(int32_t cover, int32_t limit) {
    return limit > 0 && cover > 0 && cover < limit ? "below_limit" : "";
}

std::string CoverValue(int32_t cover, bool inches) {
    return Text(inches ? Printf("%0.2f", cover * kInchPerMm) : Printf("%d", cover));
}

// Bar and raster tables give positions in mm with the "mm Scale" option, else in m (in, ft).
std::string Position(double pos, bool mm) {
    return Text(mm ? Printf("%0.0lf", pos * 1000) : Printf("%0.2lf", pos));
}

// Rebound tables mark values outside the chart limits while the limit band is shown.
std::string LimitFlags(const TTorvObj& obj, double v) {
    if (!obj.showLimits || v <= 0) return "";
    if (v < obj.lowerLimit) return "below_limit";
    if (v > obj.upperLimit) return "above_limit";
    return "";
}

void AddList(TVernoList& list, std::vector<ObjectReading>& out) {
    const std::string unit = list.Inches() ? "in" : "mm";
    for (int i = 0; i < list.Count(); ++i) {
        const int32_t v = list.Cover(i);
        if (v <= 0) continue;
        out.push_back({i + 1, "", "", CoverValue(v, list.Inches()), unit, CoverFlags(v, list.Limit())});
    }
}

void AddBars(TVernoBars& bars, std::vector<ObjectReading>& out) {
    const bool inches = bars.imperial != 0;
    const bool mm = !inches && bars.mmScale;
    const std::string unit = inches ? "in" : "mm";
    const int32_t limit = bars.xScan.Lower();
    const double step = bars.grid.StepX() * bars.grid.Scale();
    for (int t = 0; t < 2; ++t) {
        const TValueSeries& scan = t == 0 ? bars.xScan : bars.yScan;
        for (int k = 0; k < TVernoBars::kPositions; ++k) {
            const int32_t v = scan.Get(k);
            if (v <= 0) continue;
            ObjectReading r{k + 1, "", "", CoverValue(v, inches), unit, CoverFlags(v, limit)};
            (t == 0 ? r.x : r.y) = Position(k * step, mm);
            out.push_back(std::move(r));
        }
    }
}

void AddRaster(TVernoRaster& raster, std::vector<ObjectReading>& out) {
    const bool inches = raster.imperial != 0;
    const bool mm = !inches && raster.mmScale;
    const std::string unit = inches ? "in" : "mm";
    const int nx = raster.grid.Nx(), ny = raster.grid.Ny();
    const double stepX = raster.grid.StepX() * raster.grid.Scale();
    const double stepY = raster.grid.StepY() * raster.grid.Scale();
    for (int r = 0; r < ny; ++r)
        for (int c = 0; c < nx; ++c) {
            const int32_t v = raster.covers.Get(r * nx + c);
            if (v <= 0) continue;
            out.push_back({r * nx + c + 1, Position(c * stepX, mm), Position(r * stepY, mm),
                           CoverValue(v, inches), unit, CoverFlags(v, raster.covers.Lower())});
        }
}

void AddSeries(TTorvBars& series, std::vector<ObjectReading>& out) {
    for (int p = 1; p <= series.PositionCount(); ++p) {
        const double v = series.PositionValue(p);
        if (v <= 0) continue;
        out.push_back({p, "", "", Text(Printf("%d", static_cast<int>(v))), "R", LimitFlags(series, v)});
    }
}

void AddChina(TTorvChina& china, std::vector<ObjectReading>& out) {
    china.values.Count(); // brings the outlier marks up to date
    for (int i = 0; i < china.values.Length(); ++i) {
        const int32_t v = china.values.Get(i);
        if (v <= 0) continue;
        // The page greys an outlier instead of colouring it.
        const std::string flags = china.IsOutlier(i) ? "outlier" : LimitFlags(china, v);
        out.push_back({i + 1, "", "", Text(Printf("%d", v)), "R", flags});
    }
}

void AddSummary(TTorvDir& dir, std::vector<ObjectReading>& out) {
    const std::string unit = dir.kind == TTorvDir::kKindChina ? "MPa" : "R";
    for (int i = 0; i < dir.PositionCount(); ++i) {
        const double v = dir.MemberValue(i);
        out.push_back({i + 1, "", "", v > 0 ? Text(Printf("%3.1f", v)) : "", unit, LimitFlags(dir, v)});
    }
}

} // namespace

std::vector<ObjectReading> ObjectReadings(TBasicObj& obj) {
    std::vector<ObjectReading> out;
    if (auto* list = dynamic_cast<TVernoList*>(&obj))
        AddList(*list, out);
    else if (auto* bars = dynamic_cast<TVernoBars*>(&obj))
        AddBars(*bars, out);
    else if (auto* raster = dynamic_cast<TVernoRaster*>(&obj))
        AddRaster(*raster, out);
    else if (auto* series = dynamic_cast<TTorvBars*>(&obj))
        AddSeries(*series, out);
    else if (auto* china = dynamic_cast<TTorvChina*>(&obj))
        AddChina(*china, out);
    else if (auto* dir = dynamic_cast<TTorvDir*>(&obj))
        AddSummary(*dir, out);
    return out;
}

} // namespace vordalis
