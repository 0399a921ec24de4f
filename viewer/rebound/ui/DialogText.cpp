#include "rebound/ui/DialogText.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace vordalis {

std::string Format(const char* format, ...) {
    char buf[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return buf;
}

double DialogNumber(const std::string& text) {
    const char* s = text.c_str();
    char* end = nullptr;
    double v = std::strtod(s, &end);
    // Hexadecimal, infinities and NaN are no numbers a user types into these edits.
    if (end == s || !std::isfinite(v)) return 0.0;
    for (const char* p = s; p < end; ++p)
        if (*p == 'x' || *p == 'X') return 0.0;
    return v;
}

} // namespace vordalis
