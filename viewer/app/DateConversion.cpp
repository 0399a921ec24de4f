#include "app/DateConversion.h"

namespace vordalis {

QDateTime ToQDateTime(const OleDate& date) {
    DateParts p;
    if (!date.Parts(p)) return {};
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

OleDate FromQDateTime(const QDateTime& dt) {
    if (!dt.isValid()) return {};
    DateParts p{dt.date().year(), dt.date().month(),  dt.date().day(),
                dt.time().hour(), dt.time().minute(), dt.time().second()};
    return OleDate::FromParts(p);
}

} // namespace vordalis
