// The update checker against a real FTP server on 127.0.0.1.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "FtpServer.h"
#include "TestSigner.h"
#include "model/Strings.h"
#include "settings/MemoryBackend.h"
#include "settings/RegistryKey.h"
#include "update/FtpClient.h"
#include "update/qt/CAutoUpdate.h"
#include "update/qt/CPageDownload.h"
#include "update/qt/CPageSearch.h"
#include "update/qt/UpdateChecker.h"
#include "update/qt/UpdateHooks.h"
#include "update/qt/UpdateMenu.h"
#include "update/qt/UpdateTexts.h"

using namespace vordalis;

namespace {

const QString kUser = QStringLiteral("kvupgrade");
const QString kPassword = QStringLiteral("t0psecret");

using Files = std::vector<std::pair<QString, QByteArray>>; // name -> content

// A served folder holding the given files (name -> content) in KvUpgrade/Vordalis/.
struct Site {
    QTemporaryDir root;
    test::FtpServer server;

    bool Start(const Files& files) {
        QDir dir(root.path());
        if (!dir.mkpath(QStringLiteral("KvUpgrade/Vordalis"))) return false;
        for (const auto& [name, content] : files) {
            QFile f(dir.filePath(QStringLiteral("KvUpgrade/Vordalis/") + name));
            if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) return false;
        }
        return server.Start(root.path(), kUser, kPassword);
    }
    QString Path(const QString& name) const {
        return QDir(root.path()).filePath(QStringLiteral("KvUpgrade/Vordalis/") + name);
    }

    UpdateConfig Config(const QString& password = kPassword) const {
        UpdateConfig c;
        c.product = "Vordalis";
        c.own = CVersion("2.8.0.0");
        c.location = {"127.0.0.1", server.port(), kUser.toStdString(), password.toStdString(),
                      UpdateFolder("Vordalis")};
        return c;
    }
};

// The project's signing key for these tests and a keyring holding it.
struct Keys {
    test::TestSigner signer;
    QTemporaryDir dir;
    QString keyring = QDir(dir.path()).filePath(QStringLiteral("update-keyring.gpg"));
    bool ok = signer.ok() && signer.ExportKeyring(keyring.toStdString());

    // A detached signature of content made with signer.
    static QByteArray SignatureOf(const test::TestSigner& signer, const QByteArray& content) {
        QTemporaryDir work;
        const QString data = QDir(work.path()).filePath(QStringLiteral("data"));
        const QString sig = data + QStringLiteral(".sig");
        QFile f(data);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) return {};
        f.close();
        if (!signer.Sign(data.toStdString(), sig.toStdString())) return {};
        QFile s(sig);
        return s.open(QIODevice::ReadOnly) ? s.readAll() : QByteArray();
    }
};
Keys* keys = nullptr;

// An installer and its signature beside it, as the project publishes them.
Files Signed(const QString& name, const QByteArray& content, const test::TestSigner* by = nullptr) {
    return {{name, content},
            {name + QStringLiteral(".sig"), Keys::SignatureOf(by ? *by : keys->signer, content)}};
}

Files operator+(Files a, const Files& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

QByteArray Pattern(qsizetype size) {
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) data[i] = static_cast<char>((i * 7 + i / 4093) & 0xFF);
    return data;
}

bool OnlyFinishEnabled(const CAutoUpdate& w) {
    return !w.backButton()->isEnabled() && !w.nextButton()->isEnabled() && w.finishButton()->isEnabled() &&
           w.cancelButton()->isEnabled();
}

} // namespace

class UpdateFtpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        keys = new Keys;
        QVERIFY2(keys->ok, "gpg could not make a key (scripts/install-deps.sh)");
    }
    void cleanupTestCase() { delete keys; }
    void init() { SetSettingsBackend(std::make_shared<MemoryBackend>()); }

    void clientListsSizesAndDownloads() {
        Site site;
        const QByteArray content = Pattern(300000);
        QVERIFY2(site.Start({{"Setup_V_2_9_0.deb", content}, {"readme.txt", "hello"}}),
                 qPrintable(site.server.error()));
        UpdateLocation loc = site.Config().location;

        FtpClient ftp;
        QVERIFY(ftp.Connect(loc));
        QVERIFY(ftp.Connect(loc)); // an open connection is kept
        auto names = ftp.ListNames();
        QVERIFY(names.has_value());
        std::sort(names->begin(), names->end());
        QCOMPARE(*names, (std::vector<std::string>{"Setup_V_2_9_0.deb", "readme.txt"}));
        QCOMPARE(ftp.FileSize("Setup_V_2_9_0.deb"), std::optional<uint64_t>(content.size()));

        QByteArray received;
        uint64_t lastProgress = 0;
        QVERIFY(ftp.Download(
            "Setup_V_2_9_0.deb",
            [&](const char* d, size_t n) {
                received.append(d, static_cast<qsizetype>(n));
                return true;
            },
            [&](uint64_t p) { lastProgress = p; }));
        QCOMPARE(received, content);
        QCOMPARE(lastProgress, uint64_t(content.size()));

        // A receiver that refuses the bytes stops the download.
        QVERIFY(!ftp.Download(
            "Setup_V_2_9_0.deb", [](const char*, size_t) { return false; }, [](uint64_t) {}));
        QCOMPARE(ftp.LastError(), FtpError::Sink);
        QVERIFY(!ftp.FileSize("missing.deb"));
    }

    void clientReportsWhatWentWrong() {
        Site site;
        QVERIFY(site.Start({}));
        struct Case {
            const char* what;
            UpdateLocation loc;
            FtpError error;
        };
        UpdateLocation good = site.Config().location;
        UpdateLocation badPassword = good, badFolder = good, closedPort = good;
        badPassword.password = "wrong";
        badFolder.folder = UpdateFolder("Other");
        closedPort.port = 1;
        for (const Case& c :
             {Case{"login", badPassword, FtpError::Login}, Case{"folder", badFolder, FtpError::Folder},
              Case{"port", closedPort, FtpError::Connect}}) {
            FtpClient ftp;
            QVERIFY2(!ftp.Connect(c.loc), c.what);
            QVERIFY2(ftp.LastError() == c.error, c.what);
            QVERIFY2(!ftp.LastErrorDetail().empty(), c.what);
            QVERIFY(!ftp.IsConnected());
        }
    }

    void backgroundCheckReportsTheNewestVersion() {
        Site site;
        QVERIFY(site.Start(Signed("Setup_V_2_9_0.deb", "a") + Signed("Setup_V_2_10_0.deb", "b") +
                           Signed("Setup_V_9_0_0.DEB", "c")));
        // Pointed at the server through the settings, as a user would do.
        RegistryKey key;
        QVERIFY(key.Open(RegistryRoot::CurrentUser, update_settings::kKeyPath, RegistryAccess::SetValue));
        key.WriteString(update_settings::kHost, u"127.0.0.1");
        key.WriteDword(update_settings::kPort, site.server.port());
        key.WriteString(update_settings::kUser, kUser.toStdU16String());
        key.WriteString(update_settings::kPassword, kPassword.toStdU16String());

        UpdateChecker checker;
        QCOMPARE(checker.config().own, CVersion("2.8.0.0"));
        QSignalSpy spy(&checker, &UpdateChecker::newVersionFound);
        checker.start();
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<CVersion>(), CVersion("2.10.0"));
        QVERIFY(!checker.isRunning());
    }

    void noNewerVersionReportsZeroAndTheWizardSaysSo() {
        Site site;
        // A newer installer without a signature counts as none.
        QVERIFY(site.Start(Signed("Setup_V_2_8_0.deb", "y") + Signed("readme.txt", "x") +
                           Files{{"Setup_V_2_10_0.deb", "unsigned"}}));
        UpdateChecker checker(site.Config());
        QSignalSpy spy(&checker, &UpdateChecker::newVersionFound);
        checker.start();
        QVERIFY(spy.wait(10000));
        QVERIFY(spy.at(0).at(0).value<CVersion>().IsZero());

        CAutoUpdate wizard(site.Config());
        wizard.show();
        const QString expected = UpdateText(Str::NoUpdateAvailable, {QStringLiteral("Vordalis")});
        QTRY_COMPARE_WITH_TIMEOUT(wizard.searchPage()->second()->text(), expected, 10000);
        QVERIFY(expected.contains(QStringLiteral("most recent version of Vordalis")));
        QVERIFY(OnlyFinishEnabled(wizard));
        QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
        QVERIFY(!wizard.isVisible());
        QVERIFY(!wizard.installerStarted());
    }

    void wizardDownloadsAndOpensTheInstaller() {
        Site site;
        const QByteArray content = Pattern(25 * 1048576);
        QVERIFY(site.Start(Signed("Setup_V_2_9_0.deb", "old") + Signed("Setup_V_2_10_0.deb", content)));
        QTemporaryDir programFolder;
        QStringList opened;
        CAutoUpdate wizard(site.Config());
        wizard.setDownloadFolder(programFolder.path());
        wizard.setKeyring(keys->keyring);
        wizard.setInstallerOpener([&](const QString& path) {
            opened << path;
            return true;
        });
        QSignalSpy progress(wizard.downloadPage()->progress(), &QProgressBar::valueChanged);
        wizard.show();
        QVERIFY(!wizard.backButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(wizard.nextButton()->isEnabled(), 10000);
        QVERIFY(!wizard.finishButton()->isEnabled());
        QCOMPARE(wizard.searchPage()->second()->text(),
                 UpdateText(Str::NewerVersionFound,
                            {QStringLiteral("Vordalis"), QStringLiteral("2.10.0"), QStringLiteral("2.8.0")}));

        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        QVERIFY(wizard.downloadPage()->isVisible());
        QCOMPARE(wizard.downloadPage()->status()->text(), QStringLiteral("Downloading Setup_V_2_10_0.deb"));
        QTRY_VERIFY_WITH_TIMEOUT(!wizard.isVisible(), 30000);

        QVERIFY(wizard.installerStarted());
        const QString local = QDir(programFolder.path()).filePath(QStringLiteral("Setup_V_2_10_0.deb"));
        QCOMPARE(opened, QStringList{local});
        QFile f(local);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == content);
        // The signature was only needed for the check.
        QCOMPARE(QDir(programFolder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Setup_V_2_10_0.deb")});
        QCOMPARE(wizard.downloadPage()->progress()->value(), 100);
        QCOMPARE(wizard.downloadPage()->size()->text(), QStringLiteral("25.00 MB downloaded"));
        // The bar only grows and shows 100 once, at the very end.
        QVERIFY(progress.count() > 2);
        int last = -1, hundreds = 0;
        for (const QList<QVariant>& args : progress) {
            int v = args.at(0).toInt();
            QVERIFY(v >= last);
            last = v;
            hundreds += v == 100;
        }
        QCOMPARE(hundreds, 1);
    }

    void vanishedInstallerEndsWithTheDownloadError() {
        Site site;
        QVERIFY(site.Start(Signed("Setup_V_2_10_0.deb", Pattern(4096))));
        QTemporaryDir programFolder;
        bool opened = false;
        CAutoUpdate wizard(site.Config());
        wizard.setKeyring(keys->keyring);
        wizard.setDownloadFolder(programFolder.path());
        wizard.setInstallerOpener([&](const QString&) { return opened = true; });
        wizard.show();
        QTRY_VERIFY_WITH_TIMEOUT(wizard.nextButton()->isEnabled(), 10000);
        QVERIFY(QFile::remove(site.Path(QStringLiteral("Setup_V_2_10_0.deb"))));
        QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(wizard.downloadPage()->status()->text(),
                                  QStringLiteral("Unknown error while downloading."), 10000);
        QVERIFY(OnlyFinishEnabled(wizard));
        QVERIFY(wizard.downloadPage()->progress()->isHidden());
        QVERIFY(wizard.downloadPage()->size()->isHidden());
        QVERIFY(!opened);
        // No half installer is left behind.
        QVERIFY(QDir(programFolder.path()).entryList(QDir::Files).isEmpty());
        QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
        QVERIFY(!wizard.installerStarted());
    }

    void unwritableProgramFolderAsksWhereToSave() {
        Site site;
        const QByteArray content = Pattern(100000);
        QVERIFY(site.Start(Signed("Setup_V_2_10_0.deb", content)));
        QTemporaryDir elsewhere;
        const QString chosen = QDir(elsewhere.path()).filePath(QStringLiteral("mine.deb"));
        for (bool choose : {false, true}) {
            QStringList opened;
            QString proposed;
            QTimer answer;
            connect(&answer, &QTimer::timeout, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                if (!choose) return dialog->reject();
                // A focused name field ignores selectFile; typing users are not overridden.
                if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
                dialog->selectFile(chosen);
                static_cast<QDialog*>(dialog)->accept(); // runs the file dialog's own accept
            });
            answer.start(20);
            CAutoUpdate wizard(site.Config());
            wizard.setKeyring(keys->keyring);
            wizard.setDownloadFolder(QDir(elsewhere.path()).filePath(QStringLiteral("missing/folder")));
            wizard.setInstallerOpener([&](const QString& path) {
                opened << path;
                return true;
            });
            wizard.show();
            QTRY_VERIFY_WITH_TIMEOUT(wizard.nextButton()->isEnabled(), 10000);
            QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
            if (choose) {
                QTRY_VERIFY_WITH_TIMEOUT(wizard.installerStarted(), 10000);
                QCOMPARE(opened, QStringList{chosen});
                QFile f(chosen);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QVERIFY(f.readAll() == content);
                QVERIFY(!QFile::exists(chosen + QStringLiteral(".sig")));
            } else {
                // No place to save: a clean stop, nothing downloaded, only Finish left.
                QTRY_VERIFY_WITH_TIMEOUT(wizard.finishButton()->isEnabled(), 10000);
                QVERIFY(OnlyFinishEnabled(wizard));
                QCOMPARE(wizard.downloadPage()->status()->text(),
                         QStringLiteral("The download was cancelled."));
                QVERIFY(wizard.downloadPage()->progress()->isHidden());
                QVERIFY(opened.isEmpty());
                QVERIFY(!QFile::exists(chosen));
                QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
            }
            QCOMPARE(proposed, QStringLiteral("Setup_V_2_10_0.deb"));
        }
    }

    void unverifiedInstallerIsDeletedAndNeverOpened() {
        const QByteArray content = Pattern(200000);
        test::TestSigner stranger("Someone Else <else@vordalis.invalid>");
        QVERIFY(stranger.ok());
        struct Case {
            const char* what;
            Files files;
            QString keyring;      // empty: the keyring the build ships
            bool dropSignature;   // the signature vanishes after the search
            bool changeInstaller; // the installer is replaced after it was signed
            QString expected;
        };
        const QString name = QStringLiteral("Setup_V_2_10_0.deb");
        const QString deleted = QStringLiteral("It was deleted and not opened.");
        const QString notValid =
            QStringLiteral("The signature of the installer Setup_V_2_10_0.deb is not valid. ") + deleted;
        const QString missingKeys = QDir(keys->dir.path()).filePath(QStringLiteral("none.gpg"));
        const QList<Case> cases{
            {"no signature", Signed(name, content), keys->keyring, true, false,
             QStringLiteral(
                 "The installer Setup_V_2_10_0.deb has no signature on the server, so it cannot be "
                 "trusted. ") +
                 deleted},
            {"someone else's key", Signed(name, content, &stranger), keys->keyring, false, false, notValid},
            {"altered installer", Signed(name, content), keys->keyring, false, true, notValid},
            {"shipped keyring lacks the test key", Signed(name, content), QString(), false, false, notValid},
            {"keyring missing", Signed(name, content), missingKeys, false, false,
             QStringLiteral(
                 "The installer Setup_V_2_10_0.deb cannot be checked: the key file %1 is missing. ")
                     .arg(missingKeys) +
                 deleted},
        };
        for (const Case& c : cases) {
            Site site;
            QVERIFY(site.Start(c.files));
            QTemporaryDir programFolder;
            bool opened = false;
            CAutoUpdate wizard(site.Config());
            wizard.setDownloadFolder(programFolder.path());
            if (!c.keyring.isEmpty()) wizard.setKeyring(c.keyring);
            wizard.setInstallerOpener([&](const QString&) { return opened = true; });
            wizard.show();
            QTRY_VERIFY_WITH_TIMEOUT(wizard.nextButton()->isEnabled(), 10000);
            if (c.dropSignature) QVERIFY(QFile::remove(site.Path(name + QStringLiteral(".sig"))));
            if (c.changeInstaller) {
                QFile f(site.Path(name));
                QVERIFY(f.open(QIODevice::ReadWrite));
                f.seek(100000);
                f.write("!");
            }
            QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(wizard.finishButton()->isEnabled(), 10000);
            const QString status = wizard.downloadPage()->status()->text();
            QVERIFY2(status.startsWith(c.expected), qPrintable(QString::fromLatin1(c.what) + ": " + status));
            QVERIFY2(OnlyFinishEnabled(wizard), c.what);
            QVERIFY2(!opened, c.what);
            QVERIFY2(QDir(programFolder.path()).entryList(QDir::Files).isEmpty(), c.what);
            QTest::mouseClick(wizard.finishButton(), Qt::LeftButton);
            QVERIFY2(!wizard.installerStarted(), c.what);
        }
    }

    void refusedLoginShowsTheErrorOnTheSearchPage() {
        Site site;
        QVERIFY(site.Start({{"Setup_V_2_10_0.deb", "x"}}));
        const UpdateConfig refused = site.Config(QStringLiteral("wrong"));

        UpdateChecker checker(refused);
        QSignalSpy spy(&checker, &UpdateChecker::newVersionFound);
        checker.start();
        checker.finish(10000);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0); // the quiet check never bothers the user

        // The wizard also announces the failed connection in a message box; note and close it.
        QString boxText;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxText = box->text();
                box->accept();
            }
        });
        closer.start(20);
        CAutoUpdate wizard(refused);
        wizard.show();
        QTRY_VERIFY_WITH_TIMEOUT(!boxText.isEmpty(), 10000);
        QVERIFY(OnlyFinishEnabled(wizard));
        QVERIFY(wizard.searchPage()->first()->isHidden());
        const QString text = wizard.searchPage()->second()->text();
        QVERIFY2(text.contains(QStringLiteral("Login denied")), qPrintable(text));
        QCOMPARE(boxText, text);
        QTest::mouseClick(wizard.cancelButton(), Qt::LeftButton);
        QVERIFY(!wizard.installerStarted());
    }

    void unreachableServerNeverHoldsUpTheCaller() {
        UpdateConfig c;
        c.product = "Vordalis";
        c.own = CVersion("2.8.0.0");
        c.location = {"10.255.255.1", 21, "u", "p", UpdateFolder("Vordalis")}; // nothing answers there
        auto checker = std::make_unique<UpdateChecker>(c);
        QSignalSpy spy(checker.get(), &UpdateChecker::newVersionFound);
        QElapsedTimer t;
        t.start();
        checker->start();
        QVERIFY(t.elapsed() < 500);
        t.restart();
        checker->finish(100); // the wizard's wait, shortened: the check is cancelled
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
        checker.reset();
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }

    void noticeMenuFollowsTheReportedVersion() {
        QMenuBar bar;
        bar.addMenu(QStringLiteral("File"));
        int runs = 0;
        QMenu* menu = InsertUpdateMenu(&bar, CVersion("2.10.0"), [&] { ++runs; });
        QVERIFY(menu);
        QCOMPARE(bar.actions().last()->menu(), menu);
        QCOMPARE(menu->title(), QStringLiteral("New version available!"));
        QCOMPARE(menu->actions().size(), 1);
        QAction* item = menu->actions().first();
        QCOMPARE(item->text(), QStringLiteral("Update Vordalis to version 2.10.0"));
        QCOMPARE(item->data().toInt(), 59603);
        item->trigger();
        QCOMPARE(runs, 1);

        // Inserting again replaces the menu; version 0 and RemoveUpdateMenu take it away.
        InsertUpdateMenu(&bar, CVersion("2.11.0"), [] {});
        QCOMPARE(bar.actions().size(), 2);
        QCOMPARE(FindUpdateMenu(&bar)->actions().first()->text(),
                 QStringLiteral("Update Vordalis to version 2.11.0"));
        QVERIFY(!InsertUpdateMenu(&bar, CVersion(), [] {}));
        QCOMPARE(bar.actions().size(), 1);
        InsertUpdateMenu(&bar, CVersion("2.11.0"), [] {});
        RemoveUpdateMenu(&bar);
        QVERIFY(!FindUpdateMenu(&bar));
        QCOMPARE(bar.actions().size(), 1);
    }

    void mainWindowGetsItsCommandNoticeAndClose() {
        Site site;
        QVERIFY(site.Start(Signed("Setup_V_2_10_0.deb", "x")));
        QMainWindow frame;
        QMenu* info = frame.menuBar()->addMenu(QStringLiteral("Info"));
        QAction* about = info->addAction(QStringLiteral("About"));
        bool saveAnswer = false;
        int asked = 0, wizards = 0;
        bool wizardStartsInstaller = false;
        auto* hooks = new UpdateHooks(
            &frame, info, about, [&] { return ++asked, saveAnswer; }, site.Config());
        hooks->setWizardRunner([&](QWidget* parent, UpdateChecker* checker) {
            if (parent != &frame || checker != hooks->checker()) return false;
            ++wizards;
            return wizardStartsInstaller;
        });
        frame.show();
        QCOMPARE(info->actions(), (QList<QAction*>{hooks->checkAction(), about}));
        QCOMPARE(hooks->checkAction()->data().toInt(), 2026);

        QSignalSpy reported(hooks->checker(), &UpdateChecker::newVersionFound);
        hooks->start();
        QVERIFY(reported.wait(10000));
        QCoreApplication::processEvents();
        QCOMPARE(hooks->reportedVersion(), CVersion("2.10.0"));
        QMenu* notice = FindUpdateMenu(frame.menuBar());
        QVERIFY(notice);
        QCOMPARE(frame.menuBar()->actions().last()->menu(), notice);

        // A language change rebuilds the notice menu and keeps exactly one.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&frame, &change);
        QCOMPARE(frame.menuBar()->actions().size(), 2);
        QVERIFY(FindUpdateMenu(frame.menuBar()));

        // Cancelling the save question runs nothing; otherwise the wizard runs, and the window
        // closes only when it started an installer.
        hooks->checkAction()->trigger();
        QCOMPARE(asked, 1);
        QCOMPARE(wizards, 0);
        saveAnswer = true;
        hooks->checkAction()->trigger();
        QCOMPARE(wizards, 1);
        QVERIFY(frame.isVisible());
        wizardStartsInstaller = true;
        FindUpdateMenu(frame.menuBar())->actions().first()->trigger();
        QCOMPARE(wizards, 2);
        QVERIFY(!frame.isVisible());
        QVERIFY(!FindUpdateMenu(frame.menuBar()));
    }

    void translatedTextsReachTheWizardAndTheMenu() {
        QTranslator german, germanStrings;
        QVERIFY(german.load(QStringLiteral(UPDATE_TEST_QM_DIR "/update_de.qm")));
        QVERIFY(germanStrings.load(QStringLiteral(UPDATE_TEST_QM_DIR "/strings_de.qm")));
        QCoreApplication::installTranslator(&german);
        QCoreApplication::installTranslator(&germanStrings);
        SetStringTranslator([](Str, const std::u16string& english) {
            return QCoreApplication::translate("Strings",
                                               QString::fromStdU16String(english).toUtf8().constData())
                .toStdU16String();
        });
        // The table's "\r\n" line breaks must survive in the lookup.
        QCOMPARE(UpdateText(Str::NoUpdateAvailable, {QStringLiteral("Vordalis")}),
                 QStringLiteral("Es ist kein Update verf\u00fcgbar. \nSie verwenden bereits die neueste "
                                "Version von Vordalis."));
        QCOMPARE(
            UpdateText(Str::NewerVersionFound,
                       {QStringLiteral("Vordalis"), QStringLiteral("2.10.0"), QStringLiteral("2.8.0")}),
            QStringLiteral(
                "Auf dem Server wurde eine neuere Version von Vordalis gefunden. \n Server-Version: 2.10.0 "
                "\n Ihre Version: 2.8.0"));
        QMenuBar bar;
        QMenu* menu = InsertUpdateMenu(&bar, CVersion("2.10.0"), [] {});
        QCOMPARE(menu->title(), QStringLiteral("Neue Version verf\u00fcgbar!"));
        CAutoUpdate wizard(UpdateConfig{});
        QCOMPARE(wizard.nextButton()->text(), QStringLiteral("Weiter >"));
        QCOMPARE(wizard.finishButton()->text(), QStringLiteral("Fertig stellen"));
        QCOMPARE(wizard.searchPage()->title()->text(), QStringLiteral("Suche nach Updates..."));
        SetStringTranslator(nullptr);
        QCoreApplication::removeTranslator(&germanStrings);
        QCoreApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(UpdateFtpTest)
#include "UpdateFtpTest.moc"
