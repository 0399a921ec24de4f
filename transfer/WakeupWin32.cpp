#include "transfer/Wakeup.h"

#include <mutex>
#include <vector>

#include <windows.h>

namespace vordalis::transfer {
namespace {

// The Windows wakeup is a manual-reset event. The waits take an int as on Linux, so the event is
// known by its number in this table; a number is never reused, so a stale one wakes nothing.
std::mutex g_mutex;
std::vector<HANDLE> g_events;

HANDLE EventOf(int id) {
    std::lock_guard lock(g_mutex);
    return id >= 0 && id < static_cast<int>(g_events.size()) ? g_events[id] : nullptr;
}

} // namespace

Wakeup::Wakeup() {
    HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event) return;
    std::lock_guard lock(g_mutex);
    g_events.push_back(event);
    read_ = static_cast<int>(g_events.size()) - 1;
}

Wakeup::~Wakeup() {
    if (read_ < 0) return;
    std::lock_guard lock(g_mutex);
    ::CloseHandle(g_events[read_]);
    g_events[read_] = nullptr;
}

// SetEvent is safe from a console control handler (Ctrl+C), which runs on a thread of its own.
void Wakeup::Signal() {
    if (HANDLE event = EventOf(read_)) ::SetEvent(event);
}

void Wakeup::Clear() {
    if (HANDLE event = EventOf(read_)) ::ResetEvent(event);
}

WaitResult WaitForWakeup(int wakeFd, int timeoutMs) {
    const DWORD ms = timeoutMs > 0 ? static_cast<DWORD>(timeoutMs) : 0;
    HANDLE event = EventOf(wakeFd);
    if (!event) {
        ::Sleep(ms);
        return WaitResult::Timeout;
    }
    return ::WaitForSingleObject(event, ms) == WAIT_OBJECT_0 ? WaitResult::Woken : WaitResult::Timeout;
}

} // namespace vordalis::transfer
