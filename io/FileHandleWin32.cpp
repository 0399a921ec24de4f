#include "io/FileHandle.h"

#include <string>

namespace vordalis {

FileHandle OpenFile(const std::filesystem::path& path, const char* mode) {
    // Modes are ASCII ("rb", "r+b", "wb").
    const std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
    return FileHandle(::_wfopen(path.c_str(), wide.c_str()));
}

} // namespace vordalis
