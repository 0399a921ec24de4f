#pragma once
// The numbered strings of the viewer (English), looked up by number. The viewer plugs a
// translator in front of the table so the Qt-free code shows the user's language.
#include <functional>
#include <string>

namespace vordalis {

// The English text of a string number; empty when there is none.
std::u16string EnglishString(int id);
// The text in the current language (falls back to English).
std::u16string LoadString(int id);
// An unnumbered English text (a system reason, say) in the current language.
std::u16string TranslateText(const std::u16string& english);
void SetStringTranslator(std::function<std::u16string(int id, const std::u16string& english)> translator);

} // namespace vordalis
