#include "update/CFileVersionInfo.h"

#include "program/Version.h"

namespace vordalis {

std::string CFileVersionInfo::Value(const std::string& name) const {
    if (name == "ProductName" || name == "InternalName") return program::ProductName();
    if (name == "ProductVersion" || name == "FileVersion") return program::Version();
    if (name == "CompanyName") return "Morvex";
    return {};
}

} // namespace vordalis
