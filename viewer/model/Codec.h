#pragma once
// The text codec every object file is written in: tokens ended by a delimiter byte, quoted
// texts, integers whose '.' and ',' are dropped, and an optional wide-text block in front of a
// quoted text that carries UTF-16 as nibble bytes (all below 0x21, so plain readers skip it).
#include "model/ByteSource.h"

#include <cstdint>
#include <string>

namespace vordalis {

class ObjectReader {
public:
    explicit ObjectReader(ByteSource& source) : src_(source) {}

    ByteSource& Source() { return src_; }
    // Next byte, or -1 at the end of the file.
    int ReadByte();
    // Stores at most capacity - 1 characters; returns how many were stored.
    size_t ReadToken(std::u16string& out, size_t capacity);
    bool SkipToken();
    bool ReadInteger(int32_t& value);
    // A token that may be preceded by a wide-text block; returns the narrow length.
    size_t ReadWideToken(std::u16string& wide, size_t wideCapacity, std::u16string& narrow,
                         size_t narrowCapacity);
    // Convenience: the wide text when there is one, else the narrow token.
    std::u16string ReadWideOrNarrow(size_t wideCapacity, size_t narrowCapacity);
    // The byte that ended the last token (0 at the end of the file or after an over-long token).
    int LastDelimiter() const { return lastDelimiter_; }

private:
    size_t ReadTokenImpl(std::u16string& out, size_t capacity, std::u16string* wide, size_t wideCapacity);

    ByteSource& src_;
    int lastDelimiter_ = 0;
};

class ObjectWriter {
public:
    const std::string& Bytes() const { return out_; }
    std::string& Bytes() { return out_; }

    void WriteText(const std::u16string& text, int delimiter);
    void WriteText(const char* text, int delimiter);
    void WriteQuoted(const std::u16string& text, int delimiter);
    void WriteWideQuoted(const std::u16string& wide, const std::u16string& narrow, int delimiter);
    void WriteInteger(int32_t value, int delimiter, bool dashForNonPositive = false);
    void WriteReal(double value, int delimiter);
    void WriteByte(uint8_t byte);
    void WriteDelimiter(int delimiter);

private:
    std::string out_;
};

bool AllNumerals(const uint8_t* bytes, size_t count);
bool FitsLatin1(const std::u16string& text);
// Cuts a text to at most n characters (the fixed-size text fields of the objects).
inline std::u16string Cut(const std::u16string& s, size_t n) {
    return s.size() > n ? s.substr(0, n) : s;
}

} // namespace vordalis
