#pragma once
// What to tell the user when a port cannot be opened or holds no instrument: the device behind
// the COM number and the system's reason.
#include <string>
#include <vector>

namespace transfer_tool {

// Lines (without the program's prefix) explaining why the port of portIndex, one of devices,
// cannot be opened: "/dev/ttyUSB0: Permission denied" and, for missing permission, how to get it.
std::vector<std::string> PortOpenProblem(const std::vector<std::string>& devices, int portIndex);

// message with device named in it: "No Vernoskant 5 at COM1 (/dev/pts/4)."
std::string WithDevice(const std::string& message, const std::string& device);

} // namespace transfer_tool
