#pragma once
// Where RegistryKey keeps its values. A backend stores typed values per key path; the
// programs use QSettings, the tests an in-memory store.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace vordalis {

// A stored value: a DWORD, a string, or something of another type (read as missing).
struct SettingValue {
    enum class Kind { Dword, String, Other };
    Kind kind = Kind::Other;
    uint32_t dword = 0;
    std::u16string text;

    static SettingValue Dword(uint32_t v) { return {Kind::Dword, v, {}}; }
    static SettingValue String(std::u16string s) { return {Kind::String, 0, std::move(s)}; }
};

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    // Whether the key exists (or can be created when forWriting).
    virtual bool OpenKey(const std::u16string& path, bool forWriting) = 0;
    virtual std::optional<SettingValue> Get(const std::u16string& path, const std::u16string& name) = 0;
    // Must store the value completely or not at all.
    virtual bool Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) = 0;
};

// The backend every RegistryKey uses. Programs install theirs at start; until then an
// in-memory store is used, so nothing touches the user's real settings.
SettingsBackend& CurrentSettingsBackend();
void SetSettingsBackend(std::shared_ptr<SettingsBackend> backend);

} // namespace vordalis
