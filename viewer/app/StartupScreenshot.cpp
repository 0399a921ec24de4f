#include "app/StartupScreenshot.h"

#include "app/CMainFrame.h"
#include "program/qt/Screenshot.h"

#include <QApplication>
#include <QTimer>

namespace vordalis {

void ScheduleStartupScreenshot(CMainFrame* frame, const QString& path) {
    // The delay lets the window get its layout, fonts and first paint; a message box the
    // start-up raised (a file that is not valid) is in the picture's place and stays out of it.
    QTimer::singleShot(400, frame, [frame, path] {
        frame->UpdateCommandUI();
        QApplication::exit(program::SaveScreenshot(*frame, path, "vordalis"));
    });
}

} // namespace vordalis
