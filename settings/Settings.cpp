#include "settings/Settings.h"

#include <cstdlib>

namespace vordalis::settings {

std::u16string ModeName(int category) {
    return u"Mode" + std::u16string(1, static_cast<char16_t>(u'0' + (category & 3)));
}

std::u16string DefaultDataFolder() {
    const char* home = std::getenv("HOME");
    std::u16string out;
    if (home && *home) {
        for (const char* p = home; *p; ++p) out.push_back(static_cast<unsigned char>(*p));
    } else {
        out = u"/";
    }
    return out;
}

int32_t ReadDword(const std::u16string& name, int32_t defaultValue) {
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::Read)) return defaultValue;
    return key.ReadDword(name, defaultValue);
}

bool WriteDword(const std::u16string& name, int32_t value) {
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::SetValue)) return false;
    return key.WriteDword(name, value);
}

std::u16string ReadString(const std::u16string& name, const std::u16string& defaultValue) {
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::Read)) return defaultValue;
    return key.ReadString(name, defaultValue);
}

bool WriteString(const std::u16string& name, const std::u16string& value) {
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::SetValue)) return false;
    return key.WriteString(name, value);
}

int32_t Language() {
    int32_t v = ReadDword(kLanguage, kDefaultLanguage);
    return (v >= 0 && v <= 4) ? v : 0;
}

std::u16string DataFolder() {
    return ReadString(kDataFolder, DefaultDataFolder());
}

PageBorders ReadPageBorders() {
    PageBorders b;
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::Read)) return b;
    b.top = key.ReadDword(kBorderTop, kDefaultBorderTop);
    b.bottom = key.ReadDword(kBorderBottom, kDefaultBorderBottom);
    b.left = key.ReadDword(kBorderLeft, kDefaultBorderLeft);
    b.right = key.ReadDword(kBorderRight, kDefaultBorderRight);
    return b;
}

void WritePageBorders(const PageBorders& b) {
    RegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::SetValue)) return;
    key.WriteDword(kBorderTop, b.top);
    key.WriteDword(kBorderBottom, b.bottom);
    key.WriteDword(kBorderLeft, b.left);
    key.WriteDword(kBorderRight, b.right);
}

} // namespace vordalis::settings
