#pragma once
// Whether a folder can be entered to read or write the files in it.
#include <filesystem>

namespace vordalis::transfer {

bool CanEnterFolder(const std::filesystem::path& path);

} // namespace vordalis::transfer
