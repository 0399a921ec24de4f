#include "transfer/Instruments.h"

#include <array>
#include <cctype>

namespace vordalis::transfer {
namespace {

struct Instrument {
    const char* identifier;
    const char* displayName;
    const char* code;
    const char* extension;
    bool namesHaveExtension;
    // The family's files are recognised by a display name that starts with this (any case).
    const char* familyPrefix;
    NumberRule numberRule;
};

// Entry 0 holds a space in every text column, the last entry ends the table.
constexpr std::array<Instrument, 8> kTable{{
    {" ", " ", " ", ".vdo", true, "", NumberRule::None},
    {"VERNOSKANT5i", "Vernoskant 5", "V5i", ".vdo", true, "VERNO", NumberRule::CoverMeter},
    {"VERNOSKANT5", "Vernoskant 5", "V5", ".vdo", true, "VERNO", NumberRule::CoverMeter},
    {"VERNOSKANT4", "Vernoskant 4", "V4", ".vdo", true, "VERNO", NumberRule::CoverMeter},
    {"MELOX", "Melox", "MX", ".vdc", true, "MELOX", NumberRule::FirstWord},
    {"TORVIHAMMER", "Torvihammer", "TH", ".vdo", true, "TORVIHAMMER", NumberRule::FirstWord},
    {"QUELMETERXRTA", "Quelmeter XRTA", "QM", ".txt", false, "", NumberRule::None},
    {"", "", "", ".vdo", true, "", NumberRule::None},
}};

// The family entry whose code has the same first two letters as code; the end entry when none
// has.
const Instrument& FamilyByCode(const std::string& code) {
    const std::string two = code.substr(0, 2);
    int type = 1;
    while (kTable[type].identifier[0] != '\0' && std::string(kTable[type].code).substr(0, 2) != two) ++type;
    return kTable[type];
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string Normalised(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string DisplayName(int type) {
    return type >= 1 && type <= 7 ? kTable[type].displayName : "";
}
std::string Code(int type) {
    return type >= 1 && type <= 7 ? kTable[type].code : "";
}
std::string Identifier(int type) {
    return type >= 1 && type <= 7 ? kTable[type].identifier : "";
}

int TypeOf(const std::string& identifier) {
    const std::string received = Normalised(identifier);
    for (int type = 1; kTable[type].identifier[0] != '\0'; ++type)
        if (received.find(Normalised(kTable[type].identifier)) != std::string::npos) return type;
    return 0;
}

std::string ObjectExtension(const std::string& code) {
    return FamilyByCode(code).extension;
}

bool NamesHaveExtension(const std::string& code) {
    return FamilyByCode(code).namesHaveExtension;
}

NumberRule NumberRuleOf(const std::string& family) {
    for (int type = 1; kTable[type].identifier[0] != '\0'; ++type)
        if (kTable[type].familyPrefix[0] != '\0' && StartsWithNoCase(family, kTable[type].familyPrefix))
            return kTable[type].numberRule;
    return NumberRule::None;
}

} // namespace vordalis::transfer
