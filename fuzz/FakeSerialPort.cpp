#include "fuzz/FakeSerialPort.h"

#include "transfer/SerialPort.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vordalis::fuzz {
namespace {
std::string g_script;
size_t g_read = 0;
} // namespace

void SetFakeLine(std::string_view script) {
    g_script.assign(script);
    g_read = 0;
}

} // namespace vordalis::fuzz

namespace vordalis::transfer {
using fuzz::g_read;
using fuzz::g_script;

bool SerialPort::Open(int portIndex, const std::string&, const LineSettings& line) {
    if (portIndex != 0 || fd_ >= 0) return false;
    fd_ = 0;
    portIndex_ = portIndex;
    baud_ = line.baud;
    line_ = line;
    return true;
}

int SerialPort::SetBaud(int baud) {
    if (fd_ < 0 || baud <= 0) return 0;
    baud_ = baud;
    return baud_;
}

int SerialPort::ReadByte(int) {
    if (fd_ < 0 || g_read >= g_script.size()) return -1;
    return static_cast<uint8_t>(g_script[g_read++]);
}

int SerialPort::ReadBlock(uint8_t* buffer, int count, int) {
    if (fd_ < 0) return -1;
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), g_script.size() - g_read);
    std::memcpy(buffer, g_script.data() + g_read, n);
    g_read += n;
    return static_cast<int>(n);
}

bool SerialPort::WriteByte(int) {
    return fd_ >= 0;
}

// The script is what arrives over time; nothing of it is waiting to be thrown away.
void SerialPort::PurgeInput() {}

int SerialPort::BytesWaiting() const {
    return fd_ >= 0 ? static_cast<int>(g_script.size() - g_read) : 0;
}

// Data is there while the script lasts; after it, the wait ends at once as if it had timed out.
WaitResult SerialPort::WaitForInput(int, int) {
    return fd_ >= 0 && g_read < g_script.size() ? WaitResult::Data : WaitResult::Timeout;
}

void SerialPort::CloseHandle() {
    fd_ = -1;
    baud_ = 0;
}

} // namespace vordalis::transfer
