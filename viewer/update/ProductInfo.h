#pragma once
// The program's own product name and version, fixed by the build.
#include <string>

#include "CVersion.h"

namespace vordalis {

std::string ProductName();    // "Vordalis"
std::string ProductVersion(); // e.g. "2.8.0.0"
inline CVersion OwnVersion() {
    return CVersion(ProductVersion());
}

} // namespace vordalis
