#pragma once
// "OndralinkRunning": the lock either transfer program holds while it runs, so a second start of
// either program only beeps and ends, and the viewer refuses its transfer commands meanwhile.
// The system drops it when the holder ends, also when it crashes: on Linux it is a flock on a
// file in the user's runtime folder, on Windows a named mutex.
#include <cstdint>

namespace vordalis {

class RunningLock {
public:
    static constexpr const char* kName = "OndralinkRunning";

    RunningLock() = default;
    ~RunningLock() { Release(); }
    RunningLock(const RunningLock&) = delete;
    RunningLock& operator=(const RunningLock&) = delete;

    // Takes the lock; false when another holder has it (or the lock cannot be made).
    bool TryAcquire();
    void Release();
    bool Held() const { return handle_ != kNone; }

    // Whether some program (this one included) holds the lock now.
    static bool IsHeld();

private:
    static constexpr std::intptr_t kNone = -1;
    // The open lock file's descriptor, or the mutex handle.
    std::intptr_t handle_ = kNone;
};

} // namespace vordalis
