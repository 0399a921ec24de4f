#include "io/FileHandle.h"
#include "io/FilePath.h"
#include "model/FileProblem.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vordalis {

std::string FileReadProblem(const std::string& path) {
    // A folder cannot be opened as a file here, but only "Permission denied" would say so.
    const std::filesystem::path p = PathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(p, ec)) return std::strerror(EISDIR);
    if (!OpenFile(p, "rb")) return std::strerror(errno);
    return {};
}

} // namespace vordalis
