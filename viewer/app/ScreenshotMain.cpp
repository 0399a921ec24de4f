// vordalis-shot: starts the viewer as "vordalis FILE" does, waits until the window is painted,
// saves a PNG of the main window and quits. A development tool for scripts/screenshots.sh; it
// is not installed with the programs.
//   vordalis-shot OUT.png [--language N] [--size WxH] [--command ID] [FILE]
// With --command the picture shows the dialog that command opens instead of the window.
//
// The only file it writes is OUT.png: it refuses any other name and never replaces FILE, and the
// viewer runs on settings of its own in a scratch folder, so the user's language, recent files
// and window placement stay as they were.
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "model/AtomicFile.h"
#include "model/ByteSource.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "program/qt/Screenshot.h"
#include "settings/Settings.h"
#include "settings/qt/QSettingsBackend.h"
#include "text/Utf16.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: vordalis-shot OUT.png [--language N] [--size WxH] [--command ID] [FILE]\n";

int Refuse(const QString& text) {
    std::fprintf(stderr, "vordalis-shot: %s\n", qPrintable(text));
    return 2;
}

// The picture goes to OUT whole or not at all.
int SavePng(const QPixmap& shot, const QString& out) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    std::string error;
    if (!shot.save(&buffer, "PNG") ||
        !vordalis::WriteFileAtomically(QFile::encodeName(out).toStdString(),
                                       std::string_view(png.constData(), static_cast<size_t>(png.size())),
                                       &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(out),
                     error.empty() ? "cannot be written" : error.c_str());
        return 1;
    }
    std::printf("%s %dx%d\n", qPrintable(out), shot.width(), shot.height());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvex");
    QApplication::setApplicationName("Vordalis");
    QApplication::setApplicationDisplayName("Vordalis");
    QApplication::setApplicationVersion(VORDALIS_VERSION);
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // Relative to the folder we started in: the viewer moves to its data folder.
    QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    std::string file;
    QSize size(1000, 760);
    int command = 0, language = -1;
    for (int i = 2; i < argc; ++i) {
        bool more = i + 1 < argc;
        if (!std::strcmp(argv[i], "--language") && more) {
            language = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--command") && more) {
            command = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--size") && more) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w <= 0 || h <= 0)
                return Refuse(QString("--size needs WIDTHxHEIGHT, not %1").arg(argv[i]));
            size = QSize(w, h);
        } else if (argv[i][0] == '-' || !file.empty()) {
            std::fputs(kUsage, stderr);
            return Refuse(QString("unexpected argument %1").arg(QString::fromLocal8Bit(argv[i])));
        } else {
            file = argv[i];
        }
    }
    if (const QString problem = vordalis::program::ScreenshotNameProblem(
            out, file.empty() ? QStringList() : QStringList{QString::fromLocal8Bit(file.c_str())});
        !problem.isEmpty())
        return Refuse(problem);
    // A file the viewer could not show would stop on a message box: say so and end instead.
    if (!file.empty()) {
        vordalis::RegisterViewerTypes();
        vordalis::FileSource source(file);
        if (!source.IsOpen() || !vordalis::CreateObjectFromFile(source)) {
            std::fprintf(stderr, "%s\n", vordalis::U16ToUtf8(vordalis::InvalidObjectMessage(file)).c_str());
            return 1;
        }
    }

    // Settings of its own: whatever the viewer writes (language, recent files, placement) goes
    // to a scratch folder that is removed at the end.
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) return Refuse("no scratch folder for the settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    vordalis::UseQSettingsBackend();
    if (language >= 0) vordalis::settings::WriteDword(vordalis::settings::kLanguage, language);

    vordalis::CNexoloApp theApp;
    theApp.InitInstance(file);
    vordalis::CMainFrame* frame = theApp.MainFrame();
    frame->showNormal();
    frame->resize(size);
    int status = 1;
    if (command) {
        QTimer::singleShot(300, [&] {
            QTimer::singleShot(300, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog) {
                    status = SavePng(dialog->grab(), out);
                    dialog->close();
                }
                theApp.Document()->SetModifiedFlag(false);
                QApplication::quit();
            });
            frame->OnCommand(command);
        });
        app.exec();
        return status;
    }
    QTimer::singleShot(400, [&] {
        frame->UpdateCommandUI();
        status = SavePng(frame->grab(), out);
        QApplication::quit();
    });
    app.exec();
    return status;
}
