#pragma once
// Instrument-side folder paths ("\MEAS\2024", "..\B") applied to a sub-folder held as
// components each preceded by "\", and turned into a local path.
#include <filesystem>
#include <string>

namespace vordalis::transfer {

// A path starting with "\" first empties subPath; ".." drops the last component; every
// other non-empty component is appended.
void ApplyPath(std::string& subPath, const std::string& path);

// root followed by the components of subPath, with the platform's separator.
std::filesystem::path LocalPath(const std::string& root, const std::string& subPath);

} // namespace vordalis::transfer
