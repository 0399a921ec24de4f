#pragma once
// The settings store of the Windows programs without Qt: the registry key the Qt programs'
// QSettings("Morvex", "Vordalis") uses there, HKEY_CURRENT_USER\Software\Morvex\Vordalis, read
// and written with the Win32 API in QSettings' own form (DWORDs, strings as "sz:TEXT").
#include "settings/SettingsBackend.h"

namespace vordalis {

class RegistryBackend : public SettingsBackend {
public:
    bool OpenKey(const std::u16string& path, bool forWriting) override;
    std::optional<SettingValue> Get(const std::u16string& path, const std::u16string& name) override;
    bool Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) override;
};

} // namespace vordalis
