#include "model/Codec.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace vordalis {

int ObjectReader::ReadByte() {
    uint8_t b;
    return src_.Read(&b, 1) == 1 ? b : -1;
}

size_t ObjectReader::ReadTokenImpl(std::u16string& out, size_t capacity, std::u16string* wide,
                                   size_t wideCapacity) {
    out.clear();
    if (wide) wide->clear();
    bool quote = false;
    int wideState = 0;
    int nibbles = 0;
    char16_t unit = 0;
    bool wideEnded = false;
    lastDelimiter_ = 0;
    while (capacity > 0 && out.size() < capacity - 1) {
        int b = ReadByte();
        if (b < 0) {
            lastDelimiter_ = 0;
            return out.size();
        }
        if (out.empty() && !quote && b < 0x21 && b != '"') {
            if (wide && b < 0x20) {
                if (wideState == 0) {
                    if (b == 0x03) wideState = 1;
                } else if (wideState < 4) {
                    if (b == 0x03 + wideState) ++wideState;
                } else {
                    unit = static_cast<char16_t>((unit << 4) | (b & 0x0F));
                    if (++nibbles == 4) {
                        if (unit == 0) wideEnded = true;
                        if (!wideEnded && wide->size() + 1 < wideCapacity) wide->push_back(unit);
                        nibbles = 0;
                        unit = 0;
                    }
                }
            }
            continue;
        }
        if (b == '"' && !quote) {
            quote = true;
            continue;
        }
        if (b < 0x20 || (b == ' ' && !quote)) {
            lastDelimiter_ = b;
            if (quote && !out.empty() && out.back() == u'"') out.pop_back();
            return out.size();
        }
        out.push_back(static_cast<char16_t>(b));
    }
    lastDelimiter_ = 0;
    return out.size();
}

size_t ObjectReader::ReadToken(std::u16string& out, size_t capacity) {
    return ReadTokenImpl(out, capacity, nullptr, 0);
}

bool ObjectReader::SkipToken() {
    std::u16string scratch;
    return ReadToken(scratch, 79) > 0;
}

bool ObjectReader::ReadInteger(int32_t& value) {
    std::u16string t;
    if (ReadToken(t, 79) == 0) return false;
    if (!(t[0] == u'-' || (t[0] >= u'0' && t[0] <= u'9'))) return false;
    if (t == u"-") {
        value = 0;
        return true;
    }
    std::string digits;
    for (char16_t c : t) {
        if (c == u'.' || c == u',') continue;
        if (c > 0x7F) return false;
        digits.push_back(static_cast<char>(c));
    }
    if (digits.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(digits.c_str(), &end, 10);
    if (end == digits.c_str() || *end != '\0') return false;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    value = static_cast<int32_t>(v);
    return true;
}

size_t ObjectReader::ReadWideToken(std::u16string& wide, size_t wideCapacity, std::u16string& narrow,
                                   size_t narrowCapacity) {
    return ReadTokenImpl(narrow, narrowCapacity, &wide, wideCapacity);
}

std::u16string ObjectReader::ReadWideOrNarrow(size_t wideCapacity, size_t narrowCapacity) {
    std::u16string wide, narrow;
    ReadWideToken(wide, wideCapacity, narrow, narrowCapacity);
    return wide.empty() ? narrow : wide;
}

void ObjectWriter::WriteDelimiter(delim::Delimiter delimiter) {
    switch (delimiter) {
    case delim::kNone:
        break;
    case delim::kBlockEnd:
        out_ += "\r\n\x06";
        break;
    case delim::kLf:
    case delim::kCr:
        out_ += "\r\n";
        break;
    case delim::kFileEnd:
        out_ += "\r\n\x1A";
        break;
    default:
        out_.push_back(static_cast<char>(delimiter));
    }
}

void ObjectWriter::WriteText(const std::u16string& text, delim::Delimiter delimiter) {
    for (char16_t c : text) out_.push_back(static_cast<char>(c & 0xFF));
    WriteDelimiter(delimiter);
}

void ObjectWriter::WriteText(const char* text, delim::Delimiter delimiter) {
    out_ += text;
    WriteDelimiter(delimiter);
}

void ObjectWriter::WriteQuoted(const std::u16string& text, delim::Delimiter delimiter) {
    out_.push_back('"');
    for (char16_t c : text) out_.push_back(static_cast<char>(c & 0xFF));
    out_.push_back('"');
    WriteDelimiter(delimiter);
}

void ObjectWriter::WriteWideQuoted(const std::u16string& wide, const std::u16string& narrow,
                                   delim::Delimiter delimiter) {
    if (!wide.empty()) {
        out_ += "\x03\x04\x05\x06";
        auto unit = [this](char16_t u) {
            for (int shift = 12; shift >= 0; shift -= 4)
                out_.push_back(static_cast<char>((u >> shift) & 0x0F));
        };
        for (char16_t u : wide) unit(u);
        unit(0);
    }
    WriteQuoted(narrow, delimiter);
}

void ObjectWriter::WriteTextField(const std::u16string& text, const std::u16string& placeholder,
                                  delim::Delimiter delimiter) {
    if (ReadsBackQuoted(text))
        WriteWideQuoted(u"", text, delimiter);
    else
        WriteWideQuoted(text, placeholder, delimiter);
}

void ObjectWriter::WriteInteger(int32_t value, delim::Delimiter delimiter, bool dashForNonPositive) {
    if (dashForNonPositive && value <= 0) {
        WriteText("-", delimiter);
        return;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    WriteText(buf, delimiter);
}

void ObjectWriter::WriteReal(double value, delim::Delimiter delimiter) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0.3lf", value);
    WriteText(buf, delimiter);
}

void ObjectWriter::WriteByte(uint8_t byte) {
    out_.push_back(static_cast<char>(byte));
}

bool AllNumerals(const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (bytes[i] < '0' || bytes[i] > '9') return false;
    return true;
}

bool ReadsBackQuoted(const std::u16string& text) {
    for (char16_t c : text)
        if (c < 0x20 || c > 0xFF) return false;
    return true;
}

} // namespace vordalis
