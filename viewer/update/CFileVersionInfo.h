#pragma once
// The program's own version information, fixed by the build: the standard string values
// ("ProductName", "ProductVersion", "CompanyName", ...). Values it does not carry are empty.
#include <string>

#include "update/CVersion.h"

namespace vordalis {

class CFileVersionInfo {
public:
    std::string Value(const std::string& name) const;
    std::string ProductName() const { return Value("ProductName"); }       // "Vordalis"
    std::string ProductVersion() const { return Value("ProductVersion"); } // e.g. "2.8.0"
};

inline std::string ProductName() {
    return CFileVersionInfo().ProductName();
}
inline std::string ProductVersion() {
    return CFileVersionInfo().ProductVersion();
}
inline CVersion OwnVersion() {
    return CVersion(ProductVersion());
}

} // namespace vordalis
