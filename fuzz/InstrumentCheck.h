#pragma once
// The transfer library against whatever an instrument answers: identification, link set-up,
// the folder listing, and saving every listed object, driven as vordalis-transfer get --all
// does, over the fake port (FakeSerialPort). Nothing may be written outside the output folder.
#include <string>
#include <string_view>

namespace vordalis::fuzz {

// script: the bytes the instrument sends. scratch: an existing, otherwise empty folder; the
// objects are saved in scratch/a/b/out. Empty when nothing appeared outside that folder.
std::string CheckInstrument(std::string_view script, const std::string& scratch);

} // namespace vordalis::fuzz
