#pragma once
// The suite's product name and version, fixed by the build (CMake's project version). The
// About box, --version, the update checker and the package all show this one version.
namespace vordalis::program {

const char* ProductName(); // "Vordalis"
const char* Version();     // "x.y.z"

} // namespace vordalis::program
