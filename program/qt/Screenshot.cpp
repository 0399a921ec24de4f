#include "program/qt/Screenshot.h"

#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace vordalis::program {

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

int SaveScreenshot(QWidget& widget, const QString& path, const char* program) {
    const QPixmap shot = widget.grab();
    if (!shot.save(path, "PNG")) {
        std::fprintf(stderr, "%s: %s: the picture cannot be written\n", program, qPrintable(path));
        return 1;
    }
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
    std::fflush(stdout);
    return 0;
}

} // namespace vordalis::program
