#include "transfer/NibbleReader.h"

namespace vordalis::transfer {

void NibbleReader::Reset() {
    cur_ = saved_ = sum_ = 0;
    pos_ = 0;
    needByte_ = true;
    chunk_ = nullptr;
    size_ = 0;
    carry_ = 0;
}

void NibbleReader::Feed(const uint8_t* chunk, int size) {
    pos_ = carry_;
    carry_ = 0;
    chunk_ = chunk;
    size_ = size;
}

int NibbleReader::NextByte() {
    if (pos_ == -1) {
        cur_ = saved_;
        pos_ = 0;
    } else if (pos_ >= size_) {
        return -1;
    } else {
        cur_ = chunk_[pos_++];
    }
    sum_ = static_cast<uint16_t>(sum_ + cur_);
    return cur_;
}

int NibbleReader::NextNibble() {
    if (needByte_) {
        if (NextByte() < 0) return -1;
        needByte_ = false;
        return cur_ & 0x0F;
    }
    needByte_ = true;
    return cur_ >> 4;
}

int NibbleReader::NextPair() {
    const uint16_t prev = cur_;
    if (NextByte() < 0) return -1;
    if (needByte_) return cur_;
    return ((cur_ << 4) | (prev >> 4)) & 0xFF;
}

void NibbleReader::UnreadNibble() {
    if (needByte_) { // the high nibble of cur_ comes again
        needByte_ = false;
        return;
    }
    // The low nibble of a freshly read byte: give the whole byte back.
    needByte_ = true;
    if (pos_ >= 0) --pos_;
    sum_ = static_cast<uint16_t>(sum_ - cur_);
    saved_ = cur_;
    if (pos_ >= 1) cur_ = chunk_[pos_ - 1];
    carry_ = -1;
}

} // namespace vordalis::transfer
