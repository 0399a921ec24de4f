#include "transfer/Instruments.h"

#include <array>
#include <cctype>

namespace vordalis::transfer {
namespace {

struct Instrument {
    const char* identifier;
    const char* displayName;
    const char* code;
};

// Entry 0 holds a space in every column, the last entry ends the table.
constexpr std::array<Instrument, 8> kTable{{
    {" ", " ", " "},
    {"VERNOSKANT5i", "Vernoskant 5", "V5i"},
    {"VERNOSKANT5", "Vernoskant 5", "V5"},
    {"VERNOSKANT4", "Vernoskant 4", "V4"},
    {"MELOX", "Melox", "MX"},
    {"TORVIHAMMER", "Torvihammer", "TH"},
    {"QUELMETERXRTA", "Quelmeter XRTA", "QM"},
    {"", "", ""},
}};

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

} // namespace vordalis::transfer
