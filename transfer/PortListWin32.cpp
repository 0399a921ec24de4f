#include "transfer/PortList.h"

#include <cstdlib>

#include <windows.h>

namespace vordalis::transfer {
namespace {

constexpr int kHighestPort = 256;

std::string ComDevice(int number) {
    return "\\\\.\\COM" + std::to_string(number);
}

// VORDALIS_SERIAL_PORTS: device names separated by ';' (a Windows path holds ':').
std::vector<std::string> FromEnvironment(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t semicolon = text.find(';', start);
        out.push_back(
            text.substr(start, semicolon == std::string::npos ? std::string::npos : semicolon - start));
        if (semicolon == std::string::npos) return out;
        start = semicolon + 1;
    }
}

// COM1 up to the highest COM port the system has now (none: an empty list).
std::vector<std::string> ScanPorts() {
    int highest = 0;
    wchar_t target[512];
    for (int n = 1; n <= kHighestPort; ++n) {
        const std::wstring name = L"COM" + std::to_wstring(n);
        if (::QueryDosDeviceW(name.c_str(), target, sizeof target / sizeof target[0]) != 0) highest = n;
    }
    std::vector<std::string> out;
    for (int n = 1; n <= highest; ++n) out.push_back(ComDevice(n));
    return out;
}

} // namespace

std::vector<std::string> SerialPortList() {
    if (const char* env = std::getenv("VORDALIS_SERIAL_PORTS")) return FromEnvironment(env);
    return ScanPorts();
}

// COM number k is the port \\.\COMk, whether it is there now or not (a USB adapter plugged in
// later keeps its number); a list from the environment names the devices itself.
std::string SerialDevice(int portIndex) {
    if (std::getenv("VORDALIS_SERIAL_PORTS")) return DeviceAt(SerialPortList(), portIndex);
    return portIndex >= 0 && portIndex < kHighestPort ? ComDevice(portIndex + 1) : std::string{};
}

} // namespace vordalis::transfer
