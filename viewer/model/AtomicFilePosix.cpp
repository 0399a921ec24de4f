#include "model/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

bool WriteFileAtomically(const std::string& requested, std::string_view bytes, std::string* error,
                         const FileSystemCalls& calls) {
    auto fail = [&](const std::string& what) {
        if (error) *error = what + ": " + std::strerror(errno);
        return false;
    };
    // A link is followed, so that the file it names is replaced and the link itself stays.
    std::string path = requested;
    struct stat link {};
    if (::lstat(requested.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = ::realpath(requested.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    // A device or pipe (a terminal, /dev/null, a named pipe) is written in place: there is no
    // file to replace, and renaming over it would remove it.
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode) && !S_ISDIR(target.st_mode)) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return fail("cannot open " + requested);
        if (!WriteAll(fd, bytes, calls)) {
            int saved = errno;
            ::close(fd);
            errno = saved;
            return fail("cannot write " + requested);
        }
        if (::close(fd) != 0) return fail("cannot write " + requested);
        return true;
    }
    std::string tmp = path + ".XXXXXX";
    int fd = calls.mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a temporary file beside " + path);
    // From here on a failure removes the temporary file; the old file was never touched.
    auto discard = [&](const std::string& what, bool open) {
        int saved = errno;
        if (open) ::close(fd);
        ::unlink(tmp.c_str());
        errno = saved;
        return fail(what);
    };
    // Keep the permissions of the file being replaced, or the usual ones for a new file; a
    // replacement that silently became private (mkstemp's 0600) would lock others out.
    struct stat st {};
    mode_t mode;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (calls.fchmod(fd, mode) != 0) return discard("cannot set the permissions of " + path, true);
    if (!WriteAll(fd, bytes, calls)) return discard("cannot write " + path, true);
    if (calls.fsync(fd) != 0) return discard("cannot write " + path, true);
    // A failed close has still released the descriptor, but the data may not have arrived.
    if (calls.close(fd) != 0) return discard("cannot write " + path, false);
    if (calls.rename(tmp.c_str(), path.c_str()) != 0) return discard("cannot replace " + path, false);
    return true;
}

} // namespace vordalis
