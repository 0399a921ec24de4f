#include "transfer/LocalName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace vordalis::transfer {
namespace {

// CON, PRN, AUX, NUL, COM1..COM9 and LPT1..LPT9 name devices in every folder, also with an
// extension ("nul.txt"): a file of that name would write to the device, or nowhere.
bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
    static const std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

} // namespace

// Besides "/", Windows takes "\" as a separator and ":" as a drive or a file's stream, refuses
// <>"|?* and control bytes, and drops a trailing dot or space (so "a." would be "a").
bool IsSafeLocalName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (std::string_view("/\\:<>\"|?*").find(c) != std::string_view::npos) return false;
    }
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsDeviceName(name);
}

} // namespace vordalis::transfer
