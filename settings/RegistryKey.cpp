#include "settings/RegistryKey.h"

#include "settings/SettingsBackend.h"

namespace vordalis {

bool RegistryKey::Open(RegistryRoot root, const std::u16string& path, RegistryAccess access) {
    Close();
    if (root == RegistryRoot::Other) return false;
    std::u16string full = (root == RegistryRoot::CurrentUser ? u"HKCU\\" : u"HKLM\\") + path;
    if (!CurrentSettingsBackend().OpenKey(full, access == RegistryAccess::SetValue)) return false;
    open_ = true;
    access_ = access;
    path_ = full;
    return true;
}

void RegistryKey::Close() {
    open_ = false;
    path_.clear();
}

int32_t RegistryKey::ReadDword(const std::u16string& name, int32_t defaultValue) const {
    if (!open_) return defaultValue;
    auto v = CurrentSettingsBackend().Get(path_, name);
    if (!v || v->kind != SettingValue::Kind::Dword) return defaultValue;
    return static_cast<int32_t>(v->dword);
}

std::u16string RegistryKey::ReadString(const std::u16string& name, const std::u16string& defaultValue) const {
    if (!open_) return defaultValue;
    auto v = CurrentSettingsBackend().Get(path_, name);
    if (!v || v->kind != SettingValue::Kind::String || v->text.empty() || v->text.size() > kMaxString)
        return defaultValue;
    return v->text;
}

bool RegistryKey::WriteDword(const std::u16string& name, int32_t value) {
    if (!open_ || access_ != RegistryAccess::SetValue || name.empty()) return false;
    return CurrentSettingsBackend().Set(path_, name, SettingValue::Dword(static_cast<uint32_t>(value)));
}

bool RegistryKey::WriteString(const std::u16string& name, const std::u16string& text) {
    if (!open_ || access_ != RegistryAccess::SetValue || name.empty() || text.size() > kMaxString)
        return false;
    return CurrentSettingsBackend().Set(path_, name, SettingValue::String(text));
}

} // namespace vordalis
