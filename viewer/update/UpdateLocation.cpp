#include "update/UpdateLocation.h"

#include "settings/RegistryKey.h"
#include "text/Utf16.h"

namespace vordalis {

std::string UpdateFolder(const std::string& productName) {
    return "KvUpgrade/" + productName + "/";
}

UpdateLocation ReadUpdateLocation(const std::string& productName) {
    using namespace update_settings;
    UpdateLocation loc;
    RegistryKey key;
    key.Open(RegistryRoot::CurrentUser, kKeyPath, RegistryAccess::Read); // a closed key reads defaults
    loc.host = U16ToUtf8(key.ReadString(kHost, Utf8ToU16(kDefaultHost)));
    loc.port = key.ReadDword(kPort, kDefaultPort);
    if (loc.port <= 0 || loc.port > 65535) loc.port = kDefaultPort;
    loc.user = U16ToUtf8(key.ReadString(kUser, Utf8ToU16(kDefaultUser)));
    loc.password = U16ToUtf8(key.ReadString(kPassword, Utf8ToU16(kDefaultPassword)));
    loc.folder = UpdateFolder(productName);
    return loc;
}

} // namespace vordalis
