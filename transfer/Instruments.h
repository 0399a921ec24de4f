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

// How a received file shows its object number.
enum class NumberRule {
    None,       // it does not
    CoverMeter, // a cover meter's header and trailer
    FirstWord,  // the first word of the file
};

// The rules of an instrument family, looked up by the first two letters of its code.
// The extension of a received object's file (".vdo" for a code of no family).
std::string ObjectExtension(const std::string& code);
// Whether the instrument's object names carry an extension after a '.' (its listing splits
// them there); a code of no family does.
bool NamesHaveExtension(const std::string& code);
// The rule for the family whose display name (any case) family starts with.
NumberRule NumberRuleOf(const std::string& family);

} // namespace vordalis::transfer
