#pragma once
// The instrument's packed transmission of an object: header 0xC1, end marker, option bits
// and four frequent characters; then half-byte tokens (figures 0-9, the four characters as
// 10-13, back-references 14 L M repeating the last L produced characters M times, literals
// 15 followed by the byte's two halves), the end marker, five checksum figures of the byte
// sum and 0x0E. Halves are sent low first.
#include <cstdint>
#include <optional>
#include <vector>

namespace instrument_sim {

struct PackOptions {
    bool backReferences = true;
    bool corruptChecksum = false; // a fault the simulator can play
};

// Empty when the object uses all 256 byte values (no end marker is free).
std::optional<std::vector<uint8_t>> Pack(const std::vector<uint8_t>& object, const PackOptions& options = {});

} // namespace instrument_sim
