// The viewer as a desktop program: zoom, keys and menus, copy as text, drops, Save As and
// the first window, driven through the real widgets under the offscreen platform.
#include "ViewerTest.h"
#include "app/CHelpDlg.h"
#include "app/CMainFrame.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "app/Commands.h"
#include "app/WindowPlacement.h"
#include "app/Zoom.h"
#include "dialogs/ObjectDialogs.h"
#include "model/Strings.h"
#include "model/TValueSeries.h"
#include "settings/Settings.h"
#include "settings/qt/QSettingsBackend.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

using namespace vordalis;

namespace {

// The table of values as the page shows it, from the object's own readings: the heading,
// then rows of perRow values ("-" for an empty reading).
QString ExpectedTable(const QString& heading, const TValueSeries& series, int perRow) {
    QString out = heading + "\n";
    for (int i = 0; i < series.Length(); ++i) {
        int v = series.Get(i);
        out += v <= 0 ? QString("-") : QString::number(v);
        out += (i + 1) % perRow == 0 || i + 1 == series.Length() ? "\n" : "\t";
    }
    return out;
}

} // namespace

class ViewerDesktopTest : public vordalis::test::ViewerTest {
    Q_OBJECT

    QTemporaryDir files_;

    int ZoomPercent() { return int(View()->PageZoom().Percent()); }

    // Starts the viewer with file, its window active as after a user's start.
    void Start(const QString& file) {
        ViewerTest::Start(file);
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        Paint();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(View(), Qt::Key(key), modifiers);
        Paint();
    }
    // What the double-click asked the modify-value dialog for, or nothing.
    std::optional<ModifyValueRequest> DoubleClickRequest(QPoint at) {
        std::optional<ModifyValueRequest> seen;
        ObjectDialogs fake = FindObjectDialogs(Obj()->type);
        const ObjectDialogs original = fake;
        fake.modifyValue = [&](const ModifyValueRequest& r, DialogContext&) -> std::optional<double> {
            seen = r;
            return std::nullopt;
        };
        RegisterObjectDialogs(Obj()->type, fake);
        QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, at);
        RegisterObjectDialogs(Obj()->type, original);
        return seen;
    }

private slots:
    void initTestCase() { UsePrivateSettings(); }

    void init() {
        WatchModals();
        QSettings s("Morvex", "Vordalis");
        s.clear();
        // A stored window, except for the test of the first start.
        s.setValue("Window size/Rect", "0020 0010 0900 0700");
        s.sync();
    }

    void cleanup() { StopAndExpectNoMessages(); }

    void zoomSteps_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("to");
        QTest::newRow("in from 100") << 100.0 << 1 << 110.0;
        QTest::newRow("out from 100") << 100.0 << -1 << 90.0;
        QTest::newRow("in from a fit between steps") << 137.0 << 1 << 150.0;
        QTest::newRow("out from a fit between steps") << 137.0 << -1 << 125.0;
        QTest::newRow("three in") << 100.0 << 3 << 150.0;
        QTest::newRow("stops at the top") << 600.0 << 5 << 800.0;
        QTest::newRow("stops at the bottom") << 25.0 << -5 << 10.0;
    }
    void zoomSteps() {
        QFETCH(double, from);
        QFETCH(int, steps);
        QFETCH(double, to);
        Zoom z;
        z.SetPercent(from);
        z.Steps(steps);
        QCOMPARE(z.Percent(), to);
        QCOMPARE(z.GetMode(), Zoom::Mode::Fixed);
    }

    void zoomFits() {
        Zoom z;
        QVERIFY(!z.Fit(1000, 3000, 800, 600, 15)); // a fixed zoom does not follow the window
        z.SetMode(Zoom::Mode::FitWidth);
        // Taller than the window once fitted: the vertical scroll bar takes its room.
        QVERIFY(z.Fit(1000, 3000, 800, 600, 15));
        QCOMPARE(z.Percent(), 78.0);
        z.Fit(1000, 500, 800, 600, 15);
        QCOMPARE(z.Percent(), 80.0);
        z.SetMode(Zoom::Mode::FitPage);
        z.Fit(1000, 3000, 800, 600, 15);
        QCOMPARE(z.Percent(), 20.0);

        // Remembered in the settings; nonsense reads as 100 % fixed.
        z.Store();
        Zoom back;
        back.Load();
        QCOMPARE(back.Percent(), 20.0);
        QCOMPARE(back.GetMode(), Zoom::Mode::FitPage);
        settings::WriteDword(settings::kZoom, 5000);
        settings::WriteDword(settings::kZoomFit, 9);
        back.Load();
        QCOMPARE(back.Percent(), 100.0);
        QCOMPARE(back.GetMode(), Zoom::Mode::Fixed);
    }

    void zoomKeysWheelAndMemory() {
        Start(Sample("list_metric.vdo"));
        QCOMPARE(ZoomPercent(), 100);
        int pageHeight100 = View()->verticalScrollBar()->maximum() + View()->viewport()->height();
        Key(Qt::Key_Plus);
        QCOMPARE(ZoomPercent(), 110);
        Key(Qt::Key_Equal);
        QCOMPARE(ZoomPercent(), 125);
        Key(Qt::Key_Minus);
        QCOMPARE(ZoomPercent(), 110);
        Key(Qt::Key_0);
        QCOMPARE(ZoomPercent(), 100);

        // Ctrl+wheel: one notch a step; a plain wheel scrolls.
        QPoint at(100, 100);
        auto wheel = [&](int delta, Qt::KeyboardModifiers m) {
            QWheelEvent e(at, View()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          m, Qt::NoScrollPhase, false);
            QApplication::sendEvent(View()->viewport(), &e);
        };
        wheel(240, Qt::ControlModifier);
        QCOMPARE(ZoomPercent(), 125);
        wheel(-120, Qt::NoModifier);
        QCOMPARE(ZoomPercent(), 125);
        QVERIFY(View()->verticalScrollBar()->value() > 0);

        // The page grows with the zoom: at 200 % it is twice as tall.
        Frame()->OnCommand(cmd::ActualSize);
        for (int i = 0; i < 5; ++i) Frame()->OnCommand(cmd::ZoomIn); // 110, 125, 150, 175, 200
        QCOMPARE(ZoomPercent(), 200);
        int pageHeight200 = View()->verticalScrollBar()->maximum() + View()->viewport()->height();
        QVERIFY2(std::abs(pageHeight200 - 2 * pageHeight100) <= 2,
                 qPrintable(QString("%1 vs %2").arg(pageHeight200).arg(pageHeight100)));

        // Fit Width leaves no horizontal scrolling and follows the window; it is remembered.
        Frame()->OnCommand(cmd::FitWidth);
        Frame()->UpdateCommandUI();
        QVERIFY(Frame()->Action(cmd::FitWidth)->isChecked());
        QCOMPARE(View()->horizontalScrollBar()->maximum(), 0);
        int fitted = ZoomPercent();
        Frame()->resize(Frame()->width() / 2, Frame()->height());
        QTRY_VERIFY(ZoomPercent() < fitted);
        QTRY_COMPARE(View()->horizontalScrollBar()->maximum(), 0); // once the scroll bars are laid out
        int narrow = ZoomPercent();
        Stop();
        Start(Sample("list_metric.vdo"));
        // The window comes back as narrow as it was closed, and the page fitted to it.
        QCOMPARE(View()->PageZoom().GetMode(), Zoom::Mode::FitWidth);
        QTRY_COMPARE(ZoomPercent(), narrow);
    }

    void doubleClickHitsTheSameBarAtAnyZoom() {
        Start(Sample("bars_metric.vdo"));
        Frame()->OnCommand(cmd::EnableValueChange);
        Frame()->resize(1200, 900);
        QTest::qWait(20);
        // At 200 %: find a bar of the chart under the mouse (the read-out shows a value) ...
        for (int i = 0; i < 5; ++i) Frame()->OnCommand(cmd::ZoomIn); // 110, 125, 150, 175, 200
        QCOMPARE(ZoomPercent(), 200);
        QWidget* port = View()->viewport();
        QImage painted = port->grab().toImage();
        QPoint hit;
        for (int y = 10; y < port->height() && hit.isNull(); y += 6)
            for (int x = 10; x < port->width() && hit.isNull(); x += 6) {
                QTest::mouseMove(port, QPoint(x, y));
                if (View()->CurrentReadOut().x >= 0 && View()->CurrentReadOut().y >= 0 &&
                    View()->CurrentReadOut().y != 7777 && View()->CurrentReadOut().value > 0 &&
                    painted.pixelColor(x * painted.devicePixelRatio(), y * painted.devicePixelRatio()) !=
                        QColor(Qt::white))
                    hit = QPoint(x, y);
            }
        QVERIFY(!hit.isNull());
        std::optional<ModifyValueRequest> at200 = DoubleClickRequest(hit);
        QVERIFY(at200);
        // ... and the same page point at 100 %, half as far from the page's corner.
        QPoint page200 =
            hit + QPoint(View()->horizontalScrollBar()->value(), View()->verticalScrollBar()->value());
        Frame()->OnCommand(cmd::ActualSize);
        QPoint at = page200 / 2 -
                    QPoint(View()->horizontalScrollBar()->value(), View()->verticalScrollBar()->value());
        std::optional<ModifyValueRequest> at100 = DoubleClickRequest(at);
        QVERIFY(at100);
        QCOMPARE(at100->x, at200->x);
        QCOMPARE(at100->y, at200->y);
        QCOMPARE(at100->value, at200->value);
    }

    void copyAlsoPutsTheTableAsText_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("cover list") << "list_metric.vdo";
        QTest::newRow("rebound series") << "rebound_free_curve.vdo";
        QTest::newRow("raster") << "raster_metric.vdo";
        QTest::newRow("bar scan") << "bars_metric.vdo";
    }
    // The clipboard's text is the page's table: its heading, then its rows in columns, the
    // values those of the object's readings.
    void copyAlsoPutsTheTableAsText() {
        QFETCH(QString, file);
        Start(Sample(file.toUtf8().constData()));
        QApplication::clipboard()->clear();
        Frame()->OnCommand(cmd::Copy);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat("image/svg+xml") && data->hasImage());
        QString text = data->text();
        QVERIFY(text.endsWith("\n"));
        QList<QStringList> rows;
        for (const QString& line : text.chopped(1).split("\n")) rows << line.split("\t");
        const TValueSeries& series = *Obj()->MainSeries();
        auto reading = [&](int i) { return series.Get(i) > 0 ? QString::number(series.Get(i)) : QString(); };
        if (file.startsWith("list")) {
            QCOMPARE(text, ExpectedTable(QString::fromStdU16String(LoadString(Str::MeasuredCovers)) + " [mm]",
                                         series, 20));
        } else if (file.startsWith("rebound")) {
            QCOMPARE(text,
                     ExpectedTable(QString::fromStdU16String(LoadString(Str::MeasuredReboundValue)) + " [R]",
                                   series, 24));
        } else if (file.startsWith("raster")) {
            // Heading, whole metres, hundredths (one per column), then a row per y: its
            // position and the covers of that row, an empty cell where the page shows none.
            QCOMPARE(rows[0],
                     QStringList{QString::fromStdU16String(LoadString(Str::MeasuredCovers)) + " [mm]"});
            QCOMPARE(rows[2].first(), QString("y[m]"));
            const int nx = int(rows[2].size()) - 1;
            QVERIFY(nx > 1 && rows.size() > 4);
            for (int r = 0; r + 3 < rows.size(); ++r) {
                QStringList expected{QString::asprintf("%0.2f", r * 0.1)};
                for (int c = 0; c < nx; ++c) expected << reading(r * nx + c);
                while (expected.last().isEmpty()) expected.removeLast();
                QCOMPARE(rows[r + 3], expected);
            }
        } else {
            // Two tables side by side: x and its covers, y and its covers.
            QCOMPARE(rows[1], (QStringList{"x [m]", "Cover [mm]", "y [m]", "Cover [mm]"}));
            QStringList xCovers, shown;
            for (int i = 0; i < int(series.Capacity()); ++i)
                if (!reading(i).isEmpty()) xCovers << reading(i);
            for (int r = 2; r < rows.size(); ++r)
                if (rows[r].size() > 1 && !rows[r][1].isEmpty()) shown << rows[r][1];
            QCOMPARE(shown, xCovers);
        }
    }

    void dropsWithoutAnObjectFileAreRefused() {
        QString a = files_.filePath("a.vdo"), b = files_.filePath("B.VDO"),
                text = files_.filePath("notes.txt");
        for (const QString& p : {a, b}) {
            QFile::remove(p);
            QVERIFY(QFile::copy(Sample("list_metric.vdo"), p));
        }
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("not an object");
        t.close();
        Start("");
        auto enter = [this](const QStringList& paths) {
            const bool accepted = DragEnter(paths);
            if (accepted) Drop(paths);
            return accepted;
        };
        QVERIFY(!enter({text}));
        QVERIFY(!enter({text, a})); // only the first file counts: it would open nothing
        QVERIFY(!Obj());
        QVERIFY(enter({b, a, text}));
        QVERIFY(Frame()->windowTitle().startsWith("B.VDO"));
        QVERIFY(Frame()->statusBar()->currentMessage().contains("2"));
    }

    void saveAsAddsTheExtensionAndWarnsOnAnother() {
        Start(Sample("list_metric.vdo"));
        QStringList typed{"report.txt", "report", "other.dat"};
        int dialogs = 0;
        watcher_->SetHandler([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || dialogs >= typed.size()) {
                qobject_cast<QDialog*>(w)->reject();
                return;
            }
            // Typed into the name field, as a user does.
            dialog->setDirectory(files_.path());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed[dialogs++]);
            static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept checks the name
        });
        // "report.txt" is warned about and refused (No), the dialog comes back: "report" is
        // saved as "report.vdo".
        QTest::keyClick(View(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(dialogs, 2);
        QStringList warnings = watcher_->TakeMessages();
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains("report.txt") && warnings[0].contains(".vdo"));
        QVERIFY(!QFile::exists(files_.filePath("report.txt")));
        QVERIFY(QFile::exists(files_.filePath("report.vdo")));
        QCOMPARE(Doc()->PathName(), files_.filePath("report.vdo"));
        // Answered Yes, another extension is kept.
        watcher_->AnswerWith(QMessageBox::Yes);
        Frame()->OnCommand(cmd::SaveAs);
        QCOMPARE(watcher_->TakeMessages().size(), 1);
        QVERIFY(QFile::exists(files_.filePath("other.dat")));
    }

    void keysAndMenus() {
        Start(Sample("list_metric.vdo"));
        // Each language named in itself, before and after a switch.
        auto languages = [this] {
            QStringList names;
            for (int id : {cmd::English, cmd::French, cmd::German, cmd::Chinese, cmd::Russian})
                names << Frame()->Action(id)->text();
            return names;
        };
        const QStringList own{"English", "Français", "Deutsch", "中文", "Русский"};
        QCOMPARE(languages(), own);
        Frame()->OnCommand(cmd::German);
        QCOMPARE(languages(), own);
        Frame()->OnCommand(cmd::English);

        // The recent file shows its whole path as tooltip.
        QAction* recent = Frame()->findChild<QAction*>(QString("command%1").arg(cmd::RecentFile1));
        QVERIFY(recent);
        QCOMPARE(recent->toolTip(), Sample("list_metric.vdo"));

        // F1: the help page with the keys that work and the settings file.
        Key(Qt::Key_F1, Qt::NoModifier);
        auto* help = Frame()->findChild<CHelpDlg*>();
        QVERIFY(help && help->isVisible());
        QString page = help->findChild<QTextBrowser*>()->toPlainText();
        for (const char* k : {"Ctrl+O", "Ctrl+Shift+S", "Ctrl+W", "Ctrl+Q", "Ctrl+0", "F1"})
            QVERIFY2(page.contains(k), qPrintable(k));
        QVERIFY(page.contains(QSettings("Morvex", "Vordalis").fileName()));
        help->close();

        // Ctrl+W closes the document, Ctrl+Q the program.
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        Key(Qt::Key_W);
        QVERIFY(!Obj());
        Key(Qt::Key_Q);
        QVERIFY(!Frame()->isVisible());
    }

    void firstStartShowsAWholePageWidth() {
        QCOMPARE(FirstStartRect({0, 0, 1920, 1080}, 900, 700), (PlacementRect{510, 108, 1410, 972}));
        QCOMPARE(FirstStartRect({0, 0, 800, 600}, 900, 700), (PlacementRect{0, 60, 800, 540}));
        QSettings("Morvex", "Vordalis").remove("Window size");
        Start(Sample("list_metric.vdo"));
        QRect available = Frame()->screen()->availableGeometry();
        QCOMPARE(Frame()->height(), available.height() * 4 / 5);
        QVERIFY(Frame()->width() >= Frame()->ToolBar()->sizeHint().width());
        QCOMPARE(View()->horizontalScrollBar()->maximum(), 0);
        // Later starts keep the placement stored at the end.
        Frame()->setGeometry(QRect(30, 40, 500, 400));
        Stop();
        Start("");
        QCOMPARE(Frame()->geometry(), QRect(30, 40, 500, 400));
    }
};

QTEST_MAIN(ViewerDesktopTest)
#include "ViewerDesktopTest.moc"
