#include "cover/TVernoRaster.h"

#include "cover/CoverUnits.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vordalis {
namespace {

using cover::kInchPerMm;

std::u16string Format(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return Latin1ToU16(buf);
}

} // namespace

std::unique_ptr<TBasicObj> CreateVernoRaster(ByteSource& file, bool mmScale) {
    return std::make_unique<TVernoRaster>(file, mmScale);
}

TVernoRaster::TVernoRaster(ByteSource& file, bool mmScaleSetting) {
    category = kCategoryRaster;
    mmScale = mmScaleSetting;
    valid = Read(file);
}

bool TVernoRaster::Read(ByteSource& file) {
    if (!file.Seek(0)) return false;
    ObjectReader in(file);
    int32_t widthX, widthY, nx, ny;
    if (!in.ReadInteger(objectNumber)) return false;
    if (!in.ReadInteger(widthX) || !in.ReadInteger(widthY)) return false;
    // Some instruments write the grid width in micrometres.
    if (widthX >= 1000) widthX /= 1000;
    if (widthY >= 1000) widthY /= 1000;
    if (widthX <= 0 || widthY <= 0) return false;
    fileWidthX = widthX;
    fileWidthY = widthY;
    if (!in.ReadInteger(defaultLower) || !in.ReadInteger(defaultUpper)) return false;
    defaultLower = ClampThreshold(defaultLower);
    defaultUpper = ClampThreshold(defaultUpper);
    if (!in.ReadInteger(nx) || !in.ReadInteger(ny) || nx <= 0 || ny <= 0) return false;
    if (!in.ReadInteger(barDiameter)) return false;
    for (int i = 0; i < 4; ++i)
        if (!in.SkipToken()) return false;

    // Default limit, share, area and layer word; older files carry fewer of them.
    int32_t extra[4];
    int count = 0;
    while (count < 4 && in.LastDelimiter() == delim::kTab) {
        if (!in.ReadInteger(extra[count])) return false;
        ++count;
    }
    defaultLimit = 0;
    layerWord = 0;
    switch (count) {
    case 4:
        defaultLimit = extra[0];
        layerWord = extra[3];
        break;
    case 3:
        defaultLimit = extra[0];
        break;
    case 2:
        layerWord = extra[1];
        break;
    case 1:
        break;
    default:
        return false;
    }
    if (defaultLimit < 0 || layerWord < 0) return false;

    const int64_t cells = static_cast<int64_t>(nx) * ny;
    if (cells < 1 || cells > kMaxCells) return false;
    covers.Init(static_cast<uint32_t>(cells), u"mm", defaultLimit, 0);
    for (int32_t i = 0; i < cells; ++i) {
        int32_t v;
        if (!in.ReadInteger(v)) return false;
        covers.At(i) = v;
    }
    lowerThreshold = defaultLower;
    upperThreshold = defaultUpper;

    const int delimiter = ReadCoverInstrumentId(in);
    if (delimiter == -1) return false;

    if (imperial) {
        // Inch files carry tenths of an inch; the grid keeps whole inches, shown in feet.
        grid.Set(nx, ny, widthX / 10, widthY / 10, 1.0 / 12.0);
        covers.SetUnit(u"in");
    } else {
        grid.Set(nx, ny, widthX, widthY, 0.001);
    }

    int32_t limit = covers.Lower();
    ReadLimitFields(in, delimiter, limit);
    covers.SetLower(limit);

    CountCovers();
    if (imperial) {
        if (!SetupInchAxes()) {
            covers.Clear();
            return false;
        }
    } else if (!SetupMetricAxes()) {
        covers.Clear();
        return false;
    }
    return true;
}

void TVernoRaster::CountCovers() {
    BuildClasses(lowerThreshold, upperThreshold);
    usedColumns = usedRows = 0;
    const int32_t nx = grid.Nx();
    const int32_t cells = covers.Length();
    for (int32_t i = 0; i < cells; ++i) {
        int32_t v = covers.Get(i);
        if (v <= 0 || nx <= 0) continue;
        CountValue(v);
        if (i % nx + 1 > usedColumns) usedColumns = i % nx + 1;
        usedRows = i / nx + 1;
    }
}

bool TVernoRaster::SetupMetricAxes() {
    const double xl = std::max(usedColumns * grid.StepX() * 0.001, 0.1);
    const double yl = std::max(usedRows * grid.StepY() * 0.001, 0.1);
    double step = 0;
    int minor = 0;
    if (!TBasicPlot::NiceStep(0, std::max(xl, yl), &step, &minor)) return false;
    plot.SetAxis(plot.axisX, 0, xl, step, minor, mmScale ? 0 : 2, mmScale);
    plot.SetAxis(plot.axisY, 0, yl, step, minor, mmScale ? 0 : 2, mmScale);
    plot.axisX.title = mmScale ? u"x [mm]" : u"x [m]";
    plot.axisY.title = mmScale ? u"y [mm]" : u"y [m]";
    return true;
}

bool TVernoRaster::SetupInchAxes() {
    const double xl = std::max(fileWidthX / 10.0 / 12.0 * usedColumns, 0.1);
    const double yl = std::max(fileWidthY / 10.0 / 12.0 * usedRows, 0.1);
    double step = 0;
    int minor = 0;
    if (!TBasicPlot::NiceStep(0, std::max(xl, yl), &step, &minor)) return false;
    plot.SetAxis(plot.axisX, 0, xl * 1.1, step, minor, 1, false);
    plot.SetAxis(plot.axisY, 0, yl * 1.1, step, minor, 1, false);
    plot.axisX.title = u"x [ft]";
    plot.axisY.title = u"y [ft]";
    return true;
}

double TVernoRaster::HitValue(int x, int y) {
    if (!plot.GetChartRect().Contains(x, y)) return 0;
    if (grid.StepX() * grid.Scale() <= 0 || grid.StepY() * grid.Scale() <= 0) return 0;
    const int index = CellAt(plot.XFromPixel(x), plot.YFromPixel(y, false));
    return index < 0 ? -1.0 : covers.Get(index);
}

double TVernoRaster::MeasuredArea() {
    const double n = covers.Count();
    if (imperial) return (grid.StepX() / 12.0) * (grid.StepY() / 12.0) * n;
    const double inverse = 1.0 / grid.Scale();
    return n * grid.StepX() * grid.StepY() / (inverse * inverse);
}

bool TVernoRaster::Write(ObjectWriter& out) {
    const int64_t cells = static_cast<int64_t>(grid.Nx()) * grid.Ny();
    if (!valid || cells < 1 || covers.Length() != cells || !InstrumentIdReadsBack()) return false;
    // Inch objects write tenths of an inch: the whole inches they hold, times 10. A grid width
    // under an inch holds 0 inches; it is written as the file gave it, since 0 would not open.
    auto width = [this](double step, int32_t fromFile) {
        if (!imperial) return static_cast<int32_t>(step);
        return step >= 1 ? static_cast<int32_t>(step * 10) : fromFile;
    };
    const int32_t widthX = width(grid.StepX(), fileWidthX), widthY = width(grid.StepY(), fileWidthY);
    // A width of 1000 or more would read back as micrometres: such a grid is not written.
    if (widthX >= 1000 || widthY >= 1000) return false;
    out.WriteDelimiter(delim::kLf);
    out.WriteInteger(objectNumber, delim::kLf);
    out.WriteInteger(widthX, delim::kTab);
    out.WriteInteger(widthY, delim::kLf);
    out.WriteInteger(defaultLower, delim::kTab);
    out.WriteInteger(defaultUpper, delim::kLf);
    out.WriteInteger(grid.Nx(), delim::kTab);
    out.WriteInteger(grid.Ny(), delim::kLf);
    out.WriteInteger(barDiameter, delim::kTab);
    const int32_t n = covers.Count();
    out.WriteInteger(n, delim::kTab);
    const int32_t share = static_cast<int32_t>(covers.PercentOutside() + 0.5);
    const delim::Delimiter areaDelimiter = layerWord > 0 ? delim::kTab : delim::kLf;
    if (imperial) {
        out.WriteText(Format("%0.3lf", covers.Mean()), delim::kTab);
        out.WriteText(Format("%0.3lf", covers.Min() * kInchPerMm), delim::kTab);
        out.WriteText(Format("%0.3lf", covers.Max() * kInchPerMm), delim::kTab);
        out.WriteInteger(defaultLimit, delim::kTab);
        out.WriteInteger(share, delim::kTab);
    } else {
        out.WriteInteger(static_cast<int32_t>(covers.Mean() + 0.5), delim::kTab);
        out.WriteInteger(covers.Min(), delim::kTab);
        out.WriteInteger(covers.Max(), delim::kTab);
        out.WriteInteger(defaultLimit, delim::kTab);
        out.WriteInteger(share, delim::kTab);
    }
    out.WriteText(Format("%0.3lf", MeasuredArea()), areaDelimiter);
    if (layerWord > 0) out.WriteInteger(layerWord, delim::kLf);
    for (int32_t row = 0; row < grid.Ny(); ++row)
        for (int32_t col = 0; col < grid.Nx(); ++col)
            out.WriteInteger(covers.Get(row * grid.Nx() + col),
                             col + 1 == grid.Nx() ? delim::kLf : delim::kTab);
    out.WriteDelimiter(delim::kBlockEnd);
    WriteLimitFields(out);
    return true;
}

void TVernoRaster::SetLimits(int32_t limit, int32_t, int32_t lower, int32_t upper) {
    covers.SetLower(limit);
    lowerThreshold = lower;
    upperThreshold = upper;
    CountCovers();
}

int TVernoRaster::CellAt(double x, double y) {
    const double cw = grid.StepX() * grid.Scale();
    const double ch = grid.StepY() * grid.Scale();
    if (cw <= 0 || ch <= 0 || x < 0 || y < 0) return -1;
    // The small allowance keeps a point on a cell's left or top edge in that cell despite
    // the rounding of the division.
    const int col = static_cast<int>(x / cw + 1e-9);
    const int row = static_cast<int>(y / ch + 1e-9);
    if (col >= usedColumns || row >= usedRows) return -1;
    return row * grid.Nx() + col;
}

double TVernoRaster::RowX(int index) {
    const int32_t cells = grid.Nx() * grid.Ny();
    if (index < 0 || index > cells || grid.Nx() <= 0) return -1.0;
    return grid.Scale() * grid.StepX() * (index % grid.Nx());
}

double TVernoRaster::RowY(int index) {
    const int32_t cells = grid.Nx() * grid.Ny();
    if (index < 0 || index > cells || grid.Nx() <= 0) return -1.0;
    return grid.Scale() * grid.StepY() * (index / grid.Nx());
}

double TVernoRaster::RowValue(int index) {
    return covers.Get(index);
}

bool TVernoRaster::SetValueByIndex(int index, double value) {
    if (index < 0 || index >= grid.Nx() * grid.Ny()) return false;
    covers.At(index) = static_cast<int32_t>(value);
    // Keep the legend shares and the used extent in step with the changed cell.
    CountCovers();
    return true;
}

bool TVernoRaster::SetValueAt(double x, double y, double value) {
    if (value < 0 || value > 999) return false;
    int index = CellAt(x, y);
    return index >= 0 && SetValueByIndex(index, value);
}

void TVernoRaster::Describe(Json& out) const {
    TLevelObj::Describe(out);
    auto& self = const_cast<TVernoRaster&>(*this);
    out.Set("bar_diameter", Json::Int(barDiameter));
    out.Set("layer_word", Json::Int(layerWord));
    out.Set("nx", Json::Int(grid.Nx()));
    out.Set("ny", Json::Int(grid.Ny()));
    out.Set("grid_geometry", self.grid.Describe());
    out.Set("covers", Json::IntArray(covers.Values()));
    out.Set("cover_limit", Json::Int(covers.Lower()));
    out.Set("lower_threshold", Json::Int(lowerThreshold));
    out.Set("upper_threshold", Json::Int(upperThreshold));
    out.Set("default_limit", Json::Int(defaultLimit));
    out.Set("default_lower", Json::Int(defaultLower));
    out.Set("default_upper", Json::Int(defaultUpper));
    out.Set("used_columns", Json::Int(usedColumns));
    out.Set("used_rows", Json::Int(usedRows));
    out.Set("cell_area", Json::Number(self.grid.CellArea()));
    out.Set("total_area", Json::Number(self.grid.TotalArea()));
    out.Set("measured_area", Json::Number(self.MeasuredArea()));
}

} // namespace vordalis
