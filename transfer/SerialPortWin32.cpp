#include "transfer/SerialPort.h"

#include "transfer/PortList.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vordalis::transfer {
namespace {

using Clock = std::chrono::steady_clock;

// How long a wait sleeps between looks at the input queue. Reads never block in the driver
// (see SetReadTimeouts), so every time-out is measured here, on the steady clock.
constexpr int kPollMs = 2;

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::wstring Wide(const std::string& utf8) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// The errno the POSIX port gives for the same failure: a port another program holds reads as
// EWOULDBLOCK (Windows reports it as access denied).
int ErrnoOfOpen(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EWOULDBLOCK;
    default:
        return EIO;
    }
}

// A read takes what is in the driver's queue and returns at once: ReadIntervalTimeout MAXDWORD
// with both read totals 0 is the one read time-out mode every driver (and Wine) implements alike.
// Writes may take their per-byte and constant time.
bool SetTimeouts(HANDLE h, int writeMultiplier, int writeConstant) {
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = MAXDWORD;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = 0;
    t.WriteTotalTimeoutMultiplier = static_cast<DWORD>(writeMultiplier);
    t.WriteTotalTimeoutConstant = static_cast<DWORD>(writeConstant);
    return ::SetCommTimeouts(h, &t) != 0;
}

// Bytes read at once (0 when none are waiting); -1 when the port failed.
int ReadNow(HANDLE h, uint8_t* buffer, int count) {
    DWORD got = 0;
    if (!::ReadFile(h, buffer, static_cast<DWORD>(count), &got, nullptr)) return -1;
    return static_cast<int>(got);
}

} // namespace

int OpenExclusiveTerminal(const std::string& device) {
    // No sharing: while this handle is open no other program opens the port.
    HANDLE h = ::CreateFileW(Wide(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errno = ErrnoOfOpen(::GetLastError());
        return -1;
    }
    // A serial device has time-outs. Its state (GetCommState) is no test: Wine cannot read the
    // state of a line another program left at a rate outside the standard list.
    COMMTIMEOUTS timeouts{};
    if (!::GetCommTimeouts(h, &timeouts)) {
        ::CloseHandle(h);
        errno = ENOTTY;
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(h);
        errno = EMFILE;
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
    // The queue sizes the transfer always asked for; a driver that keeps its own is no error.
    ::SetupComm(HandleOf(fd_), 10000, 256);
    SetWriteTimeouts();
    if (!Configure() || !SetTimeouts(HandleOf(fd_), writeMultiplier_, writeConstant_)) {
        CloseHandle();
        return false;
    }
    PurgeInput();
    readTimeout_ = 500;
    timeoutChanges_ = 0;
    return true;
}

bool SerialPort::Configure() {
    HANDLE h = HandleOf(fd_);
    // The whole state is set, none of it read first: what the last program left on the line
    // does not matter (and Wine may not be able to read it, see OpenExclusiveTerminal).
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = baud_ > 0 ? static_cast<DWORD>(baud_) : CBR_9600;
    dcb.fBinary = TRUE;
    if (line_.dataBits < 5 || line_.dataBits > 8) line_.dataBits = 8; // 16 data bits do not exist here
    dcb.ByteSize = static_cast<BYTE>(line_.dataBits);
    static const BYTE kParities[] = {NOPARITY, ODDPARITY, EVENPARITY, MARKPARITY};
    dcb.Parity = kParities[static_cast<int>(line_.parity)];
    dcb.fParity = line_.parity != Parity::None;
    // A byte with a parity error is read as 0 unless such bytes are to pass as they are.
    dcb.fErrorChar = line_.parity != Parity::None && !line_.passParityErrors;
    dcb.ErrorChar = 0;
    // One and a half stop bits exist only with five data bits; as on Linux, both mean two.
    dcb.StopBits = line_.stopBits == StopBits::One ? ONESTOPBIT : TWOSTOPBITS;
    dcb.fOutX = dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    // DSR/DTR handshake runs as none, as on Linux.
    const bool rtsCts = line_.handshake == Handshake::RtsCts;
    dcb.fOutxCtsFlow = rtsCts;
    dcb.fRtsControl = rtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    dcb.XonLim = dcb.XoffLim = 0;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return ::SetCommState(h, &dcb) != 0;
}

void SerialPort::SetWriteTimeouts() {
    if (baud_ > 0) {
        writeMultiplier_ = std::min(100000 / baud_, 10);
        writeConstant_ = std::min(10000000 / baud_, 1000);
    } else {
        writeMultiplier_ = writeConstant_ = 10;
    }
    if (fd_ >= 0) SetTimeouts(HandleOf(fd_), writeMultiplier_, writeConstant_);
}

// The rate is set with the rest of the line's state: reading the state to change the rate alone
// fails under Wine once the line runs at a rate outside the standard list (28800, 23040).
int SerialPort::SetBaud(int baud) {
    if (fd_ < 0) return 0;
    if (baud == baud_) return baud_;
    if (baud <= 0) return 0;
    const int old = baud_;
    baud_ = baud;
    if (!Configure()) {
        baud_ = old;
        return 0;
    }
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
    uint8_t byte;
    return ReadBlock(&byte, 1, timeoutMs) == 1 ? byte : -1;
}

int SerialPort::ReadBlock(uint8_t* buffer, int count, int timeoutMs) {
    if (fd_ < 0) return -1;
    SetReadTimeout(timeoutMs);
    const auto deadline = Clock::now() + std::chrono::milliseconds(readTimeout_);
    HANDLE h = HandleOf(fd_);
    int got = 0;
    while (got < count) {
        const int r = ReadNow(h, buffer + got, count - got);
        if (r < 0) return got > 0 ? got : -1; // device gone
        got += r;
        if (got == count) break;
        const int left = MsLeft(deadline);
        if (left <= 0) break;
        if (r == 0) ::Sleep(static_cast<DWORD>(std::min(left, kPollMs)));
    }
    return got;
}

bool SerialPort::WriteByte(int value) {
    if (fd_ < 0) return false;
    const uint8_t byte = static_cast<uint8_t>(value);
    DWORD written = 0;
    // The write time-outs set with the line speed bound how long the driver may take.
    return ::WriteFile(HandleOf(fd_), &byte, 1, &written, nullptr) && written == 1;
}

void SerialPort::PurgeInput() {
    if (fd_ >= 0) ::PurgeComm(HandleOf(fd_), PURGE_RXCLEAR | PURGE_RXABORT);
}

int SerialPort::BytesWaiting() const {
    DWORD errors = 0;
    COMSTAT status{};
    if (fd_ < 0 || !::ClearCommError(HandleOf(fd_), &errors, &status)) return 0;
    return static_cast<int>(status.cbInQue);
}

WaitResult SerialPort::WaitForInput(int timeoutMs, int wakeFd) {
    if (fd_ < 0) return WaitForWakeup(wakeFd, timeoutMs);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (BytesWaiting() > 0) return WaitResult::Data;
        const int left = MsLeft(deadline);
        if (left <= 0) return WaitResult::Timeout;
        // The wakeup's event ends the pause at once.
        if (WaitForWakeup(wakeFd, std::min(left, kPollMs)) == WaitResult::Woken) return WaitResult::Woken;
    }
}

void SerialPort::CloseHandle() {
    if (fd_ >= 0) {
        ::_close(fd_); // closes the port's handle, which ends the exclusive hold
        fd_ = -1;
    }
    baud_ = 0;
}

} // namespace vordalis::transfer
