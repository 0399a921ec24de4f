#pragma once
// A product version packed into one unsigned 64-bit number, so versions compare as numbers:
// a.b.c.d keeps a in bits 48-63, b in 32-47, c in 16-31 and d in 0-15.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace vordalis {

// The extension installers of this platform carry (compared case-sensitively).
#ifdef _WIN32
inline constexpr std::string_view kInstallerExtension = ".exe";
#else
inline constexpr std::string_view kInstallerExtension = ".deb";
#endif

class CVersion {
public:
    CVersion() = default;
    explicit CVersion(uint64_t value) : value_(value) {}
    // Parses "a", "a.b", "a.b.c" or "a.b.c.d"; spaces are ignored and ',' counts as '.'.
    // Text that does not fit one of these forms, or numbers out of range, give 0.
    explicit CVersion(std::string_view text);

    // The version an installer's file name carries, e.g. "Setup_V_2_9_1.deb" -> 2.9.1;
    // 0 for any name that is not an installer of this platform.
    static CVersion FromFileName(std::string_view name, std::string_view extension = kInstallerExtension);

    uint64_t Value() const { return value_; }
    bool IsZero() const { return value_ == 0; }
    // parts 2: "hi.lo" of the two 32-bit halves; 3 or 4: the 16-bit fields from the top;
    // anything else: the whole value.
    std::string ToString(int parts) const;

    auto operator<=>(const CVersion&) const = default;

private:
    uint64_t value_ = 0;
};

} // namespace vordalis
