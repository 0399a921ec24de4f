#include "settings/ProgramSettings.h"
#include "settings/win32/RegistryBackend.h"

#include <memory>

namespace vordalis {

void UseProgramSettings() {
    SetSettingsBackend(std::make_shared<RegistryBackend>());
}

} // namespace vordalis
