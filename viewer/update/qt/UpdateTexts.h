#pragma once
// The update checker's numbered texts in the current language.
#include "model/Strings.h"

#include <QString>
#include <QStringList>

namespace vordalis {

// The text of a string number with each "%s" filled from args in order; the "\r\n" line
// breaks of the table become plain "\n" for the widgets.
QString UpdateText(Str id, const QStringList& args = {});

} // namespace vordalis
