#pragma once
// "OndralinkRunning": the advisory lock either transfer program holds while it runs, so a
// second start of either program only beeps and ends, and the viewer refuses its transfer
// commands meanwhile. It is a flock on a file in the user's runtime folder; the system drops
// it when the holder ends, also when it crashes.
#include <QString>

namespace vordalis {

class RunningLock {
public:
    static constexpr const char* kName = "OndralinkRunning";

    RunningLock() = default;
    ~RunningLock() { Release(); }
    RunningLock(const RunningLock&) = delete;
    RunningLock& operator=(const RunningLock&) = delete;

    // Takes the lock; false when another holder has it (or the file cannot be made).
    bool TryAcquire();
    void Release();
    bool Held() const { return fd_ >= 0; }

    // The lock file in the user's runtime folder.
    static QString Path();
    // Whether some program (this one included) holds the lock now.
    static bool IsHeld();

private:
    int fd_ = -1;
};

} // namespace vordalis
