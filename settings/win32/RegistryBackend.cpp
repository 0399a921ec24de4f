#include "settings/win32/RegistryBackend.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include <windows.h>

namespace vordalis {
namespace {

// Only the suite's own key: "HKCU\Software\Morvex\Vordalis[\...]" becomes the key below
// HKEY_CURRENT_USER.
constexpr std::u16string_view kOurKey = u"HKCU\\Software\\Morvex\\Vordalis";

std::optional<std::wstring> SubKeyOf(const std::u16string& path) {
    if (path.compare(0, kOurKey.size(), kOurKey) != 0) return std::nullopt;
    if (path.size() > kOurKey.size() && path[kOurKey.size()] != u'\\') return std::nullopt;
    return std::wstring(path.begin() + 5, path.end()); // without "HKCU\"
}

std::wstring Wide(const std::u16string& s) {
    return std::wstring(s.begin(), s.end());
}

// A whole decimal number in INT32_MIN..UINT32_MAX, as QSettings reads a number it stored as text.
std::optional<uint32_t> DwordOf(std::u16string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12) return std::nullopt;
    int64_t n = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c - u'0');
    }
    if (negative) n = -n;
    if (n < INT32_MIN || n > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(n);
}

// A string value read the way QSettingsBackend reads one: "sz:TEXT" is a string, "dword:N" and
// a plain number are DWORDs.
SettingValue ValueOfText(const std::u16string& text) {
    const std::u16string_view t = text;
    if (t.substr(0, 6) == u"dword:") {
        if (auto n = DwordOf(t.substr(6))) return SettingValue::Dword(*n);
        return SettingValue{};
    }
    if (t.substr(0, 3) == u"sz:") return SettingValue::String(text.substr(3));
    if (auto n = DwordOf(t)) return SettingValue::Dword(*n);
    return SettingValue::String(text);
}

class Key {
public:
    ~Key() {
        if (h_) ::RegCloseKey(h_);
    }
    bool Open(const std::wstring& sub, bool forWriting) {
        if (forWriting)
            return ::RegCreateKeyExW(HKEY_CURRENT_USER, sub.c_str(), 0, nullptr, 0,
                                     KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &h_, nullptr) == ERROR_SUCCESS;
        return ::RegOpenKeyExW(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_QUERY_VALUE, &h_) == ERROR_SUCCESS;
    }
    HKEY Handle() const { return h_; }

private:
    HKEY h_ = nullptr;
};

} // namespace

bool RegistryBackend::OpenKey(const std::u16string& path, bool forWriting) {
    const auto sub = SubKeyOf(path);
    Key key;
    return sub && key.Open(*sub, forWriting);
}

std::optional<SettingValue> RegistryBackend::Get(const std::u16string& path, const std::u16string& name) {
    const auto sub = SubKeyOf(path);
    Key key;
    if (!sub || !key.Open(*sub, false)) return std::nullopt;
    const std::wstring valueName = Wide(name);
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.Handle(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    if (::RegQueryValueExW(key.Handle(), valueName.c_str(), nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD v = 0;
        std::memcpy(&v, data.data(), sizeof v);
        return SettingValue::Dword(v);
    }
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // The stored size may or may not count a terminating zero.
        std::u16string text(reinterpret_cast<const char16_t*>(data.data()), size / sizeof(char16_t));
        while (!text.empty() && text.back() == u'\0') text.pop_back();
        return ValueOfText(text);
    }
    return SettingValue{};
}

bool RegistryBackend::Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) {
    const auto sub = SubKeyOf(path);
    Key key;
    if (!sub || !key.Open(*sub, true)) return false;
    const std::wstring valueName = Wide(name);
    // One RegSetValueExW writes the value completely or not at all.
    if (value.kind == SettingValue::Kind::Dword) {
        const DWORD v = value.dword;
        return ::RegSetValueExW(key.Handle(), valueName.c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&v), sizeof v) == ERROR_SUCCESS;
    }
    if (value.kind == SettingValue::Kind::String) {
        // With QSettings' type mark, so that a numeric-looking folder name stays a text.
        const std::wstring text = L"sz:" + Wide(value.text);
        return ::RegSetValueExW(key.Handle(), valueName.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    return false;
}

} // namespace vordalis
