#include "runninglock/RunningLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vordalis {
namespace {

// The user's runtime folder, or a folder of the user's own in the temporary folder. A folder
// there that belongs to someone else, or is a link, is not used: whoever made it could hold
// or drop the lock for this user.
std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return runtime;
    std::error_code ec;
    std::string folder = std::filesystem::temp_directory_path(ec).string();
    if (ec) folder = "/tmp";
    folder += "/runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return {};
    return folder;
}

int OpenLockFile() {
    const std::string folder = LockFolder();
    if (folder.empty()) return -1;
    const std::string path = folder + "/" + RunningLock::kName;
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

} // namespace

bool RunningLock::TryAcquire() {
    if (Held()) return true;
    const int fd = OpenLockFile();
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

void RunningLock::Release() {
    if (!Held()) return;
    const int fd = static_cast<int>(handle_);
    ::flock(fd, LOCK_UN);
    ::close(fd);
    handle_ = kNone;
}

bool RunningLock::IsHeld() {
    const int fd = OpenLockFile();
    if (fd < 0) return false;
    // Each open file takes the lock on its own, so a holder in this process counts as well.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

} // namespace vordalis
