#include "runninglock/RunningLock.h"

#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vordalis {
namespace {

int OpenLockFile() {
    const QString path = RunningLock::Path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

} // namespace

QString RunningLock::Path() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QString::fromLatin1(kName));
}

bool RunningLock::TryAcquire() {
    if (fd_ >= 0) return true;
    const int fd = OpenLockFile();
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void RunningLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
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
