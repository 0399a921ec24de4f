#pragma once
// The viewer run in-process through its real widgets, for tests that derive from ViewerTest:
// settings in a folder of the test's own, the sample files, start and stop, commands through
// the main frame's actions, and a watcher that answers every modal window (so an unexpected one
// fails the test instead of blocking it).
#include "ModalWatcher.h"
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "settings/qt/QSettingsBackend.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace vordalis::test {

class ViewerTest : public QObject {
protected:
    static QString Sample(const char* name) { return QStringLiteral(VORDALIS_SAMPLES "/") + name; }

    // The viewer's settings file goes to config_, the one the command-line tool reads through
    // XDG_CONFIG_HOME. Called from initTestCase.
    void UsePrivateSettings() {
        QCoreApplication::setOrganizationName("Morvex");
        QCoreApplication::setApplicationName("Vordalis");
        QSettings::setDefaultFormat(QSettings::NativeFormat);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
        UseQSettingsBackend();
    }

    // Starts the viewer with commandLine and waits until its window is shown and painted.
    void Start(const QString& commandLine) {
        app_ = std::make_unique<CNexoloApp>();
        app_->InitInstance(commandLine.toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(Frame()));
        Paint();
    }
    // Closes the viewer without asking to save.
    void Stop() {
        if (!app_) return;
        if (Doc()) Doc()->SetModifiedFlag(false);
        Frame()->close();
        app_.reset();
    }

    // From init: message boxes are recorded and answered from now on.
    void WatchModals() { watcher_ = std::make_unique<ModalWatcher>(); }
    // From cleanup: stops the viewer; a message box nobody took fails the test.
    void StopAndExpectNoMessages() {
        Stop();
        if (!watcher_) return;
        const QStringList unexpected = watcher_->TakeMessages();
        watcher_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(" | ")));
    }

    CMainFrame* Frame() { return app_->MainFrame(); }
    CNexoloView* View() { return Frame()->View(); }
    CNexoloDoc* Doc() { return app_->Document(); }
    TBasicObj* Obj() { return Doc()->Object(); }

    // Paints the view now, as a repaint of the screen does.
    void Paint() { View()->viewport()->grab(); }
    // Runs the command as its menu entry or key does, with the menus brought up to date.
    void Trigger(int id) {
        Frame()->UpdateCommandUI();
        Frame()->Action(id)->trigger();
        Paint();
        Frame()->UpdateCommandUI();
    }

    // Drags files over the main window, as from a file manager: true when the window would take them.
    bool DragEnter(const QStringList& paths) {
        QMimeData mime;
        mime.setUrls(Urls(paths));
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &enter);
        return enter.isAccepted();
    }
    // Drops files on the main window (whether or not it took them when they were dragged in).
    void Drop(const QStringList& paths) {
        QMimeData mime;
        mime.setUrls(Urls(paths));
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &drop);
    }
    static QList<QUrl> Urls(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        return urls;
    }

    QTemporaryDir config_;
    std::unique_ptr<CNexoloApp> app_;
    std::unique_ptr<ModalWatcher> watcher_;
};

} // namespace vordalis::test
