#include "update/UpdateConfig.h"

#include "update/CFileVersionInfo.h"

namespace vordalis {

UpdateConfig UpdateConfig::FromSettings() {
    UpdateConfig c;
    c.product = ProductName();
    c.own = OwnVersion();
    c.location = ReadUpdateLocation(c.product);
    return c;
}

} // namespace vordalis
