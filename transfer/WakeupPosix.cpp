#include "transfer/Wakeup.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vordalis::transfer {

Wakeup::Wakeup() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        read_ = fds[0];
        write_ = fds[1];
    }
}

Wakeup::~Wakeup() {
    if (read_ >= 0) ::close(read_);
    if (write_ >= 0) ::close(write_);
}

void Wakeup::Signal() {
    if (write_ < 0) return;
    const char byte = 1;
    // A full pipe already wakes the waiter.
    [[maybe_unused]] const ssize_t r = ::write(write_, &byte, 1);
}

void Wakeup::Clear() {
    char buffer[64];
    while (read_ >= 0 && ::read(read_, buffer, sizeof buffer) > 0) {
    }
}

WaitResult WaitForWakeup(int wakeFd, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return WaitResult::Timeout;
        pollfd p{wakeFd, POLLIN, 0};
        const int r = ::poll(&p, wakeFd >= 0 ? 1 : 0, static_cast<int>(left));
        if (r > 0) return WaitResult::Woken;
        if (r < 0 && errno != EINTR) return WaitResult::Timeout;
        if (r < 0) return WaitResult::Woken; // a signal arrived (Ctrl+C): let the caller look
    }
}

} // namespace vordalis::transfer
