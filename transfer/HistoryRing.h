#pragma once
// The last 16 characters the unpacker produced; back-references repeat from here.
#include <array>

namespace vordalis::transfer {

class HistoryRing {
public:
    static constexpr int kSize = 16;
    static constexpr int kNotKept = -1;

    void Clear() { position_ = count_ = 0; }
    void Add(int ch) {
        chars_[position_] = static_cast<unsigned char>(ch);
        position_ = (position_ + 1) % kSize;
        if (count_ < kSize) ++count_;
    }
    // The k-th character back (0 = the newest); kNotKept when the history does not reach back
    // that far.
    int Get(int k) const {
        if (k < 0 || k >= count_) return kNotKept;
        return chars_[(position_ - 1 - k + 2 * kSize) % kSize];
    }
    int Count() const { return count_; }

private:
    std::array<unsigned char, kSize> chars_{};
    int position_ = 0;
    int count_ = 0;
};

} // namespace vordalis::transfer
