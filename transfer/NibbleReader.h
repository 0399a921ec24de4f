#pragma once
// Reads a received chunk in place as bytes, half bytes (low nibble first) or nibble pairs,
// keeping the byte sum the packed form's checksum is compared with. A nibble taken just
// before a chunk ran out can be given back; the next chunk then starts with it.
#include <cstdint>

namespace vordalis::transfer {

class NibbleReader {
public:
    void Reset();
    void Feed(const uint8_t* chunk, int size);

    // Each returns -1 when the chunk is used up.
    int NextByte();
    int NextNibble();
    int NextPair(); // the next two nibbles as one byte (a whole byte when aligned)

    void Align() { needByte_ = true; } // drops an unread high nibble
    void UnreadNibble();

    bool HasInput() const { return pos_ == -1 || pos_ < size_; }
    uint16_t Sum() const { return sum_; }

private:
    uint16_t cur_ = 0;
    uint16_t saved_ = 0;
    uint16_t sum_ = 0;
    int pos_ = 0; // -1: deliver saved_ first
    bool needByte_ = true;
    const uint8_t* chunk_ = nullptr;
    int size_ = 0;
    int carry_ = 0;
};

} // namespace vordalis::transfer
