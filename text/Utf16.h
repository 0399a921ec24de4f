#pragma once
// Conversions between the UTF-16 texts the objects and dialogs hold and the 8-bit texts of
// files, settings and the command line. Malformed input becomes U+FFFD, never an error.
#include <string>

namespace vordalis {

std::u16string Latin1ToU16(const std::string& s);
std::string U16ToUtf8(const std::u16string& s);
std::u16string Utf8ToU16(const std::string& s);

} // namespace vordalis
