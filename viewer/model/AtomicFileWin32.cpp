#include "io/FilePath.h"
#include "model/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace vordalis {

namespace {

namespace fs = std::filesystem;

// The errno of a failed Win32 call, so that every failure reads as on the C library's calls.
int ErrnoOf(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    default:
        return EIO;
    }
}

// mkstemp through the wide name: the last six X become letters until a new file is created.
int MakeTemporary(char* pattern) {
    const size_t n = std::strlen(pattern);
    if (n < 6 || std::strcmp(pattern + n - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return -1;
    }
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = n - 6; i < n; ++i) pattern[i] = kLetters[random() % (sizeof kLetters - 1)];
        int fd = -1;
        const errno_t e = ::_wsopen_s(&fd, PathFromUtf8(pattern).c_str(),
                                      _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                                      _S_IREAD | _S_IWRITE);
        if (e == 0) return fd;
        if (e != EEXIST) {
            errno = e;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

// A device or pipe (NUL, a console, a named pipe) is written in place: there is nothing to
// replace. Returns false for a file on a disk and for anything that does not open.
bool WriteToDevice(const fs::path& path, std::string_view bytes, bool& ok) {
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const DWORD type = ::GetFileType(h);
    if (type != FILE_TYPE_CHAR && type != FILE_TYPE_PIPE) {
        ::CloseHandle(h);
        return false;
    }
    ok = true;
    for (size_t done = 0; done < bytes.size();) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        if (!::WriteFile(h, bytes.data() + done, chunk, &n, nullptr) || n == 0) {
            errno = ErrnoOf(::GetLastError());
            ok = false;
            break;
        }
        done += n;
    }
    ::CloseHandle(h);
    return true;
}

} // namespace

const FileSystemCalls& RealFileSystemCalls() {
    static const FileSystemCalls calls{
        [](char* pattern) { return MakeTemporary(pattern); },
        // Windows keeps no owner, group and other bits: the new file takes the folder's
        // inherited access rights, as the file it replaces had them.
        [](int, mode_t) { return 0; },
        [](int fd, const void* data, size_t size) -> ssize_t {
            return ::_write(fd, data, static_cast<unsigned>(std::min<size_t>(size, INT_MAX)));
        },
        [](int fd) { return ::_commit(fd); },
        [](int fd) { return ::_close(fd); },
        // Replaces the old file in one step; write-through: the rename is on disk when it returns.
        [](const char* from, const char* to) {
            if (::MoveFileExW(PathFromUtf8(from).c_str(), PathFromUtf8(to).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return 0;
            errno = ErrnoOf(::GetLastError());
            return -1;
        },
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
    std::error_code ec;
    if (fs::is_symlink(PathFromUtf8(requested), ec)) {
        const fs::path real = fs::canonical(PathFromUtf8(requested), ec);
        if (!ec) path = Utf8FromPath(real);
    }
    bool deviceWritten = false;
    if (WriteToDevice(PathFromUtf8(path), bytes, deviceWritten))
        return deviceWritten || fail("cannot write " + requested);
    std::string tmp = path + ".XXXXXX";
    int fd = calls.mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a temporary file beside " + path);
    // From here on a failure removes the temporary file; the old file was never touched.
    auto discard = [&](const std::string& what, bool open) {
        int saved = errno;
        if (open) ::_close(fd);
        ::_wunlink(PathFromUtf8(tmp).c_str());
        errno = saved;
        return fail(what);
    };
    if (calls.fchmod(fd, _S_IREAD | _S_IWRITE) != 0)
        return discard("cannot set the permissions of " + path, true);
    if (!WriteAll(fd, bytes, calls)) return discard("cannot write " + path, true);
    if (calls.fsync(fd) != 0) return discard("cannot write " + path, true);
    // A failed close has still released the descriptor, but the data may not have arrived.
    if (calls.close(fd) != 0) return discard("cannot write " + path, false);
    if (calls.rename(tmp.c_str(), path.c_str()) != 0) return discard("cannot replace " + path, false);
    return true;
}

} // namespace vordalis
