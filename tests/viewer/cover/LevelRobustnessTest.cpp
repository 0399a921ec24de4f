// Damaged bar scans and rasters: every cut and a run of changed bytes either leave the object
// invalid or give an object that paints and writes itself.
#include "cover/TVernoBars.h"
#include "cover/TVernoRaster.h"
#include "plot/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace vordalis;

namespace {

std::string ReadSample(const char* name) {
    std::ifstream in(std::string(VORDALIS_SAMPLES) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

template <class T> void Exercise(const std::string& bytes) {
    MemorySource src(bytes);
    T obj(src, false);
    if (!obj.valid) return;
    obj.SetOptions(0xBF | (opts::kGreenRed << opts::kColourShift));
    RecordingCanvas screen;
    obj.Draw(screen);
    RecordingCanvas printer(true, {2100, 2970});
    const int pages = obj.GetPageCount(printer);
    for (int p = 1; p <= pages && p <= 3; ++p) obj.PrintPage(printer, p);
    ObjectWriter out;
    obj.Write(out);
    for (int x = 0; x < 1700; x += 97)
        for (int y = 0; y < 2400; y += 89) {
            int row = -1;
            obj.HitValue(x, y);
            if (obj.HitRegion(x, y, &row) >= 2) obj.RowValue(row);
        }
}

} // namespace

TEST(LevelRobustness, CutAndChangedFilesNeverBreakTheObjects) {
    for (const char* name :
         {"bars_metric.vdo", "bars_imperial.vdo", "raster_metric.vdo", "raster_inch.vdo"}) {
        const std::string bytes = ReadSample(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const bool bars = bytes[0] != '\r';
        for (size_t cut = 0; cut <= bytes.size(); cut += 7) {
            if (bars)
                Exercise<TVernoBars>(bytes.substr(0, cut));
            else
                Exercise<TVernoRaster>(bytes.substr(0, cut));
        }
        for (size_t at = 0; at < bytes.size(); at += 5) {
            for (char c : {'\0', '9', '\t', '-', '\xff'}) {
                std::string changed = bytes;
                changed[at] = c;
                if (bars)
                    Exercise<TVernoBars>(changed);
                else
                    Exercise<TVernoRaster>(changed);
            }
        }
    }
}
