#pragma once
// Everything a check needs: where to look, for which product, against which own version.
#include <string>

#include "update/CVersion.h"
#include "update/UpdateLocation.h"

namespace vordalis {

struct UpdateConfig {
    std::string product;
    CVersion own;
    UpdateLocation location;

    // The program's own product and version, the server from the settings.
    static UpdateConfig FromSettings();
};

} // namespace vordalis
