#include "model/FileSystemCalls.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vordalis {

const FileSystemCalls& RealFileSystemCalls() {
    static const FileSystemCalls calls{
        [](char* pattern) { return ::mkstemp(pattern); },
        [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
        [](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return std::rename(from, to); },
    };
    return calls;
}

} // namespace vordalis
