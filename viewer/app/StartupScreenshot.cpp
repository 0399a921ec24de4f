#include "app/StartupScreenshot.h"

#include "app/CMainFrame.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace vordalis {

QString ScreenshotNameProblem(const QString& out, const QStringList& shownFiles) {
    if (!out.endsWith(".png", Qt::CaseInsensitive))
        return QString("%1: the picture's name must end in .png").arg(out);
    const QFileInfo picture(out);
    if (!picture.exists()) return {};
    for (const QString& file : shownFiles) {
        const QFileInfo shown(file);
        if (shown.exists() && shown.canonicalFilePath() == picture.canonicalFilePath())
            return QString("%1 is the file to show, it is not overwritten").arg(out);
    }
    return {};
}

void ScheduleStartupScreenshot(CMainFrame* frame, const QString& path) {
    // The delay lets the window get its layout, fonts and first paint; a message box the
    // start-up raised (a file that is not valid) is in the picture's place and stays out of it.
    QTimer::singleShot(400, frame, [frame, path] {
        frame->UpdateCommandUI();
        const QPixmap shot = frame->grab();
        if (!shot.save(path, "PNG")) {
            std::fprintf(stderr, "vordalis: %s: the picture cannot be written\n", qPrintable(path));
            QApplication::exit(1);
            return;
        }
        std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
        std::fflush(stdout);
        QApplication::exit(0);
    });
}

} // namespace vordalis
