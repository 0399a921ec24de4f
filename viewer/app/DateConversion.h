#pragma once
// Between the objects' date (OleDate) and Qt's date and time.
#include "model/OleDate.h"

#include <QDateTime>

namespace vordalis {

// An invalid QDateTime for an invalid date.
QDateTime ToQDateTime(const OleDate& date);
// Invalid when any part is out of range.
OleDate FromQDateTime(const QDateTime& dt);

} // namespace vordalis
