#pragma once
// The display options word: which sections a page shows and how. Files and the settings
// keep it packed; bit 15 says that nothing is stored and the viewer's default applies.
#include <cstdint>

namespace vordalis::opts {

inline constexpr int32_t kHeader = 0x1;
inline constexpr int32_t kChart = 0x2;
inline constexpr int32_t kStatistics = 0x4;
inline constexpr int32_t kTable = 0x8;
inline constexpr int32_t kValues = 0x10;
inline constexpr int32_t kAxis = 0x20;
inline constexpr int32_t kFrame = 0x40;
inline constexpr int32_t kGrid = 0x80;
inline constexpr int32_t kColourMask = 0xF00;
inline constexpr int kColourShift = 8;
inline constexpr int32_t kCarried = 0x1000;
inline constexpr int32_t kLimitFromInstrument = 0x2000;
inline constexpr int32_t kRangeFromInstrument = 0x4000;
inline constexpr int32_t kNotStored = 0x8000;
inline constexpr int32_t kValueChange = 0x10000; // never written to a file
inline constexpr int32_t kBit17 = 0x20000;       // toggled by command 2017

// Colour modes held in bits 8..11.
inline constexpr int kGrayscale = 1, kInvertedGrayscale = 2, kGreenRed = 3, kSpectral = 4;

inline int ColourMode(int32_t word) {
    return (word & kColourMask) >> kColourShift;
}
inline int32_t WithColourMode(int32_t word, int mode) {
    return (word & ~kColourMask) | ((mode << kColourShift) & kColourMask);
}

// 0 when bit 15 is set; otherwise bits 0-14, 16 and 17.
int32_t PackOptions(int32_t word);
// Bits 0-14 and 16-17 of n; bit 15 when n is 0. Numbers of 200000 or more read as 0.
int32_t UnpackOptions(int64_t n);

} // namespace vordalis::opts
