#pragma once
// Numbers in the edit texts of the rebound dialogs.
#include <string>

namespace vordalis {

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The leading decimal number of an edit text (blanks before it allowed); 0 when there is none.
double DialogNumber(const std::string& text);

} // namespace vordalis
