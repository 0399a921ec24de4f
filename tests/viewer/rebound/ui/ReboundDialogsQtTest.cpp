// The Qt faces of the rebound dialogs driven through their widgets.
#include "../SeriesFixture.h"
#include "dialogs/ObjectDialogs.h"
#include "rebound/ui/CTorvFenster.h"
#include "rebound/ui/CTorvLimits.h"
#include "rebound/ui/ReboundDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vordalis;
using vordalis::test::Extension;
using vordalis::test::SeriesFile;

namespace {

std::unique_ptr<TTorvBars> Editable() {
    SeriesFile f;
    f.extension = Extension(1, 1, 0, 1, 20, 50, 0x02);
    return f.Read();
}

void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab); // leaving the edit finishes it
}

QPushButton* Button(QDialog* d, QDialogButtonBox::StandardButton which) {
    return d->findChild<QDialogButtonBox*>()->button(which);
}

// Runs `interact` on the modal dialog as soon as it is shown.
void WhenShown(std::function<void(QDialog*)> interact) {
    QTimer::singleShot(0, [interact] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        interact(d);
    });
}

} // namespace

class ReboundDialogsQtTest : public QObject {
    Q_OBJECT
private slots:
    void formFactorAndCarbonationAreCorrected() {
        auto s = Editable();
        TorvFensterLogic logic;
        logic.LoadFrom(*s);
        CTorvFenster d(logic);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* form = d.findChild<QLineEdit*>("edit1062");
        auto* time = d.findChild<QLineEdit*>("edit1063");
        auto* depth = d.findChild<QLineEdit*>("edit1064");
        QVERIFY(form && time && depth);
        QCOMPARE(form->maxLength(), 4);
        QCOMPARE(depth->maxLength(), 1);
        Type(form, "12");
        QCOMPARE(form->text(), QString("1.00"));
        Type(depth, "7");
        QCOMPARE(depth->text(), QString("6"));
        // The arrow keys spin the depth like the buttons: down from 6 is 5, up again 6.
        QTest::keyClick(depth, Qt::Key_Down);
        QCOMPARE(depth->text(), QString("5"));
        QTest::keyClick(depth, Qt::Key_Up);
        QCOMPARE(depth->text(), QString("6"));
        QCOMPARE(time->text(), QString("1.00"));
        QVERIFY(!time->isEnabled());
        // Another curve than Fx: the Fx edits are disabled and OK stores zeros.
        QVERIFY(!d.findChild<QLineEdit*>("edit1067")->isEnabled());
        Button(&d, QDialogButtonBox::Ok)->click();
        QVERIFY(logic.ok);
        logic.StoreTo(*s);
        QCOMPARE(s->carbonationDepth, 6);
        QCOMPARE(s->formFactor, 1.0);
        QCOMPARE(s->coefA[15], 0.0);
    }

    void cancelLeavesTheSeriesUnchanged() {
        auto s = Editable();
        WhenShown([](QDialog* d) {
            auto* curve = d->findChild<QComboBox*>("combo1052");
            curve->setCurrentIndex(15);
            emit curve->activated(15);
            QVERIFY(d->findChild<QLineEdit*>("edit1067")->isEnabled());
            Button(d, QDialogButtonBox::Cancel)->click();
        });
        QVERIFY(!RunSeriesSettings(*s, nullptr));
        QCOMPARE(s->curve, 1);

        // The same with OK takes the curve and rebuilds the evaluated series.
        WhenShown([](QDialog* d) {
            auto* direction = d->findChild<QComboBox*>("combo1085");
            direction->setCurrentIndex(2);
            emit direction->activated(2);
            Button(d, QDialogButtonBox::Ok)->click();
        });
        QVERIFY(RunSeriesSettings(*s, nullptr));
        QCOMPARE(s->impactDirection, 3);
        QCOMPARE(s->values.Get(0), 36); // 40 at 0° reads 36 at +90°
    }

    void limitsUpperBelowLowerAndEqualPair() {
        auto s = Editable();
        TorvLimitsLogic logic;
        logic.LoadFrom(*s, false);
        logic.initial = false;
        CTorvLimits d(logic);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* lower = d.findChild<QLineEdit*>("edit1048");
        auto* upper = d.findChild<QLineEdit*>("edit1047");
        QVERIFY(lower->isEnabled());
        Type(upper, "10");
        QCOMPARE(upper->text(), QString("21"));
        Type(lower, "25");
        QCOMPARE(lower->text(), QString("20")); // not below the upper limit 21: upper - 1
        // An equal pair can still reach OK when typed without leaving the edits.
        lower->setText("30");
        upper->setText("30");
        Button(&d, QDialogButtonBox::Ok)->click();
        QVERIFY(logic.ok);
        QVERIFY(!logic.displayLimits);
        logic.StoreTo(*s);
        QCOMPARE(s->lowerLimit, 30);
        QCOMPARE(s->upperLimit, 30);
        QCOMPARE(s->showLimits, 0);
    }

    void registeredForTheReboundTypes() {
        ClearObjectDialogs();
        RegisterReboundDialogs();
        ObjectDialogs series = FindObjectDialogs(kTypeReboundSeries);
        QVERIFY(series.settings && series.limitAndRange);
        QVERIFY(FindObjectDialogs(kTypeReboundSummary).limitAndRange);
        QVERIFY(FindObjectDialogs(kTypeReboundChina).limitAndRange);
        auto s = Editable();
        DialogContext context;
        WhenShown([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Limit"));
            d->findChild<QCheckBox*>("check1053")->click();
            Button(d, QDialogButtonBox::Cancel)->click();
        });
        QVERIFY(!series.limitAndRange(*s, context));
        QCOMPARE(s->showMeanLine, 0);
        WhenShown([](QDialog* d) {
            d->findChild<QCheckBox*>("check1053")->click();
            Button(d, QDialogButtonBox::Ok)->click();
        });
        QVERIFY(series.limitAndRange(*s, context));
        QCOMPARE(s->showMeanLine, 1);
        ClearObjectDialogs();
    }

    void limitsMpaModeAndRefusedOk() {
        auto s = Editable();
        s->showMeanLine = 1;
        TorvLimitsLogic logic;
        logic.LoadFrom(*s, true);
        logic.initial = false;
        CTorvLimits d(logic);
        auto* mean = d.findChild<QCheckBox*>("check1053");
        QVERIFY(!mean->isChecked());
        QVERIFY(!mean->isEnabled());
        d.findChild<QLineEdit*>("edit1048")->setText("60");
        d.findChild<QLineEdit*>("edit1047")->setText("40");
        Button(&d, QDialogButtonBox::Ok)->click();
        QVERIFY(!logic.ok);
        QVERIFY(d.isVisible() || !d.result()); // stays open
        QCOMPARE(d.result(), 0);
    }
};

QTEST_MAIN(ReboundDialogsQtTest)
#include "ReboundDialogsQtTest.moc"
