#include "plot/TextFormat.h"

#include "model/Codec.h"
#include "text/Utf16.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace vordalis {

std::u16string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<size_t>(n));
    }
    va_end(args);
    return Latin1ToU16(out);
}

std::u16string FormatDate(const OleDate& date, const std::u16string& format) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    DateParts p;
    if (!date.valid || !date.Parts(p) || p.month < 1 || p.month > 12) return u"Invalid DateTime";
    std::u16string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != u'%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        char16_t d = format[++i];
        switch (d) {
        case u'd':
            out += Printf("%02d", p.day);
            break;
        case u'm':
            out += Printf("%02d", p.month);
            break;
        case u'b':
            out += Latin1ToU16(std::string(kMonths[p.month - 1], 3));
            break;
        case u'B':
            out += Latin1ToU16(kMonths[p.month - 1]);
            break;
        case u'y':
            out += Printf("%02d", p.year % 100);
            break;
        case u'Y':
            out += Printf("%d", p.year);
            break;
        case u'H':
            out += Printf("%02d", p.hour);
            break;
        case u'M':
            out += Printf("%02d", p.minute);
            break;
        case u'S':
            out += Printf("%02d", p.second);
            break;
        case u'%':
            out += u'%';
            break;
        default:
            out += u'%';
            out += d;
        }
    }
    return out;
}

std::u16string ReplaceFirst(const std::u16string& text, const std::u16string& what,
                            const std::u16string& arg) {
    size_t at = text.find(what);
    if (at == std::u16string::npos) return text;
    return text.substr(0, at) + arg + text.substr(at + what.size());
}

} // namespace vordalis
