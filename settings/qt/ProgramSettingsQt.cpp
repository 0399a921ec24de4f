#include "settings/ProgramSettings.h"
#include "settings/qt/QSettingsBackend.h"

#include <QCoreApplication>

namespace vordalis {

// The names are the application's own too (QSettings' defaults). Set first thing, they also make
// Qt's application data outlive an application object that a command makes later and keeps in a
// static until the process ends.
void UseProgramSettings() {
    QCoreApplication::setOrganizationName(QStringLiteral("Morvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Vordalis"));
    UseQSettingsBackend();
}

} // namespace vordalis
