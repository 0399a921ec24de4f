#pragma once
#include "settings/SettingsBackend.h"

#include <map>
#include <set>

namespace vordalis {

// Settings held in memory only; used by tests and by programs that must not persist anything.
class MemoryBackend : public SettingsBackend {
public:
    bool OpenKey(const std::u16string& path, bool forWriting) override;
    std::optional<SettingValue> Get(const std::u16string& path, const std::u16string& name) override;
    bool Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) override;

private:
    std::set<std::u16string> keys_;
    std::map<std::pair<std::u16string, std::u16string>, SettingValue> values_;
};

} // namespace vordalis
