#pragma once
// The settings every program shares, with their defaults, in one place.
#include "settings/RegistryKey.h"

#include <cstdint>
#include <string>

namespace vordalis::settings {

inline constexpr const char16_t* kKeyPath = u"Software\\Morvex\\Vordalis\\Settings";

inline constexpr const char16_t* kLanguage = u"Language";
inline constexpr const char16_t* kDataFolder = u"DataFolder";
inline constexpr const char16_t* kMmScale = u"mmScl";
inline constexpr const char16_t* kBorderTop = u"BorderTop";
inline constexpr const char16_t* kBorderBottom = u"BorderBottom";
inline constexpr const char16_t* kBorderLeft = u"BorderLeft";
inline constexpr const char16_t* kBorderRight = u"BorderRight";
// The viewer's zoom: percent, and 0 fixed / 1 fit width / 2 fit page.
inline constexpr const char16_t* kZoom = u"Zoom";
inline constexpr const char16_t* kZoomFit = u"ZoomFit";
// "Mode0".."Mode3": packed default display options of the four object categories.
std::u16string ModeName(int category);

inline constexpr int32_t kDefaultLanguage = 0;
inline constexpr int32_t kDefaultMode = 0; // 0: the built-in default applies
inline constexpr int32_t kDefaultMmScale = 0;
inline constexpr int32_t kDefaultBorderTop = 150; // 0.1 mm
inline constexpr int32_t kDefaultBorderBottom = 100;
inline constexpr int32_t kDefaultBorderLeft = 150;
inline constexpr int32_t kDefaultBorderRight = 150;
// The working folder default: the user's home folder (the old platform used "C:\").
std::u16string DefaultDataFolder();

// Printer page borders in 0.1 mm.
struct PageBorders {
    int32_t top = kDefaultBorderTop, bottom = kDefaultBorderBottom;
    int32_t left = kDefaultBorderLeft, right = kDefaultBorderRight;
};

// One-shot readers and writers: open the key, read or write, close.
int32_t ReadDword(const std::u16string& name, int32_t defaultValue);
bool WriteDword(const std::u16string& name, int32_t value);
std::u16string ReadString(const std::u16string& name, const std::u16string& defaultValue);
bool WriteString(const std::u16string& name, const std::u16string& value);

int32_t Language(); // 0..4, other stored values behave as 0
std::u16string DataFolder();
PageBorders ReadPageBorders();
void WritePageBorders(const PageBorders& b);

} // namespace vordalis::settings
