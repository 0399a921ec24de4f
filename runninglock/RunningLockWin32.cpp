#include "runninglock/RunningLock.h"

#include <windows.h>

namespace vordalis {
namespace {

constexpr const wchar_t* kMutexName = L"OndralinkRunning";

} // namespace

// The lock is the existence of the named mutex: the first program to create it holds it, and
// Windows removes it when the last handle closes, also when the holder crashes.
bool RunningLock::TryAcquire() {
    if (Held()) return true;
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, kMutexName);
    if (!mutex) return false;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    return true;
}

void RunningLock::Release() {
    if (!Held()) return;
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

bool RunningLock::IsHeld() {
    HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, kMutexName);
    if (!mutex) return false;
    ::CloseHandle(mutex);
    return true;
}

} // namespace vordalis
