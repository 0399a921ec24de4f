#include "model/FileSystemCalls.h"

#include <cerrno>

namespace vordalis {

bool WriteAll(int fd, std::string_view bytes, const FileSystemCalls& calls) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = calls.write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) { // no progress and no reason: going on would never end
            errno = EIO;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace vordalis
