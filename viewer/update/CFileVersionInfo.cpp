#include "CFileVersionInfo.h"

namespace vordalis {

std::string CFileVersionInfo::Value(const std::string& name) const {
    if (name == "ProductName" || name == "InternalName") return VORDALIS_PRODUCT_NAME;
    if (name == "ProductVersion" || name == "FileVersion") return VORDALIS_PRODUCT_VERSION;
    if (name == "CompanyName") return "Morvex";
    return {};
}

} // namespace vordalis
