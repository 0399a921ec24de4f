#pragma once
// Which device stands for COM number k: the k-th entry (1-based) of the port list. The list
// is VORDALIS_SERIAL_PORTS (device paths separated by ':') when set, else the system's serial
// devices in a stable order: /dev/ttyUSB*, /dev/ttyACM*, /dev/rfcomm*, then the /dev/ttyS*
// that have a real UART behind them.
#include <string>
#include <vector>

namespace vordalis::transfer {

std::vector<std::string> SerialPortList();

// The device of a 0-based port index; empty when the index lies past the list.
std::string SerialDevice(int portIndex);

// devices[portIndex], or empty when the index lies outside the list.
inline std::string DeviceAt(const std::vector<std::string>& devices, int portIndex) {
    return portIndex >= 0 && portIndex < static_cast<int>(devices.size()) ? devices[portIndex]
                                                                          : std::string{};
}

} // namespace vordalis::transfer
