#pragma once
// printf-style formatting into the painters' UTF-16 texts, and date texts for page headers.
#include "model/OleDate.h"

#include <string>

namespace vordalis {

// std::snprintf with a narrow format; the result widened (Latin-1).
std::u16string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formats a date with the strftime directives %d %m %b %B %y %Y %H %M %S %%; other
// characters are copied. Month names are English. An invalid date gives "Invalid DateTime".
std::u16string FormatDate(const OleDate& date, const std::u16string& format);

// Replaces the first "%s" in a translated text by arg (the text is used as is otherwise).
std::u16string ReplaceFirst(const std::u16string& text, const std::u16string& what,
                            const std::u16string& arg);

} // namespace vordalis
