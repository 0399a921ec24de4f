// The cover dialogs opened by the viewer itself: double clicks on a raster cell and on a bar,
// and the limit command, answered through the real dialogs.
#include "app/Commands.h"
#include "cover/TVernoBars.h"
#include "cover/TVernoRaster.h"
#include "cover/ui/CLimitDlg.h"
#include "cover/ui/CModifyDlg.h"
#include "viewer/app/ViewerTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace vordalis;

namespace {

// Hands the next modal dialog of type D to the callback, which answers it.
template <class D> class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(D&)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!d || seen_) return;
            seen_ = true;
            answer(*d);
        });
        timer_.start(20);
    }
    bool Seen() const { return seen_; }

private:
    QTimer timer_;
    bool seen_ = false;
};

void Type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->editingFinished();
}

} // namespace

class CoverViewerTest : public vordalis::test::ViewerTest {
    Q_OBJECT

    // Starts the viewer with file in a window tall enough for the whole page.
    void Start(const QString& file) {
        ViewerTest::Start(file);
        Frame()->resize(1000, 1400);
        QTest::qWait(30);
        Paint();
    }
    void DoubleClick(const QPoint& page) {
        QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, View()->FromChart(page));
    }

private slots:
    void initTestCase() { UsePrivateSettings(); }

    void cleanup() { Stop(); }

    void doubleClickInTheRightHalfOfACellModifiesThatCell() {
        Start(Sample("raster_metric.vdo"));
        auto* raster = dynamic_cast<TVernoRaster*>(Obj());
        QVERIFY(raster);
        Trigger(cmd::EnableValueChange);
        // Column 2 (0.2 ... 0.3 m), row 1: its right half.
        const QPoint at(raster->plot.XToPixel(0.28), raster->plot.YToPixel(0.15, false));
        const int index = 1 * raster->grid.Nx() + 2;
        QVERIFY(raster->covers.Get(index) > 0);
        QString shown;
        DialogAnswer<CModifyDlg> answer([&](CModifyDlg& d) {
            shown = d.valueEdit->text();
            Type(d.valueEdit, "33");
            d.buttons->button(QDialogButtonBox::Ok)->click();
        });
        DoubleClick(at);
        QTRY_VERIFY(answer.Seen());
        QTRY_COMPARE(raster->covers.Get(index), 33);
        QVERIFY(!shown.isEmpty() && shown != "33");
        QVERIFY(Doc()->IsModified());
    }

    void imperialBarsAreEditedInInches() {
        Start(Sample("bars_imperial.vdo"));
        auto* bars = dynamic_cast<TVernoBars*>(Obj());
        QVERIFY(bars);
        Trigger(cmd::EnableValueChange);
        const int index = bars->xScan.NthPositiveIndex(3);
        const double x = index * bars->grid.StepX();
        const QPoint at(bars->plot.XToPixel(x), bars->plot.YToPixel(0.5 * bars->grid.StepY(), false));
        QString shown, unit;
        DialogAnswer<CModifyDlg> answer([&](CModifyDlg& d) {
            shown = d.valueEdit->text();
            unit = d.valueUnit->text();
            Type(d.valueEdit, "1.50");
            d.buttons->button(QDialogButtonBox::Ok)->click();
        });
        const int before = bars->xScan.Get(index);
        DoubleClick(at);
        QTRY_VERIFY(answer.Seen());
        QCOMPARE(unit, QString("in"));
        QCOMPARE(shown, QString::asprintf("%0.2f", before * 0.0394));
        QTRY_COMPARE(bars->xScan.Get(index), 38); // 1.50 in
    }

    void limitCommandSetsTheRangeOfTheChart() {
        Start(Sample("raster_metric.vdo"));
        auto* raster = dynamic_cast<TVernoRaster*>(Obj());
        QVERIFY(raster);
        DialogAnswer<CLimitDlg> answer([&](CLimitDlg& d) {
            if (d.initialRange->isChecked()) d.initialRange->click();
            Type(d.upperEdit, "60");
            Type(d.lowerEdit, "20");
            d.buttons->button(QDialogButtonBox::Ok)->click();
        });
        Trigger(cmd::LimitAndRange);
        QTRY_VERIFY(answer.Seen());
        QTRY_COMPARE(raster->upperThreshold, 60);
        QCOMPARE(raster->lowerThreshold, 20);
        QCOMPARE(raster->Boundary(0), 20);
        QVERIFY(Doc()->IsModified());
    }
};

QTEST_MAIN(CoverViewerTest)
#include "CoverViewerTest.moc"
