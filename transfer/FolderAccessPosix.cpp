#include "transfer/FolderAccess.h"

#include <unistd.h>

namespace vordalis::transfer {

// A folder without search permission lists its names but opens none of its files.
bool CanEnterFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace vordalis::transfer
