#include "model/DisplayOptions.h"

namespace vordalis::opts {

namespace {
constexpr int32_t kKeptBits = 0x7FFF | kValueChange | kBit17;
}

int32_t PackOptions(int32_t word) {
    return (word & kNotStored) ? 0 : (word & kKeptBits);
}

int32_t UnpackOptions(int64_t n) {
    if (n >= 200000) n = 0;
    int32_t word = static_cast<int32_t>(n) & kKeptBits;
    if (n == 0) word |= kNotStored;
    return word;
}

} // namespace vordalis::opts
