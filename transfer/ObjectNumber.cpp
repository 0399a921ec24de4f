#include "transfer/ObjectNumber.h"

#include "io/FileHandle.h"
#include "io/FilePath.h"
#include "transfer/Instruments.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

namespace vordalis::transfer {
namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}
bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsFigure(char c) {
    return c >= '0' && c <= '9';
}

// The word at pos after white space, cut at white space.
std::string WordAt(const std::string& text, size_t pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    size_t end = pos;
    while (end < text.size() && !IsSpace(text[end])) ++end;
    return text.substr(pos, end - pos);
}

ObjectNumberResult CoverMeter(std::FILE* f) {
    std::string head(32, '\0');
    head.resize(std::fread(head.data(), 1, 32, f));
    if (head.size() < 12) return {};
    std::string tail(6, '\0');
    if (std::fseek(f, -6, SEEK_END) != 0 || std::fread(tail.data(), 1, 6, f) != 6) return {};
    if (std::any_of(tail.begin(), tail.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return {};
    const unsigned char last = tail[5];
    int kind;
    size_t v = std::string::npos;
    if (last != 0x06 && last != 0x1A) {
        kind = 2;
    } else {
        v = head.find('V');
        if (v == std::string::npos) v = head.find('v');
        if (v != std::string::npos) {
            kind = StartsWithNoCase(head.substr(v), "VERNOSKANT") ? 1 : 0;
        } else {
            // A raster file starts with CR LF before its number line.
            const size_t first = head.find_first_not_of(" \t\r\n");
            kind = first != std::string::npos && IsFigure(head[first]) ? 3 : 0;
        }
    }
    std::string number;
    if (kind == 1) {
        size_t pos = v;
        while (pos < head.size() && std::isalpha(static_cast<unsigned char>(head[pos]))) ++pos;
        while (pos < head.size() && IsSpace(head[pos])) ++pos;
        if (pos >= head.size() || (head[pos] != '4' && head[pos] != '5')) return {};
        if (pos + 1 < head.size() && IsFigure(head[pos + 1])) return {};
        number = WordAt(head, pos + 1);
    } else if (kind == 2) {
        number = tail;
    } else if (kind == 3) {
        number = WordAt(head, 0);
    } else {
        return {};
    }
    if (number.size() != 6 || !std::all_of(number.begin(), number.end(), IsFigure) || number[0] != '0' + kind)
        return {};
    return {kind == 2 ? 1 : 0, number};
}

ObjectNumberResult FirstWordName(std::FILE* f) {
    std::string head(32, '\0');
    head.resize(std::fread(head.data(), 1, 32, f));
    if (head.size() < 12) return {};
    if (std::any_of(head.begin(), head.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return {};
    const std::string word = WordAt(head, 0);
    if (word.size() > 12 || std::all_of(word.begin(), word.end(), IsFigure)) return {};
    return {0, word};
}

} // namespace

ObjectNumberResult ObjectNumber(const std::string& path, const std::string& family) {
    FileHandle f = OpenFile(PathFromUtf8(path), "rb");
    if (!f) return {};
    switch (NumberRuleOf(family)) {
    case NumberRule::CoverMeter:
        return CoverMeter(f.get());
    case NumberRule::FirstWord:
        return FirstWordName(f.get());
    case NumberRule::None:
        break;
    }
    return {};
}

} // namespace vordalis::transfer
