#pragma once
// The system calls the all-or-nothing writer makes to create, fill and put a file in place.
// They sit behind one table so that a test can make any single one of them fail, as a full
// disk or a failing device would; the program itself always uses the real calls.
#include <functional>
#include <string_view>
#include <sys/types.h>

namespace vordalis {

struct FileSystemCalls {
    std::function<int(char* pattern)> mkstemp;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};

// The calls of the operating system (AtomicFilePosix.cpp, AtomicFileWin32.cpp).
const FileSystemCalls& RealFileSystemCalls();

// Writes all bytes through calls.write, going on after a short write or an interrupted call.
bool WriteAll(int fd, std::string_view bytes, const FileSystemCalls& calls);

} // namespace vordalis
