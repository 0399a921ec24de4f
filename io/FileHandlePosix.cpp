#include "io/FileHandle.h"

namespace vordalis {

FileHandle OpenFile(const std::filesystem::path& path, const char* mode) {
    return FileHandle(std::fopen(path.c_str(), mode));
}

} // namespace vordalis
