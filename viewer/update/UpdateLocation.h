#pragma once
// Where the installers of the product lie: an FTP server and the product's folder on it.
// Host, port, user and password are settings (section "Update") with built-in defaults, so a
// user or a test can point the checker at another server.
#include <cstdint>
#include <string>

namespace vordalis {

struct UpdateLocation {
    std::string host;
    int32_t port = 21;
    std::string user;
    std::string password;
    std::string folder; // relative to the login folder, ends with '/'
};

namespace update_settings {
inline constexpr const char16_t* kKeyPath = u"Software\\Morvex\\Vordalis\\Update";
inline constexpr const char16_t* kHost = u"Host";
inline constexpr const char16_t* kPort = u"Port";
inline constexpr const char16_t* kUser = u"User";
inline constexpr const char16_t* kPassword = u"Password";

inline constexpr const char* kDefaultHost = "ftp.morvex.com";
inline constexpr int32_t kDefaultPort = 21;
inline constexpr const char* kDefaultUser = "kvupgrade";
inline constexpr const char* kDefaultPassword = "vd2880";
} // namespace update_settings

// The product's update folder: "KvUpgrade/<product>/".
std::string UpdateFolder(const std::string& productName);

// The location from the settings (missing values take the defaults) for the given product.
UpdateLocation ReadUpdateLocation(const std::string& productName);

} // namespace vordalis
