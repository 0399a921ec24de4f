#pragma once
// Builds cover list files in memory, field by field, as an instrument writes them.
#include "cover/TVernoList.h"
#include "model/ByteSource.h"

#include <memory>
#include <string>
#include <vector>

namespace vordalis::test {

struct ListFile {
    std::string head = "Vernoskant5";
    std::string number = "12", diameter = "16", limit = "25", unit = "mm";
    // Integers after the unit, TAB-separated (layer word, n, mean, smallest, largest, deviation).
    std::vector<std::string> header;
    std::vector<std::string> covers;
    std::string id = "V5(111;X)-";
    // Everything after the id token, its delimiter included.
    std::string tail = "\t30\r\n14\t3\t2024\r\n\"Pier\"\r\n\"Deck\"\r\n\"note\"\r\n\x1a";

    // Header of five integers from the covers (largest given), no layer word.
    static ListFile With(std::vector<int> values, int largest = 60) {
        ListFile f;
        for (int v : values) f.covers.push_back(std::to_string(v));
        f.header = {std::to_string(values.size()), "30", "10", std::to_string(largest), "2.345"};
        return f;
    }

    std::string Bytes() const {
        std::string s = "\r\n" + head + "\t" + number + "\t" + diameter + "\t" + limit + "\t" + unit;
        for (const auto& h : header) s += "\t" + h;
        s += "\r\n";
        for (size_t i = 0; i < covers.size(); ++i)
            s += covers[i] + (i + 1 == covers.size() ? "\r\n\x1a" : "\r\n");
        return s + id + tail;
    }

    std::unique_ptr<TVernoList> Read() const {
        MemorySource src(Bytes());
        return std::make_unique<TVernoList>(src);
    }
};

} // namespace vordalis::test
