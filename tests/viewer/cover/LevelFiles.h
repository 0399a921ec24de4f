#pragma once
// Small object files of the bar scan and raster kinds, built byte by byte for the tests.
#include <cstdint>
#include <string>
#include <vector>

namespace vordalis::test {

struct BarsBytes {
    std::vector<int> first = std::vector<int>(100, 0);  // block at offset 0
    std::vector<int> second = std::vector<int>(100, 0); // block at offset 128
    int lengthX = 0, lengthY = 0, layer = 0, orientation = 1, diameter = 16, gridClass = 2, mark = 0;
    // The text from offset 256 on.
    std::string text =
        "200123\r\nVX(1234;A)-\t25\t10\t80\r\n12\t5\t2026\r\n\"Bridge\"\r\n\"Deck\"\r\n\"r\"\r\n\x06"
        "200123";

    std::string Build() const {
        std::string f(256, '\0');
        for (int i = 0; i < 100; ++i) {
            f[static_cast<size_t>(i)] = static_cast<char>(first[static_cast<size_t>(i)]);
            f[static_cast<size_t>(128 + i)] = static_cast<char>(second[static_cast<size_t>(i)]);
        }
        const int header[9] = {lengthX, lengthY, layer, 0, 0, orientation, diameter, gridClass, mark};
        for (int i = 0; i < 9; ++i) f[static_cast<size_t>(247 + i)] = static_cast<char>(header[i]);
        return f + text;
    }
};

// A raster file: header lines as given, then the covers row by row.
inline std::string
RasterFile(const std::string& head, int nx, const std::vector<int>& covers,
           const std::string& tail = "VX(77;)-\t20\t15\t60\r\n1\t2\t2025\r\n\"\"\r\n\"\"\r\n\"\"\r\n\x06") {
    std::string f = "\r\n" + head;
    for (size_t i = 0; i < covers.size(); ++i)
        f += std::to_string(covers[i]) + ((static_cast<int>(i) + 1) % nx == 0 ? "\r\n" : "\t");
    return f + "\r\n\x06" + tail;
}

} // namespace vordalis::test
