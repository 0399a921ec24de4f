#include "AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vordalis {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& requested, std::string_view bytes, std::string* error) {
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
        if (!WriteAll(fd, bytes)) {
            int saved = errno;
            ::close(fd);
            errno = saved;
            return fail("cannot write " + requested);
        }
        if (::close(fd) != 0) return fail("cannot write " + requested);
        return true;
    }
    std::string tmp = path + ".XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a temporary file beside " + path);
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        fchmod(fd, st.st_mode & 07777);
    else {
        mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    if (!WriteAll(fd, bytes)) {
        int saved = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        errno = saved;
        return fail("cannot write " + path);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        return fail("cannot write " + path);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        return fail("cannot replace " + path);
    }
    return true;
}

} // namespace vordalis
