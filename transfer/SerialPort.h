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

enum class Parity { None, Odd, Even, Mark };
enum class StopBits { One, OneAndHalf, Two };
// DSR/DTR handshake has no counterpart on a terminal device: it runs as None.
enum class Handshake { None, DsrDtr, RtsCts };

// How the line runs. The defaults are the instruments' line: 9600 baud, 8 data bits, no
// parity, one stop bit, no handshake.
struct LineSettings {
    int baud = 9600;
    int dataBits = 8; // 5 to 8; anything else runs as 8
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    Handshake handshake = Handshake::None;
    // With parity on, a byte with a parity error is read as 0 unless this is set; then it
    // passes as is.
    bool passParityErrors = true;
};

class SerialPort {
public:
    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort() { CloseHandle(); }

    // Opens device as the port of index portIndex (0 is COM1); false for an empty device.
    bool Open(int portIndex, const std::string& device, const LineSettings& line = {});
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
    LineSettings line_;
    int readTimeout_ = 0;
    int writeMultiplier_ = 10, writeConstant_ = 10;
    int timeoutChanges_ = 0;
};

} // namespace vordalis::transfer
