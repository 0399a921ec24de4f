#pragma once
// The table of known instruments: type 1..6 with identifier, display name and code.
#include <string>

namespace vordalis::transfer {

inline constexpr int kInstrumentTypes = 6;

// Types 1..7 give the table entry (7: empty texts); any other value gives empty text.
std::string DisplayName(int type);
std::string Code(int type);
std::string Identifier(int type);

// The type whose identifier (spaces removed, any case) occurs in the received identifier;
// 0 when none does. The imperial cover meter is tried before the metric one.
int TypeOf(const std::string& identifier);

} // namespace vordalis::transfer
