#include "transfer/SerialPort.h"

#include "transfer/LineSpeed.h"
#include "transfer/PortList.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vordalis::transfer {
namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for input; false on time-out or when the device is gone.
bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR) continue;
        return r > 0 && (p.revents & POLLIN);
    }
}

} // namespace

int OpenExclusiveTerminal(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    termios probe{};
    if (::tcgetattr(fd, &probe) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool SerialPort::Open(int portIndex, const std::string& device, const LineSettings& line) {
    if (portIndex < 0 || portIndex > 255 || fd_ >= 0 || device.empty()) return false;
    const int fd = OpenExclusiveTerminal(device);
    if (fd < 0) return false;
    fd_ = fd;
    portIndex_ = portIndex;
    baud_ = line.baud;
    line_ = line;
    if (!Configure()) {
        CloseHandle();
        return false;
    }
    PurgeInput();
    readTimeout_ = 500;
    timeoutChanges_ = 0;
    SetWriteTimeouts();
    return true;
}

bool SerialPort::Configure() {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~HUPCL; // keep DTR when the port closes
    if (line_.dataBits >= 5 && line_.dataBits <= 8) {
        static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
        tio.c_cflag = (tio.c_cflag & ~CSIZE) | kSizes[line_.dataBits - 5];
    } else {
        line_.dataBits = 8; // 16 data bits do not exist here
        tio.c_cflag = (tio.c_cflag & ~CSIZE) | CS8;
    }
    tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    tio.c_iflag &= ~(INPCK | IGNPAR | PARMRK);
    if (line_.parity != Parity::None) {
        tio.c_cflag |= PARENB;
        if (line_.parity == Parity::Odd) tio.c_cflag |= PARODD;
        if (line_.parity == Parity::Mark) tio.c_cflag |= CMSPAR | PARODD;
        if (!line_.passParityErrors) tio.c_iflag |= INPCK;
    }
    if (line_.stopBits != StopBits::One)
        tio.c_cflag |= CSTOPB;
    else
        tio.c_cflag &= ~CSTOPB;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (line_.handshake == Handshake::RtsCts)
        tio.c_cflag |= CRTSCTS;
    else
        tio.c_cflag &= ~CRTSCTS;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return false;
    if (baud_ > 0 && !SetLineSpeed(fd_, baud_)) return false;
    // DTR and RTS on (a pseudo-terminal has no modem lines; that is not an error).
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIS, &lines);
    return true;
}

void SerialPort::SetWriteTimeouts() {
    if (baud_ > 0) {
        writeMultiplier_ = std::min(100000 / baud_, 10);
        writeConstant_ = std::min(10000000 / baud_, 1000);
    } else {
        writeMultiplier_ = writeConstant_ = 10;
    }
}

int SerialPort::SetBaud(int baud) {
    if (fd_ < 0) return 0;
    if (baud == baud_) return baud_;
    if (baud <= 0 || !SetLineSpeed(fd_, baud)) return 0;
    baud_ = baud;
    SetWriteTimeouts();
    return baud_;
}

void SerialPort::SetReadTimeout(int timeoutMs) {
    if (timeoutMs != readTimeout_) {
        readTimeout_ = timeoutMs;
        ++timeoutChanges_;
    }
}

int SerialPort::ReadByte(int timeoutMs) {
    if (fd_ < 0) return -1;
    SetReadTimeout(timeoutMs);
    const auto deadline = Clock::now() + std::chrono::milliseconds(readTimeout_);
    for (;;) {
        uint8_t byte;
        const ssize_t r = ::read(fd_, &byte, 1);
        if (r == 1) return byte;
        if (r < 0 && errno != EAGAIN && errno != EINTR) return -1; // device gone
        const int left = MsLeft(deadline);
        if (left <= 0 || !WaitReadable(fd_, left)) return -1;
    }
}

int SerialPort::ReadBlock(uint8_t* buffer, int count, int timeoutMs) {
    if (fd_ < 0) return -1;
    SetReadTimeout(timeoutMs);
    const auto deadline = Clock::now() + std::chrono::milliseconds(readTimeout_);
    int got = 0;
    while (got < count) {
        const ssize_t r = ::read(fd_, buffer + got, count - got);
        if (r > 0) {
            got += static_cast<int>(r);
            continue;
        }
        if (r < 0 && errno != EAGAIN && errno != EINTR) return got > 0 ? got : -1;
        const int left = MsLeft(deadline);
        if (left <= 0 || !WaitReadable(fd_, left)) break;
    }
    return got;
}

bool SerialPort::WriteByte(int value) {
    if (fd_ < 0) return false;
    const uint8_t byte = static_cast<uint8_t>(value);
    const auto deadline = Clock::now() + std::chrono::milliseconds(writeConstant_ + writeMultiplier_);
    for (;;) {
        const ssize_t r = ::write(fd_, &byte, 1);
        if (r == 1) return true;
        if (r < 0 && errno != EAGAIN && errno != EINTR) return false;
        pollfd p{fd_, POLLOUT, 0};
        const int left = MsLeft(deadline);
        if (left <= 0 || ::poll(&p, 1, left) <= 0) return false;
    }
}

void SerialPort::PurgeInput() {
    if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

int SerialPort::BytesWaiting() const {
    int n = 0;
    if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &n) != 0) return 0;
    return n;
}

WaitResult SerialPort::WaitForInput(int timeoutMs, int wakeFd) {
    if (fd_ < 0) return WaitForWakeup(wakeFd, timeoutMs);
    if (BytesWaiting() > 0) return WaitResult::Data;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const int left = static_cast<int>(std::max<long long>(
            0, std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count()));
        if (left <= 0) return WaitResult::Timeout;
        pollfd p[2] = {{fd_, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        const int r = ::poll(p, wakeFd >= 0 ? 2 : 1, left);
        if (r < 0 && errno == EINTR) return WaitResult::Woken; // a signal: let the caller look
        if (r < 0) return WaitForWakeup(wakeFd, left);
        if (r == 0) return WaitResult::Timeout;
        if (wakeFd >= 0 && (p[1].revents & POLLIN)) return WaitResult::Woken;
        if (BytesWaiting() > 0) return WaitResult::Data;
        // Readable without bytes: the other side hung up. Nothing will arrive; sleep it out.
        if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL | POLLIN)) return WaitForWakeup(wakeFd, left);
    }
}

void SerialPort::CloseHandle() {
    if (fd_ >= 0) {
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_); // also releases the advisory lock
        fd_ = -1;
    }
    baud_ = 0;
}

} // namespace vordalis::transfer
