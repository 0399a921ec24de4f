#include "settings/MemoryBackend.h"

#include <mutex>

namespace vordalis {

bool MemoryBackend::OpenKey(const std::u16string& path, bool forWriting) {
    if (forWriting) keys_.insert(path);
    return keys_.count(path) > 0;
}

std::optional<SettingValue> MemoryBackend::Get(const std::u16string& path, const std::u16string& name) {
    auto it = values_.find({path, name});
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool MemoryBackend::Set(const std::u16string& path, const std::u16string& name, const SettingValue& value) {
    keys_.insert(path);
    values_[{path, name}] = value;
    return true;
}

namespace {
std::mutex g_backendMutex;
std::shared_ptr<SettingsBackend> g_backend;
} // namespace

SettingsBackend& CurrentSettingsBackend() {
    std::lock_guard lock(g_backendMutex);
    if (!g_backend) g_backend = std::make_shared<MemoryBackend>();
    return *g_backend;
}

void SetSettingsBackend(std::shared_ptr<SettingsBackend> backend) {
    std::lock_guard lock(g_backendMutex);
    g_backend = std::move(backend);
}

} // namespace vordalis
