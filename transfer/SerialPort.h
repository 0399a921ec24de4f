#pragma once
// One serial port on a terminal device: opened exclusively (TIOCEXCL and an advisory lock,
// so a port another program holds fails to open), raw mode, reads with time-outs in ms.
// Works on real ports and on pseudo-terminals.
#include "transfer/Wakeup.h"

#include <cstdint>
#include <string>

namespace vordalis::transfer {

// Opens a terminal device as a serial port is opened: read-write, no controlling terminal,
// non-blocking, exclusive (an advisory lock and TIOCEXCL). The descriptor, or -1 with errno
// saying why (EWOULDBLOCK: another program holds it; ENOTTY: not a terminal device).
int OpenExclusiveTerminal(const std::string& device);

class SerialPort {
public:
    // handshake bits: 0 no error-character replacement, 2 DSR/DTR handshake, 3 RTS/CTS.
    static constexpr int kNoErrorChar = 1;
    static constexpr int kDsrDtr = 4;
    static constexpr int kRtsCts = 8;

    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort() { CloseHandle(); }

    bool Open(int portIndex, int baud, int dataBits, int parity, int stopBits, int handshake,
              int rxQueueWanted);
    int SetBaud(int baud); // the rate now in effect; 0 when it could not be set
    int ReadByte(int timeoutMs);
    int ReadBlock(uint8_t* buffer, int count, int timeoutMs);
    bool WriteByte(int value);
    void PurgeInput();
    int BytesWaiting() const;
    // Waits up to timeoutMs until bytes are waiting or wakeFd (-1: none) becomes readable.
    // A device that hung up has nothing more to say: the wait then runs its full length.
    WaitResult WaitForInput(int timeoutMs, int wakeFd);
    void CloseHandle();

    bool IsOpen() const { return fd_ >= 0; }
    int PortIndex() const { return portIndex_; }
    int Baud() const { return baud_; }
    int ReadTimeout() const { return readTimeout_; }
    int WriteTimeoutPerByte() const { return writeMultiplier_; }
    int WriteTimeoutConstant() const { return writeConstant_; }
    // How often the read time-out was reprogrammed since the port opened.
    int TimeoutChanges() const { return timeoutChanges_; }

private:
    bool Configure();
    void SetReadTimeout(int timeoutMs);
    void SetWriteTimeouts();

    int fd_ = -1;
    int portIndex_ = 256;
    int baud_ = 0;
    int dataBits_ = 8;
    int parity_ = 0;   // 0 none, 1 odd, 2 even, 3 mark
    int stopBits_ = 0; // 0 one, 1 one and a half, 2 two
    int handshake_ = 1;
    int maxBaud_ = 0;
    int txQueue_ = 0, rxQueue_ = 0;
    int readTimeout_ = 0;
    int writeMultiplier_ = 10, writeConstant_ = 10;
    int timeoutChanges_ = 0;
};

} // namespace vordalis::transfer
