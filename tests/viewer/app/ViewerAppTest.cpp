// The viewer driven through its real widgets under the offscreen platform.
#include "ViewerTest.h"
#include "app/CBorderSetup.h"
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "app/CTitleDlg.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/ReportCommands.h"
#include "app/WindowPlacement.h"
#include "dialogs/ObjectDialogs.h"
#include "model/Strings.h"
#include "settings/Settings.h"
#include "settings/qt/QSettingsBackend.h"
#include "viewer/model/TestObject.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

using namespace vordalis;

class ViewerAppTest : public vordalis::test::ViewerTest {
    Q_OBJECT

    QTemporaryDir files_;

    bool Enabled(int id) {
        Frame()->UpdateCommandUI();
        return Frame()->Action(id)->isEnabled();
    }
    bool Checked(int id) {
        Frame()->UpdateCommandUI();
        return Frame()->Action(id)->isChecked();
    }
    QVariant Setting(const QString& key) {
        QSettings s("Morvex", "Vordalis");
        return s.value(key);
    }
    void SetSetting(const QString& key, const QVariant& value) {
        QSettings s("Morvex", "Vordalis");
        s.setValue(key, value);
    }

private slots:
    void initTestCase() { UsePrivateSettings(); }

    void init() {
        WatchModals();
        QSettings s("Morvex", "Vordalis");
        s.clear();
        s.sync();
    }

    void cleanup() { StopAndExpectNoMessages(); }

    void commandLineRule_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("file");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("dash option") << "-x a.vdo"
                                     << "";
        QTest::newRow("slash option first") << "/p a.vdo"
                                            << "";
        QTest::newRow("slash option after a blank") << "a.vdo /p"
                                                    << "a.vdo";
        QTest::newRow("blanks in the name") << "my file.vdo /dde x"
                                            << "my file.vdo";
        QTest::newRow("quoted") << "\"my file.vdo\""
                                << "my file.vdo";
        QTest::newRow("absolute path") << "/home/u/a.vdo"
                                       << "/home/u/a.vdo";
        QTest::newRow("absolute path, option") << "/home/u/a.vdo /p"
                                               << "/home/u/a.vdo";
    }
    void commandLineRule() {
        QFETCH(QString, line);
        QFETCH(QString, file);
        QCOMPARE(QString::fromStdString(FileFromCommandLine(line.toStdString())), file);
    }

    void opensTheCommandLineFile() {
        // The view moves to "DataFolder" at start; a relative name still means the start folder.
        settings::WriteString(settings::kDataFolder, files_.path().toStdU16String());
        Start(QDir::current().relativeFilePath(Sample("list_metric.vdo")));
        QVERIFY(Obj());
        QCOMPARE(Obj()->type, int(kTypeCoverList));
        QVERIFY(Frame()->windowTitle().startsWith("list_metric.vdo"));
        QVERIFY(Enabled(cmd::Save) && Enabled(cmd::Print) && Enabled(cmd::Copy));
        QCOMPARE(app_->RecentFiles().value(0), Sample("list_metric.vdo"));
        Stop();

        Start("/p " + Sample("list_metric.vdo"));
        QVERIFY(!Obj());
        QVERIFY(!Enabled(cmd::Save) && !Enabled(cmd::Chart) && !Enabled(cmd::Copy));
        QVERIFY(Enabled(cmd::Open) && Enabled(cmd::CreateSummary) && Enabled(cmd::English));
    }

    void invalidFileLeavesAnEmptyDocument() {
        QString path = files_.filePath("broken.vdo");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Vernoskant5 but nothing else\r\n");
        f.close();
        Start(path);
        QCOMPARE(watcher_->TakeMessages(), QStringList{path + ":\nObject empty or not valid"});
        QVERIFY(!Obj());
        QVERIFY(Frame()->windowTitle().startsWith("Untitled"));
        QVERIFY(app_->RecentFiles().isEmpty());
    }

    // Whichever way a file fails to open, the object on screen stays and the message says why.
    void failedOpenKeepsTheDocument() {
        QString broken = files_.filePath("broken.vdo");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Vernoskant5 but nothing else\r\n");
        f.close();
        QString gone = files_.filePath("gone.vdo");
        QFile::remove(gone);
        QVERIFY(QFile::copy(Sample("bars_metric.vdo"), gone));
        QString folder = files_.filePath("folder.vdo");
        QVERIFY(QDir().mkpath(folder));
        Start(gone);
        QVERIFY(app_->OpenDocumentFile(Sample("list_metric.vdo")));
        Doc()->SetModifiedFlag(true);
        QVERIFY(QFile::remove(gone));
        TBasicObj* shown = Obj();
        auto dropFile = [this](const QString& path) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Frame(), &enter);
            QDropEvent ev(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Frame(), &ev);
        };
        struct Case {
            const char* how;
            QString path;
            QString message;
            std::function<void()> open;
        };
        const QList<Case> cases = {
            {"recent file deleted", gone, gone + ":\nNo such file or directory",
             [this, gone] {
                 // The File menu's entry of the deleted file.
                 QAction* recent = nullptr;
                 for (QAction* a : Frame()->menuBar()->actions().value(0)->menu()->actions())
                     if (a->statusTip() == gone) recent = a;
                 QVERIFY(recent);
                 recent->trigger();
             }},
            {"damaged file", broken, broken + ":\nObject empty or not valid",
             [this, broken] { app_->OpenDocumentFile(broken); }},
            {"dropped damaged file", broken, broken + ":\nObject empty or not valid",
             [&dropFile, broken] { dropFile(broken); }},
            {"folder", folder, folder + ":\nIs a directory",
             [this, folder] { app_->OpenDocumentFile(folder); }},
        };
        for (const Case& c : cases) {
            c.open();
            // Asked first (and answered No), the changes stay in the window.
            const QStringList boxes = watcher_->TakeMessages();
            QVERIFY2(boxes == (QStringList{"Save changes to list_metric.vdo?", c.message}),
                     qPrintable(c.how + (": " + boxes.join(" | "))));
            QVERIFY2(Obj() == shown, c.how);
            QVERIFY2(Doc()->IsModified(), c.how);
            QVERIFY2(Frame()->windowTitle().startsWith("list_metric.vdo"), c.how);
            QCOMPARE(Doc()->PathName(), Sample("list_metric.vdo"));
        }
        // The deleted file left the recent list; the others never joined it.
        QCOMPARE(app_->RecentFiles(), QStringList{Sample("list_metric.vdo")});
    }

    void droppedFiles() {
        QString upper = files_.filePath("LIST.VDO");
        QFile::remove(upper);
        QVERIFY(QFile::copy(Sample("list_metric.vdo"), upper));
        QString text = files_.filePath("notes.txt");
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("not an object");
        t.close();
        Start("");
        auto drop = [this](const QStringList& paths) {
            DragEnter(paths);
            Drop(paths);
        };
        drop({text});
        QVERIFY(!Obj());
        drop({text, upper}); // only the first file counts
        QVERIFY(!Obj());
        drop({upper, text});
        QVERIFY(Obj());
        QVERIFY(Frame()->windowTitle().startsWith("LIST.VDO"));
    }

    void viewCommandsAndEnabling() {
        Start(Sample("list_metric.vdo"));
        QVERIFY(Checked(cmd::Chart) && Checked(cmd::Axis) && !Checked(cmd::Frame) && Checked(cmd::Spectral));
        QVERIFY(!Doc()->IsModified());

        // Axis while axis is on and frame off does nothing.
        Trigger(cmd::Axis);
        QVERIFY(!Doc()->IsModified());
        Trigger(cmd::Frame);
        QVERIFY(Checked(cmd::Frame) && !Checked(cmd::Axis));
        QVERIFY(Obj()->Options() & opts::kFrame);
        QVERIFY(Doc()->IsModified());
        Trigger(cmd::Axis);
        QVERIFY(Checked(cmd::Axis) && !Checked(cmd::Frame));

        Trigger(cmd::Grid);
        QVERIFY(Checked(cmd::Grid) && (Obj()->Options() & opts::kGrid));
        Trigger(cmd::Grayscale);
        QVERIFY(Checked(cmd::Grayscale) && !Checked(cmd::Spectral));
        QCOMPARE(opts::ColourMode(Obj()->Options()), opts::kGrayscale);

        Trigger(cmd::Values);
        QVERIFY(Checked(cmd::Values) && (Obj()->Options() & opts::kValues));
        Trigger(cmd::Statistics);
        QVERIFY(!Checked(cmd::Statistics) && !(Obj()->Options() & opts::kStatistics));

        // Without the chart, its sub-commands are unavailable.
        Trigger(cmd::Chart);
        QVERIFY(!Checked(cmd::Chart) && !(Obj()->Options() & opts::kChart));
        for (int id : {cmd::Values, cmd::Axis, cmd::Frame, cmd::Grid, cmd::Grayscale, cmd::Spectral})
            QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
        int32_t before = Obj()->Options();
        Frame()->OnCommand(cmd::Values);
        Paint();
        QCOMPARE(Obj()->Options(), before);
        QVERIFY(Enabled(cmd::Table) && Enabled(cmd::EnableValueChange) && !Enabled(cmd::Settings));

        // mm Scale is stored at once.
        Trigger(cmd::MmScale);
        QVERIFY(Checked(cmd::MmScale));
        QCOMPARE(settings::ReadDword(settings::kMmScale, 0), 1);
        QVERIFY(Obj()->mmScale);
    }

    void storedOptionsIgnoreTheDefaultsUntilChanged() {
        // A cover list that stores its own options: chart, table, frame, grayscale.
        const int32_t stored = opts::kHeader | opts::kChart | opts::kTable | opts::kFrame |
                               opts::WithColourMode(0, opts::kGrayscale);
        QString path = files_.filePath("stored.vdo");
        {
            NexoloDocument d;
            QVERIFY(d.Load(QFile::encodeName(Sample("list_metric.vdo")).toStdString()));
            d.Object()->SetOptions(stored);
            QVERIFY(d.Store(QFile::encodeName(path).toStdString()));
        }
        // The list category's default: everything plus grid, green/red.
        const int32_t mode0 = opts::kHeader | opts::kChart | opts::kStatistics | opts::kTable | opts::kAxis |
                              opts::kGrid | opts::WithColourMode(0, opts::kGreenRed);
        settings::WriteDword(settings::ModeName(0), opts::PackOptions(mode0));

        Start(Sample("list_metric.vdo")); // stores no options: the default applies
        const int32_t bits16And17 = opts::kValueChange | opts::kBit17;
        QCOMPARE(Obj()->Options() & ~bits16And17,
                 (mode0 | opts::kLimitFromInstrument | opts::kRangeFromInstrument) & ~bits16And17);
        QVERIFY(Checked(cmd::Grid) && Checked(cmd::GreenRed));
        Stop();

        Start(path);
        QCOMPARE(Obj()->Options(), stored);
        QVERIFY(Checked(cmd::Frame) && Checked(cmd::Grayscale) && !Checked(cmd::Grid) &&
                !Checked(cmd::Statistics));
        Stop();
        QCOMPARE(settings::ReadDword(settings::ModeName(0), 0),
                 opts::PackOptions(mode0 | opts::kLimitFromInstrument | opts::kRangeFromInstrument |
                                   opts::kBit17));

        // Changing an option makes the object's options the category default, stored on close.
        Start(path);
        Trigger(cmd::Spectral);
        const int32_t expected = (opts::WithColourMode(stored, opts::kSpectral) & ~opts::kValueChange) |
                                 opts::kLimitFromInstrument | opts::kRangeFromInstrument | opts::kBit17;
        QCOMPARE(View()->Options().defaults[0], expected);
        Stop();
        QCOMPARE(settings::ReadDword(settings::ModeName(0), 0), opts::PackOptions(expected));
        QVERIFY(!Setting("Settings/DataFolder").toString().isEmpty());
    }

    void readOutPanesAndHints() {
        Start(Sample("list_metric.vdo"));
        Frame()->resize(1000, 2400);
        QTest::qWait(50);
        Paint();
        QLabel* position = Frame()->Pane(cmd::PanePosition);
        QLabel* value = Frame()->Pane(cmd::PaneValue);
        QLabel* alarm = Frame()->Pane(cmd::PaneAlarm);
        QWidget* port = View()->viewport();

        // Over the page header: the title hint, no read-out.
        QTest::mouseMove(port, View()->FromChart(QPoint(400, 90)));
        QCOMPARE(Frame()->statusBar()->currentMessage(), QString("Double click to modify title/remarks"));
        QVERIFY(position->text().isEmpty() && value->text().isEmpty());

        // Somewhere on the page a list entry: "N:<entry>" and its cover in mm; some entries
        // of this sample lie below its limit of 25 mm and raise the alarm.
        QRegularExpression entry("^N:(\\d+)$"), cover("^ *(\\d+) mm$");
        int entries = 0, alarms = 0;
        for (int y = 200; y < 2400; y += 8) {
            for (int x = 60; x < 1660; x += 24) {
                QTest::mouseMove(port, View()->FromChart(QPoint(x, y)));
                auto e = entry.match(position->text());
                if (!e.hasMatch()) continue;
                if (value->text().isEmpty()) continue; // an entry without a reading
                auto c = cover.match(value->text());
                QVERIFY2(c.hasMatch(), qPrintable(value->text()));
                ++entries;
                bool below = c.captured(1).toInt() < 25;
                QCOMPARE(alarm->text() == " A ", below);
                alarms += below;
                // With value change off the value hint stays empty.
                QVERIFY(Frame()->statusBar()->currentMessage().isEmpty());
            }
        }
        QVERIFY(entries > 0);
        QVERIFY(alarms > 0);

        Trigger(cmd::EnableValueChange);
        bool hinted = false;
        for (int y = 200; y < 2400 && !hinted; y += 8) {
            for (int x = 60; x < 1660 && !hinted; x += 24) {
                QTest::mouseMove(port, View()->FromChart(QPoint(x, y)));
                hinted = entry.match(position->text()).hasMatch();
            }
        }
        QVERIFY(hinted);
        QCOMPARE(Frame()->statusBar()->currentMessage(), QString("Double click to modify value"));

        // Once the mouse has left the view, the timer clears the read-out and the hint.
        QCursor::setPos(Frame()->mapToGlobal(QPoint(-50, -50)));
        QTRY_VERIFY(position->text().isEmpty());
        QVERIFY(value->text().isEmpty() && alarm->text().isEmpty());
        QVERIFY(Frame()->statusBar()->currentMessage().isEmpty());
    }

    void titleDialogRoundTrip() {
        Start(Sample("list_metric.vdo"));
        const std::u16string oldRemarks = Obj()->remarks;
        // Cancel changes nothing.
        {
            watcher_->SetHandler([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
            Trigger(cmd::TitleAndRemarks);
        }
        QVERIFY(!Doc()->IsModified());

        // A 20-character title from a file is shown, but OK waits until it fits 19.
        Obj()->SetTitle(u"ABCDEFGHIJKLMNOPQRST");
        int step = 0;
        watcher_->SetHandler([&](QWidget* w) {
            auto* dlg = qobject_cast<CTitleDlg*>(w);
            QVERIFY(dlg && dlg->GetFamily() == CTitleDlg::Family::Cover);
            auto* title = dlg->findChild<QLineEdit*>("title");
            QCOMPARE(title->text(), QString("ABCDEFGHIJKLMNOPQRST"));
            dlg->accept(); // refused: the message box comes first
            ++step;
            QVERIFY(dlg->isVisible());
            title->setText("Slab 7");
            dlg->findChild<QLineEdit*>("name")->setText("Inspector");
            dlg->accept();
            ++step;
        });
        Trigger(cmd::TitleAndRemarks);
        QCOMPARE(step, 2);
        QCOMPARE(watcher_->TakeMessages(), QStringList{"Enter no more than 19 characters."});
        QCOMPARE(Obj()->title, std::u16string(u"Slab 7"));
        QCOMPARE(Obj()->name, std::u16string(u"Inspector"));
        QCOMPARE(Obj()->remarks, oldRemarks);
        QVERIFY(Doc()->IsModified());
    }

    void reboundTitleDialog() {
        Start(Sample("rebound_median.vdo"));
        QVERIFY(Obj() && Obj()->type == kTypeReboundSeries);
        {
            watcher_->SetHandler([](QWidget* w) {
                auto* dlg = qobject_cast<CTitleDlg*>(w);
                QVERIFY(dlg && dlg->GetFamily() == CTitleDlg::Family::Rebound);
                qobject_cast<QDialog*>(w)->reject();
            });
            Trigger(cmd::TitleAndRemarks);
        }
        QVERIFY(!Doc()->IsModified());
        // Dialog 147 takes 20 characters and the time of day.
        watcher_->SetHandler([](QWidget* w) {
            w->findChild<QLineEdit*>("title")->setText("ABCDEFGHIJKLMNOPQRSTUV");
            w->findChild<QTimeEdit*>("time")->setTime(QTime(13, 45, 10));
            qobject_cast<QDialog*>(w)->accept();
        });
        Trigger(cmd::TitleAndRemarks);
        QCOMPARE(Obj()->title, std::u16string(u"ABCDEFGHIJKLMNOPQRST"));
        DateParts parts;
        QVERIFY(Obj()->GetDate().Parts(parts));
        QCOMPARE(parts.hour * 3600 + parts.minute * 60 + parts.second, 13 * 3600 + 45 * 60 + 10);
        QVERIFY(Doc()->IsModified());
        QVERIFY(!Enabled(cmd::EnableValueChange) && Enabled(cmd::Settings));
        // The summary's detail view finds its member's title dialog through the registry:
        // the rebound one for series and China members, the cover one for cover objects.
        for (int type : {kTypeReboundSeries, kTypeReboundChina, kTypeCoverList}) {
            ObjectDialogs dialogs = FindObjectDialogs(type);
            QVERIFY(dialogs.titleAndRemarks);
            const bool rebound = type != kTypeCoverList;
            bool opened = false;
            watcher_->SetHandler([&](QWidget* w) {
                auto* dlg = qobject_cast<CTitleDlg*>(w);
                opened = dlg && dlg->GetFamily() ==
                                    (rebound ? CTitleDlg::Family::Rebound : CTitleDlg::Family::Cover);
                qobject_cast<QDialog*>(w)->reject();
            });
            const int ownType = Obj()->type;
            Obj()->type = type;
            DialogContext context{Frame(), 0, false};
            QVERIFY(!dialogs.titleAndRemarks(*Obj(), context));
            Obj()->type = ownType;
            QVERIFY2(opened, qPrintable(QString::number(type)));
        }
    }

    void titleDialogKeepsEachFamilysLabels() {
        // One dialog serves both families; each keeps its own labels in every language, and
        // only the cover labels carry access keys.
        Start("");
        auto texts = [](CTitleDlg::Family family) {
            CTitleDlg dlg(family);
            QStringList t{dlg.windowTitle()};
            auto* form = dlg.findChild<QFormLayout*>();
            for (int row = 0; form && row < form->rowCount(); ++row)
                t << qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text();
            return t;
        };
        using Family = CTitleDlg::Family;
        QCOMPARE(texts(Family::Cover),
                 (QStringList{"Title and Remarks", "&Title", "&Date", "&Name", "&Remarks"}));
        QCOMPARE(texts(Family::Rebound),
                 (QStringList{"Title and Remarks", "Title", "Date", "Time", "Name", "Remarks"}));
        Trigger(cmd::German);
        QCOMPARE(texts(Family::Cover),
                 (QStringList{"Titel und Bemerkungen", "&Titel", "&Datum", "&Name", "&Bemerkungen"}));
        QCOMPARE(texts(Family::Rebound),
                 (QStringList{"Titel und Bemerkungen", "Titel", "Datum", "Uhrzeit", "Name", "Bemerkungen"}));
        Trigger(cmd::English);
    }

    void doubleClickDispatch() {
        Start(Sample("list_metric.vdo"));
        Frame()->resize(1000, 2400);
        QTest::qWait(50);
        Paint();
        QWidget* port = View()->viewport();
        // The header opens the title dialog.
        int titleDialogs = 0;
        {
            watcher_->SetHandler([&](QWidget* w) {
                titleDialogs += qobject_cast<CTitleDlg*>(w) != nullptr;
                qobject_cast<QDialog*>(w)->reject();
            });
            QTest::mouseDClick(port, Qt::LeftButton, {}, View()->FromChart(QPoint(400, 90)));
            QTRY_COMPARE(titleDialogs, 1);
        }
        // A list entry opens the modify-value dialog only with value change enabled.
        std::vector<ModifyValueRequest> requests;
        ObjectDialogs fake;
        fake.modifyValue = [&](const ModifyValueRequest& r, DialogContext&) -> std::optional<double> {
            requests.push_back(r);
            return 19.0;
        };
        const ObjectDialogs original = FindObjectDialogs(kTypeCoverList);
        RegisterObjectDialogs(kTypeCoverList, fake);
        QPoint at;
        QRegularExpression entry("^N:(\\d+)$");
        for (int y = 200; y < 2400 && at.isNull(); y += 8) {
            for (int x = 60; x < 1660 && at.isNull(); x += 24) {
                QTest::mouseMove(port, View()->FromChart(QPoint(x, y)));
                if (entry.match(Frame()->Pane(cmd::PanePosition)->text()).hasMatch() &&
                    !Frame()->Pane(cmd::PaneValue)->text().isEmpty())
                    at = QPoint(x, y);
            }
        }
        QVERIFY(!at.isNull());
        QString before = Frame()->Pane(cmd::PaneValue)->text();
        QTest::mouseDClick(port, Qt::LeftButton, {}, View()->FromChart(at));
        QVERIFY(requests.empty());
        Trigger(cmd::EnableValueChange);
        QTest::mouseDClick(port, Qt::LeftButton, {}, View()->FromChart(at));
        QCOMPARE(int(requests.size()), 1);
        QCOMPARE(requests[0].unit, std::u16string(u"mm"));
        QCOMPARE(QString::asprintf("%3.0f mm", requests[0].value), before);
        QTest::mouseMove(port, View()->FromChart(at) + QPoint(0, 1));
        QTest::mouseMove(port, View()->FromChart(at));
        QCOMPARE(Frame()->Pane(cmd::PaneValue)->text(), QString(" 19 mm"));
        QCOMPARE(Frame()->Pane(cmd::PaneAlarm)->text(), QString(" A "));
        QVERIFY(Doc()->IsModified());
        RegisterObjectDialogs(kTypeCoverList, original);
    }

    void keyboardScrolling() {
        Start(Sample("list_metric.vdo"));
        Frame()->resize(400, 300);
        QTest::qWait(50);
        QScrollBar* v = View()->verticalScrollBar();
        QScrollBar* h = View()->horizontalScrollBar();
        QVERIFY(v->maximum() > 0 && h->maximum() > 0);
        QTest::keyClick(View(), Qt::Key_PageDown);
        QCOMPARE(v->value(), std::min(v->maximum(), v->pageStep()));
        QTest::keyClick(View(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(v->value(), v->maximum());
        QTest::keyClick(View(), Qt::Key_End);
        QCOMPARE(h->value(), h->maximum());
        QTest::keyClick(View(), Qt::Key_Home);
        QCOMPARE(h->value(), 0);
        QTest::keyClick(View(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(v->value(), 0);
        QTest::keyClick(View(), Qt::Key_Down);
        QCOMPARE(v->value(), v->singleStep());
    }

    void createSummaryAdoptsTheBuildersFile() {
        // The builder leaves "dir.vdo" in the temporary folder, here a folder of this test.
        QTemporaryDir temp;
        QByteArray oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        QString dir = QDir(QDir::tempPath()).filePath("dir.vdo");
        QString source; // what the builder leaves; empty: nothing
        RegisterSummaryBuilder([&](QWidget*, std::u16string& title) {
            if (!source.isEmpty()) QFile::copy(source, dir);
            title = u"A summary title longer than twenty";
            return true;
        });
        Start(Sample("list_metric.vdo"));
        source = Sample("list_imperial.vdo");
        Trigger(cmd::CreateSummary);
        QVERIFY(Obj() && Obj()->imperial);
        QCOMPARE(Obj()->title, std::u16string(u"A summary title long"));
        QVERIFY(Frame()->windowTitle().startsWith("A summary title long"));
        QVERIFY(Doc()->IsModified() && Doc()->PathName().isEmpty());
        QVERIFY(!QFile::exists(dir));

        // Nothing left by the builder: the document stays as it is.
        source.clear();
        Trigger(cmd::CreateSummary);
        QVERIFY(Obj() && Obj()->imperial);

        // An invalid file: the message, the document as it was, and the file is gone.
        source = QDir::temp().filePath("garbage.vdo");
        QFile garbage(source);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("TORVDIR but nothing more");
        garbage.close();
        Doc()->SetModifiedFlag(false);
        Trigger(cmd::CreateSummary);
        QCOMPARE(watcher_->TakeMessages(), QStringList{dir + ":\nObject empty or not valid"});
        QVERIFY(Obj() && Obj()->imperial);
        QVERIFY(!QFile::exists(dir));
        RegisterSummaryBuilder({});
        qputenv("TMPDIR", oldTmp);
    }

    void pageBorders() {
        SetSetting("Settings/BorderBottom", 105);
        {
            CBorderSetup dlg;
            QCOMPARE(dlg.findChild<QLineEdit*>("bottom")->text(), QString("10"));
            QCOMPARE(dlg.findChild<QLineEdit*>("top")->text(), QString("15"));
            dlg.accept();
        }
        QCOMPARE(settings::ReadPageBorders().bottom, 100);
        QCOMPARE(settings::ReadPageBorders().top, 150);
        {
            CBorderSetup dlg;
            dlg.findChild<QLineEdit*>("left")->setText("40");
            dlg.findChild<QPushButton*>("default")->click();
            QCOMPARE(dlg.findChild<QLineEdit*>("left")->text(), QString("15"));
            dlg.reject();
        }
        QCOMPARE(settings::ReadPageBorders().left, 150);
        QCOMPARE(CBorderSetup::LeadingNumber("7mm"), 7);
        QCOMPARE(CBorderSetup::LeadingNumber(""), 0);
        QCOMPARE(CBorderSetup::LeadingNumber("123456"), 1234);
    }

    void printToPdfHasTheObjectsPageCount() {
        // Wide borders leave little paper, so the page breaks into several printed pages.
        settings::WritePageBorders({1000, 1000, 150, 150});
        Start(Sample("list_metric.vdo"));
        QString pdf = files_.filePath("out.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        int count = View()->PrintPageCount(printer);
        QVERIFY(count > 1);
        Frame()->PrintAll(printer);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        int pages = int(bytes.count("/Type /Page\n")) + int(bytes.count("/Type /Page ")) +
                    int(bytes.count("/Type /Page/")) + int(bytes.count("/Type /Page>"));
        QCOMPARE(pages, count);

        // The preview asks the same pages of the object.
        int previewPages = 0;
        watcher_->SetHandler([&](QWidget* w) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
            QVERIFY(preview);
            previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        });
        Trigger(cmd::PrintPreview);
        QVERIFY(previewPages > 1);
        QCOMPARE(previewPages, View()->PrintPageCount(Frame()->Printer()));
    }

    // File > Export...: the kind follows the chosen file type; the file holds what the page shows.
    void exportWritesReadingsOrStatistics() {
        Start(Sample("list_metric.vdo"));
        QVERIFY(Enabled(cmd::Export));
        // The dialog proposes the object's name; here in a folder of the test's own.
        const QString path = files_.filePath("list_metric");
        for (const QString filter : {"Statistics, CSV (*.csv)", "Readings, CSV for spreadsheets (*.csv)"}) {
            watcher_->SetHandler([&](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                dialog->selectNameFilter(filter);
                dialog->setDirectory(files_.path());
                dialog->selectFile("list_metric.csv");
                static_cast<QDialog*>(dialog)->accept();
            });
            Trigger(cmd::Export);
            QFile f(path + ".csv");
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QList<QByteArray> lines = f.readAll().split('\n');
            f.remove();
            if (filter.startsWith("Statistics")) {
                QVERIFY(lines[0].startsWith("file,type,number,title,date,series,count,mean"));
                QVERIFY2(lines[1].contains(",Deck east,2024-03-14T00:00:00,,23,31.9,5.5,22,41,13.0,mm,"),
                         lines[1]);
            } else {
                // The spreadsheet form: byte-order mark, ';', one row per reading.
                QVERIFY(lines[0].startsWith("\xEF\xBB\xBF"
                                            "file;type;number;title;date;index;x;y;value;unit;flags"));
                QCOMPARE(lines.size(), 1 + 23 + 1);
                QVERIFY2(lines[4].endsWith(";4;;;22;mm;below_limit\r"), lines[4]);
            }
        }
        // Without an object there is nothing to export.
        Doc()->OnNewDocument();
        QVERIFY(!Enabled(cmd::Export));
        QVERIFY(Enabled(cmd::Report));
    }

    // File > Report... prints through PrintReportWithProgress: contents first, then each
    // object's printed pages; past a handful of files a progress dialog offers Cancel.
    void reportPrintsEveryFileAndCancels() {
        Start("");
        auto pdfPages = [](const QString& pdf) {
            QFile f(pdf);
            if (!f.open(QIODevice::ReadOnly)) return -1;
            QByteArray bytes = f.readAll();
            return int(bytes.count("/Type /Page\n")) + int(bytes.count("/Type /Page ")) +
                   int(bytes.count("/Type /Page/")) + int(bytes.count("/Type /Page>"));
        };
        auto pdfPrinter = [](QPrinter& printer, const QString& pdf) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
        };
        QStringList files;
        for (const char* name : {"list_metric.vdo", "china_2011.vdo", "rebound_instrument.vdo"})
            files << Sample(name);
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, files_.filePath("report.pdf"));
        QVERIFY(PrintReportWithProgress(Frame(), files, printer));
        int expected = 1;
        for (const QString& f : files) {
            Doc()->OnOpenDocument(f, Frame());
            expected += View()->PrintPageCount(printer);
        }
        QCOMPARE(pdfPages(files_.filePath("report.pdf")), expected);

        QStringList many;
        for (int i = 0; i < 40; ++i) {
            const QString copy = files_.filePath(QString("r%1.vdo").arg(i));
            QFile::copy(Sample("rebound_instrument.vdo"), copy);
            many << copy;
        }
        bool sawProgress = false;
        watcher_->SetHandler([&](QWidget* w) {
            if (auto* progress = qobject_cast<QProgressDialog*>(w)) {
                sawProgress = true;
                progress->cancel();
            }
        });
        QPrinter second(QPrinter::HighResolution);
        pdfPrinter(second, files_.filePath("cancelled.pdf"));
        QVERIFY(!PrintReportWithProgress(Frame(), many, second));
        QVERIFY(sawProgress);
        QVERIFY(Enabled(cmd::Report));
    }

    void copyLeavesSvgOnTheClipboard() {
        Start(Sample("list_metric.vdo"));
        QApplication::clipboard()->clear();
        Trigger(cmd::Copy);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data);
        QByteArray svg = data->data("image/svg+xml");
        QVERIFY(svg.contains("<svg"));
        Extent size = Obj()->GetCopySize();
        QVERIFY(svg.contains(QString("viewBox=\"0 0 %1 %2\"").arg(size.cx).arg(size.cy).toUtf8()));
        QVERIFY(svg.contains("Deck east")); // the title, as text
        QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(size.cx, size.cy));
    }

    void germanChangesTheMenuBarAtOnce() {
        Start(Sample("list_metric.vdo"));
        auto titles = [this] {
            QStringList t;
            for (QAction* a : Frame()->menuBar()->actions()) t << a->text();
            return t;
        };
        QCOMPARE(titles(), (QStringList{"&File", "&Edit", "&View", "&Language", "&Info"}));
        Trigger(cmd::German);
        QCOMPARE(titles(), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Sprache", "&Info"}));
        QCOMPARE(settings::ReadDword(settings::kLanguage, 0), 2);
        QVERIFY(Checked(cmd::German) && !Checked(cmd::English));
        QCOMPARE(Frame()->Action(cmd::Chart)->text(), QString("&Diagramm"));
        QCOMPARE(QString::fromStdU16String(LoadString(Str::HintModifyTitle)),
                 QString("Doppelklick, um Titel/Bemerkungen zu ändern"));
        Trigger(cmd::English);
        QCOMPARE(titles().first(), QString("&File"));

        // A stored language outside 0..4 behaves as English and ticks nothing.
        Stop();
        settings::WriteDword(settings::kLanguage, 7);
        Start("");
        QCOMPARE(titles().first(), QString("&File"));
        for (int id : {cmd::English, cmd::French, cmd::German, cmd::Chinese, cmd::Russian})
            QVERIFY(!Checked(id));
    }

    void everyLanguageTranslatesEveryCommand() {
        Start("");
        QMap<int, QString> english;
        for (int id : {cmd::Load, cmd::Open, cmd::Save, cmd::Copy, cmd::Print, cmd::Chart, cmd::Values,
                       cmd::Statistics, cmd::Table, cmd::Grayscale, cmd::Axis, cmd::Frame, cmd::Grid,
                       cmd::TitleAndRemarks, cmd::LimitAndRange, cmd::MmScale, cmd::Exit, cmd::About})
            english[id] = Frame()->Action(id)->statusTip();
        for (int language : {cmd::French, cmd::German, cmd::Chinese, cmd::Russian}) {
            Trigger(language);
            for (auto it = english.begin(); it != english.end(); ++it)
                QVERIFY2(Frame()->Action(it.key())->statusTip() != it.value(),
                         qPrintable(QString("%1 in language %2").arg(it.value()).arg(language)));
        }
    }

    void failedSaveKeepsTheOldFile() {
        Start("");
        QString path = files_.filePath("kept.vdo");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("OLD CONTENT");
        f.close();
        auto obj = std::make_unique<test::TestObject>();
        obj->refuse = true;
        obj->valid = true;
        Doc()->Logic().SetObject(std::move(obj));
        QVERIFY(!Doc()->OnSaveDocument(path, Frame()));
        QStringList messages = watcher_->TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("could not be saved"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("OLD CONTENT"));
        Doc()->Logic().Clear();
    }

    void windowPlacement() {
        QCOMPARE(ParsePlacementRect("0100 0050 0900 0700"), (PlacementRect{100, 50, 900, 700}));
        QCOMPARE(ParsePlacementRect(""), (PlacementRect{20, 10, 600, 430}));
        QCOMPARE(FormatPlacementRect({100, 50, 900, 700}), std::string("0100 0050 0900 0700"));

        SetSetting("Window size/Rect", "0100 0050 0900 0700");
        Start("");
        QCOMPARE(Frame()->geometry(), QRect(QPoint(100, 50), QPoint(899, 699)));
        Frame()->setGeometry(QRect(120, 60, 700, 500));
        Stop();
        QCOMPARE(Setting("Window size/Rect").toString(), QString("0120 0060 0820 0560"));
        QCOMPARE(Setting("Window size/max").toInt(), 0);

        // Closed maximised, it comes back maximised over the same normal rectangle.
        Start("");
        Frame()->showMaximized();
        QTRY_VERIFY(Frame()->isMaximized());
        Stop();
        QCOMPARE(Setting("Window size/max").toInt(), 1);
        QCOMPARE(Setting("Window size/Rect").toString(), QString("0120 0060 0820 0560"));
        Start("");
        QVERIFY(Frame()->isMaximized());
    }
};

QTEST_MAIN(ViewerAppTest)
#include "ViewerAppTest.moc"
