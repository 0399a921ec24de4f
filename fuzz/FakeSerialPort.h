#pragma once
// A stand-in for the serial port, linked instead of transfer/SerialPort.cpp: port 0 (COM1)
// opens, and everything it reads comes from a script of what the instrument sends (prompts,
// echoes, answers, then an object's bytes). When the script is used up every read times out
// at once, so a fuzzer never waits. What the program sends is not checked.
#include <string_view>

namespace vordalis::fuzz {

void SetFakeLine(std::string_view script);

} // namespace vordalis::fuzz
