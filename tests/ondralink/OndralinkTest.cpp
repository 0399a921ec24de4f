// The transfer tool against the simulated instrument: saving every ticked object in tree order
// into mirrored folders, the overwrite question, the folder field, Escape while editing.
#include "ondralink/CTransferDlg.h"
#include "ondralink/TransferFixture.h"
#include "ondralink/common/QtTreeControl.h"
#include "transfer/TreeControl.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using namespace transfer_test;
using vordalis::CTransferDlg;
using vordalis::transfer::MessageAnswer;
using vordalis::transfer::MessageButtons;
using vordalis::transfer::MessageIcon;
using vordalis::transfer::TransferDialogLogic;

namespace {

// The shared cover store and a second list, 100456, in folder MEAS.
void FillCoverStoreWithTwoInMeas(const QString& store) {
    FillCoverStore(store);
    WriteFile(store + "/MEAS/100456.vdo",
              Sample("list_imperial.vdo").replace("Vernoskant5\t7\t", "Vernoskant5\t100456\t"));
}

std::unique_ptr<CTransferDlg> StartDialog(MessageRecorder* recorder = nullptr) {
    auto dialog = std::make_unique<CTransferDlg>();
    if (recorder) recorder->Attach(*dialog);
    if (!dialog->Initialise()) return nullptr;
    dialog->show();
    return dialog;
}

void AllItems(QTreeWidgetItem* item, QList<QTreeWidgetItem*>& out) {
    out << item;
    for (int i = 0; i < item->childCount(); ++i) AllItems(item->child(i), out);
}

// A 10 ms timer on the window's thread that notes the longest it had to wait between two
// shots. A thread beside it ticks every 2 ms: where that one stood still too, the whole
// machine did (a busy or paused virtual machine), and that stretch does not count.
class LatencyProbe {
public:
    using Clock = std::chrono::steady_clock;
    LatencyProbe() {
        reference_ = std::thread([this] {
            while (!stop_) {
                {
                    std::lock_guard<std::mutex> guard(lock_);
                    ticks_.push_back(Clock::now());
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ++shots_;
            const Clock::time_point now = Clock::now();
            const auto gap = now - last_ - MachineStall(last_, now);
            longest_ = std::max<qint64>(longest_,
                                        std::chrono::duration_cast<std::chrono::milliseconds>(gap).count());
            last_ = now;
        });
        last_ = Clock::now();
        timer_.start();
    }
    ~LatencyProbe() {
        stop_ = true;
        reference_.join();
    }
    qint64 LongestMs() const { return longest_; }
    int Shots() const { return shots_; }

private:
    // The longest stretch within [from, to] in which the reference thread did not tick.
    Clock::duration MachineStall(Clock::time_point from, Clock::time_point to) {
        std::lock_guard<std::mutex> guard(lock_);
        Clock::duration longest{};
        Clock::time_point previous = from;
        for (const Clock::time_point tick : ticks_) {
            if (tick <= from) continue;
            longest = std::max(longest, std::min(tick, to) - previous);
            previous = tick;
            if (tick >= to) break;
        }
        return std::max(longest, to - previous);
    }

    QTimer timer_;
    std::thread reference_;
    std::atomic<bool> stop_ = false;
    std::mutex lock_;
    std::vector<Clock::time_point> ticks_;
    Clock::time_point last_;
    qint64 longest_ = 0;
    int shots_ = 0;
};

} // namespace

class OndralinkTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vordalis::settings::WriteDword(vordalis::settings::kLanguage, 0);
        QFile::remove(QDir(QDir::tempPath()).filePath("Tamlo.vdo"));
    }

    void savesTickedObjectsInTreeOrder() {
        QTemporaryDir store, out;
        FillCoverStoreWithTwoInMeas(store.path());
        // An older copy of the first object is kept when the question is answered No.
        WriteFile(out.path() + "/100123.vdo", "old");
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, out.path().toStdU16String());
        Instrument instrument(store.path());
        MessageRecorder recorder({MessageAnswer::No});
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Ondralink V3.4.0"));
        QCOMPARE(dialog->FolderField()->text(), out.path());
        QCOMPARE(TreeTexts(dialog->TreeWidget()),
                 QStringList({"Vernoskant 5", "  100123", "  200101", "  MEAS", "    100456", "    300202"}));
        QList<QTreeWidgetItem*> items;
        AllItems(dialog->TreeWidget()->topLevelItem(0), items);
        for (QTreeWidgetItem* item : items) QCOMPARE(item->checkState(0), Qt::Checked);
        QTRY_VERIFY(dialog->SaveButton()->isEnabled());
        QVERIFY(!dialog->AbortButton()->isEnabled());
        QCOMPARE(dialog->StatusField()->text(), QStringLiteral(" Ready for data transfer"));

        QStringList order;
        connect(dialog->TreeWidget(), &QTreeWidget::currentItemChanged, this,
                [&order](QTreeWidgetItem* current) { order << (current ? current->text(0) : QString()); });
        const int beeps = dialog->BeepCount();
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QVERIFY(dialog->AbortButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Logic().Mode() == TransferDialogLogic::kIdle, 20000);

        QCOMPARE(order, QStringList({"100123", "200101", "100456", "300202"}));
        QCOMPARE(recorder.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(recorder.messages[0].text),
                 QStringLiteral("File 100123.vdo already exists! Delete?"));
        QCOMPARE(recorder.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(ReadFile(out.path() + "/100123.vdo"), QByteArray("old"));
        QCOMPARE(ReadFile(out.path() + "/200101.vdo"),
                 ReadFile(store.path() + "/200101.B") + "\r\n" + kLabel + "200101");
        QCOMPARE(ReadFile(out.path() + "/MEAS/300202.vdo"),
                 ReadFile(store.path() + "/MEAS/300202.vdo") + kLabel + "\x06");
        QVERIFY(QFile::exists(out.path() + "/MEAS/100456.vdo"));
        QVERIFY(!QFile::exists(out.path() + "/{$}TMP.{$}") &&
                !QFile::exists(out.path() + "/MEAS/{$}TMP.{$}"));
        // The end of the list is announced with a beep (besides the question's own).
        QVERIFY(dialog->BeepCount() >= beeps + 2);

        // Saved objects show the saved image and nothing is ticked any more; the one kept
        // back stays ticked.
        for (const char* name : {"200101", "100456", "300202"}) {
            QTreeWidgetItem* item = FindItem(dialog->TreeWidget(), name);
            QCOMPARE(item->checkState(0), Qt::Unchecked);
            QVERIFY(vordalis::QtTreeControl::ImageOf(item) >= vordalis::transfer::kImageSavedObject);
        }
        QCOMPARE(FindItem(dialog->TreeWidget(), "100123")->checkState(0), Qt::Checked);
        QCOMPARE(vordalis::QtTreeControl::ImageOf(FindItem(dialog->TreeWidget(), "100123")),
                 int(vordalis::transfer::kImageObjectWithExtension));
    }

    // An object listed under a name that would leave the data folder is refused with a
    // message; the ticked objects after it are saved all the same.
    void refusedNameLeavesTheOtherObjects() {
        QTemporaryDir store, out;
        FillCoverStoreWithTwoInMeas(store.path());
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, out.path().toStdU16String());
        Instrument instrument(store.path(), {"--list-as", "100123.vdo=../escape.vdo"});
        MessageRecorder recorder;
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->SaveButton()->isEnabled());
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Logic().Mode() == TransferDialogLogic::kIdle, 20000);

        QCOMPARE(recorder.messages.size(), size_t(1));
        QVERIFY2(recorder.messages[0].text.find("cannot be used as a file or folder name") !=
                     std::string::npos,
                 recorder.messages[0].text.c_str());
        QVERIFY(!QFile::exists(QFileInfo(out.path()).dir().filePath("escape.vdo")));
        for (const char* saved : {"/200101.vdo", "/MEAS/100456.vdo", "/MEAS/300202.vdo"})
            QVERIFY2(QFile::exists(out.path() + saved), saved);
        QVERIFY(!QFile::exists(out.path() + "/{$}TMP.{$}"));
        // The refused object (listed first) stays ticked; the saved ones are ticked off.
        QCOMPARE(dialog->TreeWidget()->topLevelItem(0)->child(0)->checkState(0), Qt::Checked);
        for (const char* saved : {"200101", "100456", "300202"})
            QCOMPARE(FindItem(dialog->TreeWidget(), saved)->checkState(0), Qt::Unchecked);
    }

    void folderField() {
        QTemporaryDir store, first, second;
        FillCoverStoreWithTwoInMeas(store.path());
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, first.path().toStdU16String());
        Instrument instrument(store.path());
        MessageRecorder recorder;
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QLineEdit* field = dialog->FolderField();

        // A folder that does not exist is refused and the old one returns.
        field->setFocus();
        QTRY_VERIFY(dialog->Logic().Editing());
        const QString missing = first.path() + "/no/such/folder";
        field->setText(missing);
        dialog->CloseButton()->setFocus();
        QTRY_VERIFY(!dialog->Logic().Editing());
        QCOMPARE(recorder.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(recorder.messages[0].text),
                 QStringLiteral("Folder %1 does not exist").arg(missing));
        QCOMPARE(recorder.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(field->text(), first.path());

        // An existing folder (one trailing slash dropped) becomes the data folder.
        field->setFocus();
        QTRY_VERIFY(dialog->Logic().Editing());
        field->setText(second.path() + "/");
        dialog->CloseButton()->setFocus();
        QTRY_VERIFY(!dialog->Logic().Editing());
        QCOMPARE(field->text(), second.path());
        QCOMPARE(QString::fromStdString(dialog->Logic().DataFolder()), second.path());

        // Escape while editing only reverts the field.
        field->setFocus();
        QTRY_VERIFY(dialog->Logic().Editing());
        field->setText("/typed/but/not/taken");
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(field->text(), second.path());

        // Closing stores the data folder.
        dialog->CloseButton()->setFocus();
        QTRY_VERIFY(!dialog->Logic().Editing());
        QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(
            QString::fromStdU16String(vordalis::settings::ReadString(vordalis::settings::kDataFolder, u"")),
            second.path());
    }

    // The window's thread never waits for the line: not while a port without instrument is
    // asked for its identity (1 s at the start and again every 3.5 s), not while a slow object
    // arrives at 9600 baud.
    void windowAnswersWhileTheLinkWaits() {
        QTemporaryDir store, out;
        WriteFile(store.path() + "/100777", QByteArray(2999, '5') + "\x06"); // 3.1 s at 9600 baud
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, out.path().toStdU16String());
        {
            Instrument silent(store.path(), {"--fault", "silent"});
            MessageRecorder recorder;
            CTransferDlg dialog;
            recorder.Attach(dialog);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            LatencyProbe probe;
            QElapsedTimer took;
            took.start();
            QVERIFY(dialog.Initialise());
            QVERIFY(took.elapsed() >= 1000); // the identification waited for its answer
            QTest::qWait(4000);              // and once more on the 3.5 s timer
            QVERIFY(recorder.messages.empty());
            QVERIFY(probe.Shots() > 100);
            QVERIFY2(probe.LongestMs() <= 100, QByteArray::number(probe.LongestMs()));
        }
        Instrument slow(store.path(), {"--pace", "--rates", "none", "--send", "plain"});
        MessageRecorder recorder;
        auto dialog = StartDialog(&recorder);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->SaveButton()->isEnabled());
        LatencyProbe probe;
        QElapsedTimer took;
        took.start();
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Logic().Mode() == TransferDialogLogic::kIdle, 20000);
        QVERIFY(took.elapsed() >= 3000);
        QVERIFY(recorder.messages.empty());
        QCOMPARE(ReadFile(out.path() + "/100777.vdo"), ReadFile(store.path() + "/100777") + kLabel + "\x06");
        QVERIFY2(probe.LongestMs() <= 100, QByteArray::number(probe.LongestMs()));
    }

    void noComPortEndsTheDialog() {
        qputenv("VORDALIS_SERIAL_PORTS", "/nonexistent/tty0");
        MessageRecorder recorder;
        CTransferDlg dialog;
        recorder.Attach(dialog);
        QVERIFY(!dialog.Initialise());
        QCOMPARE(recorder.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(recorder.messages[0].text), QStringLiteral("No COM port found!"));
    }
};

int main(int argc, char** argv) {
    IsolateEnvironment();
    QApplication app(argc, argv);
    vordalis::UseQSettingsBackend();
    OndralinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OndralinkTest.moc"
