#pragma once
// Small object files for the China and summary tests, written in the object file layout.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace vordalis::testing {

inline std::string Dash(int v) {
    return v <= 0 ? "-" : std::to_string(v);
}

struct ChinaFile {
    bool is2011 = false;
    std::vector<int> readings; // as stored (a flagged reading already plus 128)
    int angle = 5, surface = 2, conversion = 1, pump = 0;
    double depth = 0.0;
    double a = 0, b = 0, c = 0;
    int n = 16, m = 3;
    int lower = 20, upper = 45;
    std::string name = "AREA";
    std::string instrument = "TH(12;3)";
    std::string extension; // appended after the id token and its TAB; empty: instrument file

    std::string Text() const {
        char buf[256];
        std::string t = is2011 ? "TORVCHINA*" : "TORVCHINA";
        t += "\t0007\t\"" + name + "\"\t2026\t3\t14\t10\t25\t1\t-\t" +
             Dash(static_cast<int>(readings.size())) + "\t";
        t += Dash(angle) + "\t" + Dash(lower) + "\t" + Dash(upper) + "\t" + Dash(surface) + "\t" +
             Dash(conversion) + "\t";
        std::snprintf(buf, sizeof buf, "%0.1f\t%d\t%0.5f\t%0.5f\t%0.5f\t", depth, pump, a, b, c);
        t += buf;
        t += Dash(n) + "\t" + Dash(m) + "\r\n";
        for (size_t i = 0; i < readings.size(); ++i)
            t += std::to_string(readings[i]) + (i + 1 < readings.size() ? "\r\n" : "\r\n\x1A");
        t += instrument;
        t += extension.empty() ? std::string("0\x1A") : "-\t" + extension;
        return t;
    }
};

// A series as the instrument stores it (no extension). unit 1..4; curveCode 4 is curve 1.
inline std::string SeriesText(const std::vector<int>& values, int unit, bool median, int curveCode = 4) {
    std::string t =
        "TORVIHAMMER\t0001\t\"S\"\t2026\t3\t1\t10\t5\t1\t-\t" + Dash(static_cast<int>(values.size()));
    t += "\t1\t" + std::string(median ? "4" : "-") + "\t" + Dash(curveCode) + "\t20\t45\t-\t1.00\t1.00\t" +
         std::to_string(unit) + "\r\n";
    for (int i = 0; i < 3; ++i) t += "0.0000\t0.00\t0.0\r\n";
    for (size_t i = 0; i < values.size(); ++i)
        t += std::to_string(values[i]) + (i + 1 < values.size() ? "\r\n" : "\r\n\x1A");
    t += "TH(1;2)0\x1A";
    return t;
}

// A folder under the test temporary directory, removed at the end.
class TempDir {
public:
    TempDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("vordalis-rebound-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    // Names may hold '/'; the path returned has the system's separators.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::string p = Path(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    std::string Path(const std::string& name) const { return (path_ / name).make_preferred().string(); }

private:
    std::filesystem::path path_;
    static inline int counter_ = 0;
};

} // namespace vordalis::testing
