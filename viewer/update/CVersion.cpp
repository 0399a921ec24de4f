#include "update/CVersion.h"

#include <vector>

namespace vordalis {
namespace {

// Reads the dot-separated decimal numbers of a cleaned text; false on anything else.
bool SplitNumbers(const std::string& text, std::vector<uint64_t>& numbers) {
    size_t pos = 0;
    for (;;) {
        if (numbers.size() == 4) return false;
        size_t start = pos;
        uint64_t n = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            uint64_t digit = static_cast<uint64_t>(text[pos] - '0');
            if (n > (UINT64_MAX - digit) / 10) return false; // does not fit 64 bits
            n = n * 10 + digit;
            ++pos;
        }
        if (pos == start) return false;
        numbers.push_back(n);
        if (pos == text.size()) return true;
        if (text[pos] != '.') return false;
        ++pos;
    }
}

} // namespace

CVersion::CVersion(std::string_view raw) {
    std::string text;
    for (char c : raw) {
        if (c == ' ') continue;
        text.push_back(c == ',' ? '.' : c);
    }
    std::vector<uint64_t> n;
    if (!SplitNumbers(text, n)) return;
    switch (n.size()) {
    case 1:
        if (text.size() <= 19) value_ = n[0];
        break;
    case 2:
        if (n[0] < (1ull << 32) && n[1] < (1ull << 32)) value_ = (n[0] << 32) + n[1];
        break;
    default: {
        if (n.size() == 3) n.push_back(0);
        for (uint64_t part : n)
            if (part > 0xFFFF) return;
        value_ = (n[0] << 48) + (n[1] << 32) + (n[2] << 16) + n[3];
    }
    }
}

CVersion CVersion::FromFileName(std::string_view name, std::string_view extension) {
    if (name.size() <= 5 || name.size() < extension.size()) return CVersion();
    if (name.substr(name.size() - extension.size()) != extension) return CVersion();
    size_t marker = name.find("_V_");
    if (marker == std::string_view::npos) return CVersion();
    size_t start = marker + 3;
    size_t dot = name.find('.');
    if (dot == std::string_view::npos || dot < start) return CVersion();
    std::string text(name.substr(start, dot - start));
    for (char& c : text)
        if (c == '_') c = '.';
    return CVersion(text);
}

std::string CVersion::ToString(int parts) const {
    auto field = [this](int shift) { return std::to_string((value_ >> shift) & 0xFFFF); };
    switch (parts) {
    case 2:
        return std::to_string(value_ >> 32) + "." + std::to_string(value_ & 0xFFFFFFFFull);
    case 3:
        return field(48) + "." + field(32) + "." + field(16);
    case 4:
        return field(48) + "." + field(32) + "." + field(16) + "." + field(0);
    default:
        return std::to_string(value_);
    }
}

} // namespace vordalis
