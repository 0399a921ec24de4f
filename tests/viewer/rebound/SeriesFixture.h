#pragma once
// Builds rebound series files in memory: the instrument's header and values, optionally the
// viewer's extension.
#include "model/ByteSource.h"
#include "rebound/TTorvBars.h"

#include <memory>
#include <string>
#include <vector>

namespace vordalis::test {

struct SeriesFile {
    std::string head = "TORVIHAMMER";
    std::string number = "0042";
    std::string name = "\"WALL A\"";
    std::string date = "2024\t5\t17\t14\t30";
    int variant = 1;
    int aux = 7;
    int direction = 1;
    int outlierMode = 0;
    int curveCode = 4; // curve 1
    int lower = 20, upper = 55;
    int carbonation = 0;
    std::string formFactor = "1.00", timeFactor = "1.00";
    int unit = 1;
    std::string f1 = "0.0100\t0.50\t-5.0", f2 = "0.0200\t0.60\t-6.0", f3 = "0.0300\t0.70\t-7.0";
    std::vector<int> values = {40, 40, 40};
    std::string id = "TH(12345;NR7)-";
    // Empty: an instrument file (the id token ends with 0x1A).
    std::string extension;

    std::string Bytes() const {
        auto field = [](int v) { return v > 0 ? std::to_string(v) : std::string("-"); };
        std::string s = head + "\t" + number + "\t" + name + "\t" + date + "\t" + field(variant) + "\t" +
                        field(aux) + "\t" + std::to_string(values.size()) + "\t" + field(direction) + "\t" +
                        field(outlierMode) + "\t" + field(curveCode) + "\t" + field(lower) + "\t" +
                        field(upper) + "\t" + field(carbonation) + "\t" + formFactor + "\t" + timeFactor +
                        "\t" + field(unit) + "\r\n" + f1 + "\r\n" + f2 + "\r\n" + f3 + "\r\n";
        for (size_t i = 0; i < values.size(); ++i)
            s += std::to_string(values[i]) + (i + 1 < values.size() ? "\r\n" : "\r\n\x1A");
        if (extension.empty()) return s + id + "\x1A";
        return s + id + "\t\n" + extension;
    }

    std::unique_ptr<TTorvBars> Read() const {
        MemorySource src(Bytes());
        return std::make_unique<TTorvBars>(src);
    }
};

// Extension fields in file order, followed by the three texts.
inline std::string Extension(int curve, int unit, int carbonation, int direction, int lower, int upper,
                             int flags, const std::string& factors = "1.00\t1.00\t",
                             const std::string& fx = "0.0000\t0.00\t0.0",
                             const std::string& texts = "\"\"\r\n\"\"\r\n\"\"\r\n\x1A") {
    auto field = [](int v) { return v > 0 ? std::to_string(v) : std::string("-"); };
    return field(curve) + "\t" + field(unit) + "\t" + field(carbonation) + "\t" + field(direction) + "\t" +
           field(lower) + "\t" + field(upper) + "\t" + field(flags) + "\t" + factors + fx + "\r\n" + texts;
}

inline std::unique_ptr<TTorvBars> ReadBytes(const std::string& bytes) {
    MemorySource src(bytes);
    return std::make_unique<TTorvBars>(src);
}

} // namespace vordalis::test
