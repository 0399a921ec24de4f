#pragma once
// The programs' settings store: QSettings("Morvex", "Vordalis"). On Linux that is
// ~/.config/Morvex/Vordalis.conf; on Windows it is the registry key itself.
#include "settings/SettingsBackend.h"

namespace vordalis {

class QSettingsBackend : public SettingsBackend {
public:
    bool OpenKey(const std::u16string& path, bool forWriting) override;
    std::optional<SettingValue> Get(const std::u16string& path, const std::u16string& name) override;
    bool Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) override;
};

// Installs a QSettingsBackend as the process-wide settings backend.
void UseQSettingsBackend();

} // namespace vordalis
