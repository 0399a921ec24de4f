// The loader against the simulated instrument: listing, loading the ticked object into
// "Tamlo.vdo" (packed, plain and raw), a silent instrument, a foreign object, languages, the
// running lock.
#include "ondralink/TransferFixture.h"
#include "runninglock/RunningLock.h"
#include "tamlo/CTamloDlg.h"
#include "transfer/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <signal.h>

using namespace transfer_test;
using vordalis::CTamloDlg;
using vordalis::transfer::MessageAnswer;
using vordalis::transfer::MessageButtons;
using vordalis::transfer::MessageIcon;
using vordalis::transfer::TransferDialogLogic;

namespace {

QString ResultPath() {
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Tamlo.vdo"));
}

// The dialog answers its messages through recorder (when given) and waits firstByteTicks
// 120 ms ticks for an object's first byte (the usual 125 when 0).
std::unique_ptr<CTamloDlg> StartDialog(MessageRecorder* recorder = nullptr, int firstByteTicks = 0) {
    auto dialog = std::make_unique<CTamloDlg>();
    if (recorder) recorder->Attach(*dialog);
    dialog->Logic().SetFirstByteTicks(firstByteTicks);
    if (!dialog->Initialise()) return nullptr;
    dialog->show();
    return dialog;
}

} // namespace

class TamloTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vordalis::settings::WriteDword(vordalis::settings::kLanguage, 0);
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, u"/data/site");
        QFile::remove(ResultPath());
    }

    void loadsTickedObject_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("trailer");
        QTest::newRow("packed list") << "100123"
                                     << "100123.vdo" << kLabel + "\x1A";
        QTest::newRow("raw bar scan") << "200101"
                                      << "200101.B"
                                      << "\r\n" + kLabel + "200101";
        QTest::newRow("packed raster in a folder") << "300202"
                                                   << "MEAS/300202.vdo" << kLabel + "\x06";
    }

    void loadsTickedObject() {
        QFETCH(QString, item);
        QFETCH(QString, stored);
        QFETCH(QByteArray, trailer);
        QTemporaryDir store;
        FillCoverStore(store.path());
        Instrument instrument(store.path());
        MessageRecorder recorder;
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);

        QCOMPARE(dialog->InstrumentName()->text(), QStringLiteral("Vernoskant 5"));
        QCOMPARE(dialog->PortList()->currentText(), QStringLiteral("COM1: Vernoskant 5"));
        QCOMPARE(TreeTexts(dialog->TreeWidget()),
                 QStringList({"Vernoskant 5", "  100123", "  200101", "  MEAS", "    300202"}));
        QCOMPARE(dialog->StatusField()->text(), QStringLiteral(" Select an object"));
        QVERIFY(!dialog->AbortButton()->isEnabled());

        QTreeWidgetItem* object = FindItem(dialog->TreeWidget(), item);
        QVERIFY(object);
        object->setCheckState(0, Qt::Checked);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 15000);

        QVERIFY2(recorder.messages.empty(),
                 recorder.messages.empty() ? "" : recorder.messages[0].text.c_str());
        QCOMPARE(dialog->Logic().Mode(), int(TransferDialogLogic::kFinished));
        QCOMPARE(dialog->StatusField()->text(), QStringLiteral(" o.k."));
        // The object as stored on the instrument, then the identification trailer.
        QCOMPARE(ReadFile(ResultPath()), ReadFile(store.filePath(stored)) + trailer);
        QVERIFY(!QFile::exists(QDir(QDir::tempPath()).filePath("{$}TMP.{$}")));
        QCOMPARE(vordalis::settings::ReadString(vordalis::settings::kDataFolder, u""),
                 std::u16string(u"/data/site"));
    }

    void noDataOffersRetryAndCancel() {
        QTemporaryDir store;
        WriteFile(store.path() + "/100999.vdo", QByteArray()); // accepted, but nothing is sent
        Instrument instrument(store.path(), {"--send", "plain"});
        MessageRecorder recorder({MessageAnswer::Retry, MessageAnswer::Cancel});
        auto dialog = StartDialog(&recorder, 3);
        QVERIFY(dialog);
        FindItem(dialog->TreeWidget(), "100999")->setCheckState(0, Qt::Checked);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.messages.size(), size_t(2), 10000);
        for (const Message& m : recorder.messages) {
            QCOMPARE(QString::fromStdString(m.text),
                     QStringLiteral("Data not valid or data transmission error"));
            QCOMPARE(m.buttons, MessageButtons::RetryCancel);
            QCOMPARE(m.icon, MessageIcon::Exclamation);
        }
        // Cancel: idle again, nothing left behind, the dialog stays open.
        QTRY_COMPARE(dialog->Logic().Mode(), int(TransferDialogLogic::kIdle));
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(ResultPath()));
        QVERIFY(!dialog->AbortButton()->isEnabled());
    }

    void foreignObjectFailsValidation() {
        QTemporaryDir store;
        // A corrosion object whose first word is all figures is not one of the family's objects.
        WriteFile(store.path() + "/123456.vdo", "123456\tcorrosion grid\r\n12\t14\r\n\x1A");
        Instrument instrument(store.path(), {"--id-answer", "MELOX; 33-0101; 2.0"});
        MessageRecorder recorder;
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);
        QCOMPARE(TreeTexts(dialog->TreeWidget()), QStringList({"Melox", "  123456"}));
        FindItem(dialog->TreeWidget(), "123456")->setCheckState(0, Qt::Checked);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.messages.size(), size_t(1), 10000);
        QCOMPARE(QString::fromStdString(recorder.messages[0].text),
                 QStringLiteral("Data not valid or data transmission error"));
        QCOMPARE(recorder.messages[0].icon, MessageIcon::Exclamation);
        QTRY_COMPARE(dialog->Logic().Mode(), int(TransferDialogLogic::kIdle));
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(ResultPath()));
    }

    void germanTexts() {
        vordalis::settings::WriteDword(vordalis::settings::kLanguage, 2);
        QTemporaryDir store;
        FillCoverStore(store.path());
        Instrument instrument(store.path());
        auto dialog = StartDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Laden V3.4.0"));
        QCOMPARE(dialog->findChildren<QGroupBox*>().at(0)->title(), QStringLiteral("&Schnittstelle"));
        QCOMPARE(dialog->CloseButton()->text(), QStringLiteral("S&chließen"));
        QCOMPARE(dialog->AbortButton()->text(), QStringLiteral("A&bbrechen"));
        QCOMPARE(dialog->StatusField()->text(), QStringLiteral(" Wählen Sie ein Objekt"));
    }

    void noSerialPortEndsTheDialog() {
        qputenv("VORDALIS_SERIAL_PORTS", "/nonexistent/tty0");
        MessageRecorder recorder;
        CTamloDlg dialog;
        recorder.Attach(dialog);
        QVERIFY(!dialog.Initialise());
        QCOMPARE(recorder.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(recorder.messages[0].text).startsWith("No serial ports available."));
        QCOMPARE(recorder.messages[0].icon, MessageIcon::Error);
    }

    // Either program holding the lock keeps every other start to a beep; a killed holder
    // leaves nothing held.
    void secondStartOnlyBeeps() {
        QTemporaryDir store;
        FillCoverStore(store.path());
        Instrument instrument(store.path());
        QVERIFY(!vordalis::RunningLock::IsHeld());
        QProcess first;
        first.start(QStringLiteral(TAMLO_PROGRAM), {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(vordalis::RunningLock::IsHeld(), 10000);
        for (const char* program : {TAMLO_PROGRAM, ONDRALINK_PROGRAM}) {
            QProcess second;
            second.start(QString::fromLatin1(program), {});
            QVERIFY(second.waitForFinished(3000));
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
        }
        QCOMPARE(first.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(3000));
        QVERIFY(!vordalis::RunningLock::IsHeld());
        vordalis::RunningLock lock;
        QVERIFY(lock.TryAcquire());
    }
};

int main(int argc, char** argv) {
    IsolateEnvironment();
    QApplication app(argc, argv);
    vordalis::UseQSettingsBackend();
    TamloTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TamloTest.moc"
