// The viewer "vordalis": opens the object file named on the command line.
#include "CNexoloApp.h"
#include "CommandLine.h"
#include "settings/qt/QSettingsBackend.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvex");
    QApplication::setApplicationName("Vordalis");
    QApplication::setApplicationDisplayName("Vordalis");
    QApplication::setApplicationVersion(VORDALIS_VERSION);
    vordalis::UseQSettingsBackend();
    vordalis::CNexoloApp theApp;
    theApp.InitInstance(vordalis::JoinArguments(argc, argv));
    return app.exec();
}
