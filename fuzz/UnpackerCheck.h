#pragma once
// The unpacker's promise, checked on any stream: what comes out, and the state it ends in, do
// not depend on how the stream was cut into chunks or how small the output blocks are.
#include <string>
#include <string_view>

namespace vordalis::fuzz {

// The first input byte chooses raw mode (bit 0) and the cutting (the rest); the others are the
// stream. Empty when every cutting agrees with the stream decoded whole, else the difference.
std::string CheckUnpacker(std::string_view input);

} // namespace vordalis::fuzz
