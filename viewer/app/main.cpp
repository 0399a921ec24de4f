// The viewer "vordalis": opens the object file named on the command line.
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CommandLine.h"
#include "app/StartupScreenshot.h"
#include "program/StandardOptions.h"
#include "program/Version.h"
#include "program/qt/Screenshot.h"
#include "settings/qt/QSettingsBackend.h"

#include <QApplication>

#include <cstdio>

namespace {

const char* kHelp =
    "Usage: vordalis [FILE]\n"
    "Shows a measurement object file (.vdo) of a cover meter or a rebound hammer: header,\n"
    "chart, statistics and table, to print, copy, edit and summarise.\n"
    "\n"
    "  FILE        the object file to open; without it the viewer starts empty. A first\n"
    "              argument that starts with '-' (or a slash option such as /p) opens nothing.\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Settings: ~/.config/Morvex/Vordalis.conf. See vordalis(1).\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    if (auto status = vordalis::program::AnswerStandardOptions("vordalis", kHelp, argc, argv)) return *status;
    QApplication app(argc, argv);
    const QString shot = qEnvironmentVariable(vordalis::program::kScreenshotVariable);
    if (!shot.isEmpty()) {
        const QStringList arguments = QApplication::arguments().mid(1);
        if (const QString problem = vordalis::program::ScreenshotNameProblem(shot, arguments);
            !problem.isEmpty()) {
            std::fprintf(stderr, "vordalis: %s\n", qPrintable(problem));
            return 2;
        }
    }
    QApplication::setOrganizationName("Morvex");
    QApplication::setApplicationName("Vordalis");
    QApplication::setApplicationDisplayName("Vordalis");
    QApplication::setApplicationVersion(vordalis::program::Version());
    QGuiApplication::setDesktopFileName("com.morvex.Vordalis");
    vordalis::UseQSettingsBackend();
    vordalis::CNexoloApp theApp;
    theApp.InitInstance(vordalis::JoinArguments(argc, argv));
    if (!shot.isEmpty()) vordalis::ScheduleStartupScreenshot(theApp.MainFrame(), shot);
    return app.exec();
}
