#include "Strings.h"

#include <map>

namespace vordalis {
namespace {

// One table for every part of the viewer; each numbered text appears once.
const std::map<int, std::u16string>& Table() {
    static const std::map<int, std::u16string> table = {
        {2058, u"%s:\nObject empty or not valid"},
        {2095, u"Safe changes to original file"},
    };
    return table;
}

std::function<std::u16string(int, const std::u16string&)>& Translator() {
    static std::function<std::u16string(int, const std::u16string&)> t;
    return t;
}

} // namespace

std::u16string EnglishString(int id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::u16string() : it->second;
}

std::u16string LoadString(int id) {
    std::u16string en = EnglishString(id);
    if (Translator()) {
        std::u16string t = Translator()(id, en);
        if (!t.empty()) return t;
    }
    return en;
}

void SetStringTranslator(std::function<std::u16string(int, const std::u16string&)> translator) {
    Translator() = std::move(translator);
}

} // namespace vordalis
