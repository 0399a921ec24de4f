#include "tools/transfer/PortProblem.h"

#include "transfer/PortList.h"
#include "transfer/SerialPort.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace transfer_tool {

using namespace vordalis::transfer;

std::vector<std::string> PortOpenProblem(const std::vector<std::string>& devices, int portIndex) {
    const std::string device = DeviceAt(devices, portIndex);
    if (device.empty()) {
        const size_t n = SerialPortList().size();
        return {"there is no serial device for COM" + std::to_string(portIndex + 1) + " (" +
                (n == 0 ? std::string("no serial ports found") : std::to_string(n) + " in the port list") +
                ")"};
    }
    // Open it once more to learn why the engine could not.
    const int fd = OpenExclusiveTerminal(device);
    if (fd >= 0) {
        ::close(fd);
        return {device + ": could not be opened"};
    }
    const int error = errno;
    if (error == EWOULDBLOCK || error == EBUSY) return {device + ": in use by another program"};
    if (error == ENOTTY) return {device + ": not a serial device"};
    std::vector<std::string> lines{device + ": " + std::strerror(error)};
    if (error == EACCES || error == EPERM)
        lines.push_back("serial ports belong to the group dialout: add yourself with "
                        "'sudo usermod -aG dialout $USER', then log in again");
    return lines;
}

std::string WithDevice(const std::string& message, const std::string& device) {
    if (device.empty()) return message;
    const std::string named = " (" + device + ")";
    // The English, French and German texts end in a full stop; the name goes before it.
    if (!message.empty() && message.back() == '.') return message.substr(0, message.size() - 1) + named + ".";
    return message + named;
}

} // namespace transfer_tool
