#include "update/qt/UpdateTexts.h"

#include "model/Strings.h"

namespace vordalis {

QString UpdateText(Str id, const QStringList& args) {
    QString pattern = QString::fromStdU16String(LoadString(id));
    pattern.remove(QLatin1Char('\r'));
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('s')) {
            if (next < args.size()) out += args[next];
            ++next;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace vordalis
