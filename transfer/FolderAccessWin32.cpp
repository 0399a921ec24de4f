#include "transfer/FolderAccess.h"

#include <windows.h>

namespace vordalis::transfer {

// Windows has no search permission: a folder that can be listed can be entered.
bool CanEnterFolder(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) return false;
    WIN32_FIND_DATAW found;
    HANDLE h = ::FindFirstFileW((path / L"*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::FindClose(h);
    return true;
}

} // namespace vordalis::transfer
