// vordalis-shot: starts the viewer exactly as "vordalis FILE" does, waits until the window
// is painted, saves a PNG of the main window and quits. Used by scripts/screenshots.sh.
//   vordalis-shot OUT.png [--language N] [--size WxH] [--command ID] [FILE]
// With --command the picture shows the dialog that command opens instead of the window.
#include "CMainFrame.h"
#include "CNexoloApp.h"
#include "CNexoloDoc.h"
#include "CNexoloView.h"
#include "settings/Settings.h"
#include "settings/qt/QSettingsBackend.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvex");
    QApplication::setApplicationName("Vordalis");
    QApplication::setApplicationDisplayName("Vordalis");
    QApplication::setApplicationVersion(VORDALIS_VERSION);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vordalis-shot OUT.png [--language N] [--size WxH] [FILE]\n");
        return 2;
    }
    vordalis::UseQSettingsBackend();
    QString out = QString::fromLocal8Bit(argv[1]);
    std::string file;
    QSize size(1000, 760);
    int command = 0;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--language") && i + 1 < argc) {
            vordalis::settings::WriteDword(vordalis::settings::kLanguage, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--command") && i + 1 < argc) {
            command = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--size") && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) == 2) size = QSize(w, h);
        } else {
            file = argv[i];
        }
    }
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
                    QPixmap shot = dialog->grab();
                    status = shot.save(out) ? 0 : 1;
                    if (status == 0) std::printf("%s %dx%d\n", qPrintable(out), shot.width(), shot.height());
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
        QPixmap shot = frame->grab();
        status = shot.save(out) ? 0 : 1;
        if (status == 0) std::printf("%s %dx%d\n", qPrintable(out), shot.width(), shot.height());
        QApplication::quit();
    });
    app.exec();
    return status;
}
