#pragma once
// The text codec every object file is written in: tokens ended by a delimiter byte, quoted
// texts, integers whose '.' and ',' are dropped, and an optional wide-text block in front of a
// quoted text that carries UTF-16 as nibble bytes (all below 0x21, so plain readers skip it).
#include "model/ByteSource.h"

#include <cstdint>
#include <string>

namespace vordalis {

namespace delim {
// The byte that ends a token. Reading reports the byte itself; writing turns both line ends
// into CR LF and closes blocks and files with a mark after it.
enum Delimiter : int {
    kNone = 0,     // read: the file ended; written: nothing, the next token follows at once
    kBlockEnd = 6, // written: CR LF 0x06, after the readings of a raster
    kTab = 9,
    kLf = 10,      // written: CR LF
    kCr = 13,      // written: CR LF
    kFileEnd = 26, // the mark 0x1A; written: CR LF 0x1A, after the last readings
};
} // namespace delim

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

    void WriteText(const std::u16string& text, delim::Delimiter delimiter);
    void WriteText(const char* text, delim::Delimiter delimiter);
    void WriteQuoted(const std::u16string& text, delim::Delimiter delimiter);
    void WriteWideQuoted(const std::u16string& wide, const std::u16string& narrow,
                         delim::Delimiter delimiter);
    // A name, title or remarks: quoted as it is when a quoted token keeps every character of
    // it, else in the wide block with the placeholder for readers that skip the block.
    void WriteTextField(const std::u16string& text, const std::u16string& placeholder,
                        delim::Delimiter delimiter);
    void WriteInteger(int32_t value, delim::Delimiter delimiter, bool dashForNonPositive = false);
    void WriteReal(double value, delim::Delimiter delimiter);
    void WriteByte(uint8_t byte);
    void WriteDelimiter(delim::Delimiter delimiter);

private:
    std::string out_;
};

bool AllNumerals(const uint8_t* bytes, size_t count);
// Every character is one a quoted token keeps: a byte from the space up (a control byte would
// end the token).
bool ReadsBackQuoted(const std::u16string& text);
// Cuts a text to at most n characters (the fixed-size text fields of the objects).
inline std::u16string Cut(const std::u16string& s, size_t n) {
    return s.size() > n ? s.substr(0, n) : s;
}

} // namespace vordalis
