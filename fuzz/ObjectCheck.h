#pragma once
// The object readers' promise, checked on any input: what opens paints itself without harm on
// every page and saves in a form that opens again as the same object (what `vordalis-cli info`
// prints of it), and saving that again writes the same bytes. A save may refuse, but never
// write what cannot return, returns as another object, or drifts from save to save.
#include <string>
#include <string_view>

namespace vordalis::fuzz {

// Empty when the input keeps the promise (or does not open at all), else what went wrong.
std::string CheckObject(std::string_view bytes);

} // namespace vordalis::fuzz
