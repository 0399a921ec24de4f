#include "cover/TVernoBars.h"

#include "cover/CoverUnits.h"
#include "model/SeriesStatistics.h"

#include <algorithm>
#include <cmath>

namespace vordalis {
namespace {

using cover::kInchPerMm;

constexpr int64_t kHeaderAt = 247;
constexpr int64_t kTextAt = 256;
constexpr int64_t kSecondBlockAt = 128;

// Grid step by grid class 1..3: millimetres, or inches for imperial objects.
constexpr double kMmSteps[3] = {5.0, 10.0, 20.0};
constexpr double kInchSteps[3] = {0.2, 0.4, 0.8};

} // namespace

std::unique_ptr<TBasicObj> CreateVernoBars(ByteSource& file, bool mmScale) {
    return std::make_unique<TVernoBars>(file, mmScale);
}

TVernoBars::TVernoBars(ByteSource& file, bool mmScaleSetting) {
    category = kCategoryBars;
    mmScale = mmScaleSetting;
    valid = Read(file);
}

bool TVernoBars::Read(ByteSource& file) {
    uint8_t blocks[2][kPositions];
    if (!file.Seek(0) || file.Read(blocks[0], kPositions) != kPositions) return false;
    if (!file.Seek(kSecondBlockAt) || file.Read(blocks[1], kPositions) != kPositions) return false;
    if (!file.Seek(kHeaderAt)) return false;
    ObjectReader in(file);
    int header[9];
    for (int& b : header) b = in.ReadByte();
    const int orientation = header[5], diameter = header[6], cls = header[7], markByte = header[8];
    if (orientation != 1 && orientation != 2) return false;
    if (cls < 1 || cls > 3) return false;
    if (markByte != 0 && markByte != 1) return false;
    lengthX = header[0];
    lengthY = header[1];
    layerWord = header[2];
    // Bytes 250 and 251 (smallest covers) are derived data and not read.
    barDiameter = diameter == 0 ? 16 : diameter;
    gridClass = cls;
    mark = static_cast<uint8_t>(markByte);
    swapped = orientation == 2 ? 1 : 0;

    const uint8_t* xBlock = blocks[swapped ? 1 : 0];
    const uint8_t* yBlock = blocks[swapped ? 0 : 1];
    xScan.Init(kPositions, u"mm", 0, 0);
    yScan.Init(kPositions, u"mm", 0, 0);
    for (int i = 0; i < kPositions; ++i) {
        xScan.At(i) = xBlock[i];
        yScan.At(i) = yBlock[i];
    }
    defaultLimit = 0;
    defaultLower = lowerThreshold = 10;
    defaultUpper = upperThreshold = 80;

    closingFigures.assign(6, '\0');
    if (!file.Seek(file.Size() - 6) || file.Read(closingFigures.data(), 6) != 6) return false;
    if (!file.Seek(kTextAt)) return false;
    if (!in.ReadInteger(objectNumber)) return false;
    const int delimiter = ReadCoverInstrumentId(in);
    if (delimiter == -1) return false;

    const double step = (imperial ? kInchSteps : kMmSteps)[gridClass - 1];
    grid.Set(kPositions, kPositions, step, step, imperial ? 1.0 : 0.001);
    if (imperial) {
        xScan.SetUnit(u"in");
        yScan.SetUnit(u"in");
    }

    int32_t limit = 0;
    ReadLimitFields(in, delimiter, limit);
    xScan.SetLower(limit);
    yScan.SetLower(limit);

    ComputeLayout();
    SetupAxes();
    return true;
}

int32_t TVernoBars::ScanExtent(const TValueSeries& scan) const {
    const double half = imperial ? barDiameter * kInchPerMm / 2 : static_cast<double>(barDiameter / 2);
    const double step = grid.StepX();
    const int w = step > 0 ? static_cast<int>(half / step + 1) : 1;
    int32_t k = 0;
    for (; k < kPositions - w; ++k) {
        bool found = false;
        for (int i = k - w; i <= k + w && !found; ++i) found = i >= 0 && i < kPositions && scan.Get(i) > 0;
        if (!found) break;
    }
    return k;
}

void TVernoBars::ComputeLayout() {
    extentX = ScanExtent(xScan);
    extentY = ScanExtent(yScan);
    BuildClasses(lowerThreshold, upperThreshold);
}

void TVernoBars::SetOptions(int32_t opts) {
    const bool relayout = ((opts ^ options) & opts::kBit17) != 0;
    options = opts;
    if (relayout) ComputeLayout();
}

double TVernoBars::HalfDiameter() const {
    return imperial ? barDiameter * kInchPerMm * 0.5 : barDiameter * grid.Scale() * 0.5;
}

double TVernoBars::DrawnLengthX() const {
    int32_t n = (lengthX != 0 && lengthX < extentX) ? lengthX : extentX;
    return n * grid.StepX() * grid.Scale();
}

double TVernoBars::DrawnLengthY() const {
    int32_t n = (lengthY != 0 && lengthY < extentY) ? lengthY : extentY;
    return n * grid.StepY() * grid.Scale();
}

bool TVernoBars::Write(ObjectWriter& out) {
    if (!valid || xScan.Length() != kPositions || yScan.Length() != kPositions) return false;
    if (!InstrumentIdReadsBack()) return false;
    // Without its closing figures the file would not be recognised again.
    const auto* figures = reinterpret_cast<const uint8_t*>(closingFigures.data());
    if (closingFigures.size() != 6 || closingFigures[0] != '2' || !AllNumerals(figures, 6)) return false;
    const TValueSeries& first = swapped ? yScan : xScan;
    const TValueSeries& second = swapped ? xScan : yScan;
    auto byte = [](int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    auto block = [&](const TValueSeries& scan, int zeros) {
        for (int i = 0; i < kPositions; ++i) out.WriteByte(byte(scan.Get(i)));
        for (int i = 0; i < zeros; ++i) out.WriteByte(0);
    };
    block(first, 28);
    block(second, 19);
    out.WriteByte(byte(lengthX));
    out.WriteByte(byte(lengthY));
    out.WriteByte(static_cast<uint8_t>(layerWord));
    out.WriteByte(byte(const_cast<TValueSeries&>(first).Min()));
    out.WriteByte(byte(const_cast<TValueSeries&>(second).Min()));
    out.WriteByte(swapped ? 2 : 1);
    out.WriteByte(byte(barDiameter));
    out.WriteByte(byte(gridClass));
    out.WriteByte(mark);

    out.WriteInteger(objectNumber, delim::kLf);
    WriteLimitFields(out);
    // The closing figures (the number again) with no delimiter: the recogniser looks for them
    // at the file's end. A number of other than six figures is not repeated as it stands.
    out.WriteText(closingFigures.c_str(), delim::kNone);
    return true;
}

void TVernoBars::SetLimits(int32_t limit, int32_t, int32_t lower, int32_t upper) {
    xScan.SetLower(limit);
    yScan.SetLower(limit);
    lowerThreshold = lower;
    upperThreshold = upper;
    BuildClasses(lowerThreshold, upperThreshold);
}

int32_t TVernoBars::ItemCover(int item) const {
    if (item < 0) return 0;
    const TValueSeries& scan = (item & kYItem) ? yScan : xScan;
    int index = item & 0xFF;
    return index < kPositions ? scan.Get(index) : 0;
}

int TVernoBars::NearestBar(const TValueSeries& scan, double p, double step, double half) const {
    int i0 = static_cast<int>((p - half) / step);
    int i1 = static_cast<int>((p + half) / step + 1);
    if (i1 - i0 < 2) {
        int c = static_cast<int>(p / step);
        i0 = c - 1;
        i1 = c + 1;
    }
    int best = -1;
    for (int i = i0 < 0 ? 0 : i0; i <= i1 && i < kPositions; ++i) {
        int32_t v = scan.Get(i);
        if (v > 0 && (best < 0 || v < scan.Get(best))) best = i;
    }
    return best;
}

int TVernoBars::BarAt(double x, double y) {
    const double ex = grid.StepX() * grid.Scale();
    const double ey = grid.StepY() * grid.Scale();
    if (ex <= 0 || ey <= 0) return -1;
    const double half = HalfDiameter();
    int bx = NearestBar(xScan, x, ex, half);
    int by = NearestBar(yScan, y, ey, half);
    if (bx >= 0 && (by < 0 || xScan.Get(bx) < yScan.Get(by))) return bx;
    if (by >= 0) return kYItem + by;
    return -1;
}

double TVernoBars::RowX(int item) {
    const double unit = grid.StepX() * grid.Scale();
    if (item & kYItem) return extentX * unit;
    int k = xScan.NthPositiveIndex(item);
    return k < 0 ? -1.0 : k * unit;
}

double TVernoBars::RowY(int item) {
    const double unit = grid.StepY() * grid.Scale();
    if (item & kYItem) {
        int k = yScan.NthPositiveIndex(item - kYItem);
        return k < 0 ? -1.0 : k * unit;
    }
    return extentY * unit;
}

double TVernoBars::RowValue(int item) {
    if (item & kYItem) return yScan.NthPositiveValue(item & 0xFF);
    return xScan.NthPositiveValue(item);
}

bool TVernoBars::SetValueByIndex(int item, double value) {
    TValueSeries& scan = (item & kYItem) ? yScan : xScan;
    int k = scan.NthPositiveIndex((item & kYItem) ? (item & 0xFF) : item);
    if (item < 0 || k < 0) return false;
    scan.At(k) = static_cast<int32_t>(value);
    return true;
}

void TVernoBars::SetupAxes() {
    if (imperial) {
        const double span = kPositions * grid.StepX();
        for (TBasicPlot::Axis* axis : {&plot.axisX, &plot.axisY})
            plot.SetAxis(*axis, 0, span * 1.05, span * 0.25, 1, 2, false);
        plot.axisX.title = u"x [in]";
        plot.axisY.title = u"y [in]";
        return;
    }
    const double length = std::max(grid.StepX() * 0.001 * kPositions, 0.1);
    double step = 0;
    int minor = 0;
    TBasicPlot::NiceStep(0, length, &step, &minor);
    for (TBasicPlot::Axis* axis : {&plot.axisX, &plot.axisY})
        plot.SetAxis(*axis, 0, length * 1.02, step, minor, mmScale ? 0 : 2, mmScale);
    plot.axisX.title = mmScale ? u"x [mm]" : u"x [m]";
    plot.axisY.title = mmScale ? u"y [mm]" : u"y [m]";
}

int TVernoBars::BarAtPixel(int x, int y) {
    if (!plot.GetChartRect().Contains(x, y)) return -1;
    const double dx = plot.XFromPixel(x), dy = plot.YFromPixel(y, false);
    if (dx < 0 || dy < 0) return -1;
    return BarAt(dx, dy);
}

double TVernoBars::HitValue(int x, int y) {
    return ItemCover(BarAtPixel(x, y));
}

bool TVernoBars::SetValueAt(double x, double y, double value) {
    const int32_t v = static_cast<int32_t>(value);
    if (value < 0 || v > 999) return false;
    const int item = BarAtPixel(plot.XToPixel(x), plot.YToPixel(y, false));
    if (item < 0) return false;
    ((item & kYItem) ? yScan : xScan).At(item & 0xFF) = v;
    return true;
}

void TVernoBars::Describe(Json& out) const {
    TLevelObj::Describe(out);
    auto& self = const_cast<TVernoBars&>(*this);
    out.Set("length_x", Json::Int(lengthX));
    out.Set("length_y", Json::Int(lengthY));
    out.Set("bar_diameter", Json::Int(barDiameter));
    out.Set("layer_word", Json::Int(layerWord));
    out.Set("mark", Json::Int(mark));
    out.Set("swapped", Json::Bool(swapped != 0));
    out.Set("orientation", Json::Int(swapped ? 2 : 1));
    out.Set("grid_class", Json::Int(gridClass));
    out.Set("grid_geometry", self.grid.Describe());
    out.Set("x_scan", Json::IntArray(xScan.Values()));
    out.Set("y_scan", Json::IntArray(yScan.Values()));
    out.Set("extent_x", Json::Int(extentX));
    out.Set("extent_y", Json::Int(extentY));
    out.Set("cover_limit", Json::Int(xScan.Lower()));
    out.Set("lower_threshold", Json::Int(lowerThreshold));
    out.Set("upper_threshold", Json::Int(upperThreshold));
    out.Set("default_limit", Json::Int(defaultLimit));
    out.Set("default_lower", Json::Int(defaultLower));
    out.Set("default_upper", Json::Int(defaultUpper));
    // Per-scan statistics, as the statistics block shows them.
    out.Set("x_statistics", DescribeStatistics(&self.xScan));
    out.Set("y_statistics", DescribeStatistics(&self.yScan));
}

} // namespace vordalis
