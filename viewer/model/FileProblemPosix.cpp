#include "model/FileProblem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vordalis {

std::string FileReadProblem(const std::string& path) {
    // A folder opens for reading here, and only its first read fails: ask first.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return std::strerror(EISDIR);
    // Non-blocking, so that a pipe without a writer does not hold us up.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    return {};
}

} // namespace vordalis
