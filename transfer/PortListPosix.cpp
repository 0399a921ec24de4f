#include "transfer/PortList.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vordalis::transfer {
namespace {

// Devices named prefix + number, in numeric order.
std::vector<std::string> Numbered(const std::string& prefix) {
    std::vector<std::pair<long, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size()) continue;
        const std::string digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
        found.emplace_back(std::stol(digits), entry.path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> out;
    for (auto& f : found) out.push_back(f.second);
    return out;
}

bool HasUart(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    serial_struct info{};
    const bool real = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return real;
}

std::vector<std::string> ScanPorts();
std::vector<std::string> FromEnvironment(const char* env);

} // namespace

std::vector<std::string> SerialPortList() {
    if (const char* env = std::getenv("VORDALIS_SERIAL_PORTS")) return FromEnvironment(env);
    // Looked up once per process: the programs open their ports once, at start.
    static const std::vector<std::string> list = ScanPorts();
    return list;
}

namespace {
std::vector<std::string> FromEnvironment(const char* env) {
    std::vector<std::string> out;
    const std::string text = env;
    size_t start = 0;
    for (;;) {
        const size_t colon = text.find(':', start);
        out.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos) return out;
        start = colon + 1;
    }
}

std::vector<std::string> ScanPorts() {
    std::vector<std::string> out;
    for (const char* prefix : {"ttyUSB", "ttyACM", "rfcomm"}) {
        auto devices = Numbered(prefix);
        out.insert(out.end(), devices.begin(), devices.end());
    }
    for (const std::string& device : Numbered("ttyS"))
        if (HasUart(device)) out.push_back(device);
    return out;
}
} // namespace

std::string SerialDevice(int portIndex) {
    return DeviceAt(SerialPortList(), portIndex);
}

} // namespace vordalis::transfer
