// The viewer's Load command with the real loader and the simulated instrument: the loaded
// object is shown under its title, the refusals while a transfer program runs or right after.
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/Commands.h"
#include "app/TransferCommands.h"
#include "model/ByteSource.h"
#include "model/ObjectFactory.h"
#include "ondralink/TransferFixture.h"
#include "rebound/TTorvBars.h"
#include "runninglock/RunningLock.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

using namespace transfer_test;
using namespace vordalis;

namespace {

QString ResultPath() {
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Tamlo.vdo"));
}

std::unique_ptr<TBasicObj> SampleObject(const char* name) {
    FileSource file(std::string(VORDALIS_SAMPLES "/") + name);
    return CreateObjectFromFile(file);
}

} // namespace

class ViewerLoadTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CNexoloApp> app_;

private slots:
    void init() {
        app_ = std::make_unique<CNexoloApp>();
        app_->InitInstance("");
        QVERIFY(QTest::qWaitForWindowExposed(app_->MainFrame()));
    }
    void cleanup() {
        app_->Document()->SetModifiedFlag(false);
        app_->MainFrame()->close();
        app_.reset();
    }

    void loadShowsTheObjectUnderItsTitle() {
        // A rebound series numbered 7 as the hammer sends it (the saved sample without its trailer).
        QByteArray series =
            Sample("rebound_instrument.vdo").replace("TORVIHAMMER\t0017", "TORVIHAMMER\t0007");
        series.truncate(series.indexOf('\x1A') + 1);
        QTemporaryDir store;
        WriteFile(store.path() + "/R0007.vdo", series);
        Instrument instrument(store.path(), {"--id-answer", "TORVIHAMMER; 40112; 0731"});
        CMainFrame* frame = app_->MainFrame();
        frame->SetLoaderArguments({QStringLiteral("--tick"), QStringLiteral("R0007")});
        QVERIFY(frame->Action(cmd::Load)->isEnabled());
        bool enabledWhileLoading = true;
        QTimer::singleShot(300, this, [&] { enabledWhileLoading = frame->isEnabled(); });
        frame->OnCommand(cmd::Load);

        QVERIFY(!enabledWhileLoading);
        QVERIFY(frame->isEnabled());
        TBasicObj* loaded = app_->Document()->Object();
        QVERIFY(loaded);
        QCOMPARE(loaded->type, int32_t(kTypeReboundSeries));
        QCOMPARE(app_->Document()->Title(), QStringLiteral("PIER 2 0007"));
        QVERIFY(app_->Document()->IsModified());
        QVERIFY(app_->Document()->PathName().isEmpty());
        QVERIFY(!QFile::exists(ResultPath()));
        QVERIFY(frame->windowTitle().startsWith(QStringLiteral("PIER 2 0007")));

        // Right after a load a second press does nothing.
        QCOMPARE(frame->Transfer().Busy(), 4);
        frame->OnCommand(cmd::Load);
        QCOMPARE(app_->Document()->Object(), loaded);
    }

    void loadIsRefusedWhileATransferProgramRuns() {
        RunningLock held;
        QVERIFY(held.TryAcquire());
        WriteFile(ResultPath(), Sample("list_metric.vdo")); // would be adopted if Load ran
        CMainFrame* frame = app_->MainFrame();
        // The commands were enabled when the window was made; Load now does nothing.
        QVERIFY(frame->Action(cmd::Load)->isEnabled());
        frame->OnCommand(cmd::Load);
        QCOMPARE(frame->Transfer().Busy(), 0);
        QVERIFY(!app_->Document()->Object());
        QVERIFY(QFile::remove(ResultPath()));
    }

    void loadedObjectTitles_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("cover list") << "list_metric.vdo" << 12 << "000012";
        QTest::newRow("raster") << "raster_metric.vdo" << 300201 << "300201";
        QTest::newRow("rebound series") << "rebound_instrument.vdo" << 7 << "PIER 2 0007";
        QTest::newRow("China series") << "china_2001.vdo" << 7 << "PIER-A0007";
    }
    void loadedObjectTitles() {
        QFETCH(QString, sample);
        QFETCH(int, number);
        QFETCH(QString, title);
        std::unique_ptr<TBasicObj> obj = SampleObject(sample.toLatin1().constData());
        QVERIFY(obj);
        obj->objectNumber = number;
        QCOMPARE(QString::fromStdU16String(obj->LoadedTitle()), title);
    }
};

int main(int argc, char** argv) {
    IsolateEnvironment();
    QApplication app(argc, argv);
    UseQSettingsBackend();
    ViewerLoadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewerLoadTest.moc"
