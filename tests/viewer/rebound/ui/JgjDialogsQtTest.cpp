// The China settings dialog, the Select summary dialog and the detail view with its
// write-back, driven through their widgets.
#include "../ReboundFixtures.h"
#include "dialogs/ObjectDialogs.h"
#include "model/ByteSource.h"
#include "rebound/SummaryBuilder.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"
#include "rebound/ui/CDetailview.h"
#include "rebound/ui/CSelectSummery.h"
#include "rebound/ui/CTorvFensterChina.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace vordalis;
using vordalis::testing::ChinaFile;

namespace {

void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab); // leaving the edit finishes it
}

// Calls `interact` with the modal widget once one is shown (polling, it may take a moment).
void WhenModal(std::function<void(QWidget*)> interact, QWidget* notThis = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, interact, notThis] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == notThis) return;
        timer->stop();
        timer->deleteLater();
        interact(w);
    });
    timer->start(20);
}

} // namespace

class JgjDialogsQtTest : public QObject {
    Q_OBJECT
private slots:
    void chinaSettingsClampAndTakeOver() {
        ChinaFile f;
        f.readings = {35, 36, 37};
        f.extension =
            "5\t1\t2\t20\t45\t16\t3\t1.0\t0.00000\t0.00000\t0.00000\t16\r\n\"\"\r\n\"\"\r\n\"\"\r\n\x1A";
        MemorySource src(f.Text());
        TTorvChina obj(src);
        QVERIFY(obj.valid);
        QCOMPARE(obj.parametersInitial, 0);
        ChinaSettingsLogic logic(obj);
        CTorvFensterChina d(logic);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* depth = d.findChild<QLineEdit*>("edit1064");
        QVERIFY(depth->isEnabled());
        Type(depth, "8");
        QCOMPARE(depth->text(), QString("6.0"));
        d.findChild<QComboBox*>("combo1085")->setCurrentIndex(0);
        d.findChild<QCheckBox*>("check1081")->setChecked(true);
        // The conversion box is on: the combo shows the table and is locked.
        QVERIFY(!d.findChild<QComboBox*>("combo1052")->isEnabled());
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        logic.Apply(obj);
        QCOMPARE(obj.angle, 1);
        QCOMPARE(obj.carbonationDepth, 6.0);
        QCOMPARE(obj.pumpConcrete, 1);
    }

    void chinaSettingsNameTheObjectsEdition_data() {
        QTest::addColumn<bool>("is2011");
        QTest::addColumn<QString>("table");
        QTest::newRow("2001") << false << "JGJ/T23-2001";
        QTest::newRow("2011") << true << "JGJ/T23-2011";
    }
    void chinaSettingsNameTheObjectsEdition() {
        QFETCH(bool, is2011);
        QFETCH(QString, table);
        ChinaFile f;
        f.is2011 = is2011;
        f.readings = {35, 36, 37, 38, 35, 36, 37, 38, 35, 36, 37, 38, 35, 36, 37, 38};
        MemorySource src(f.Text());
        TTorvChina obj(src);
        QVERIFY(obj.valid);
        ChinaSettingsLogic logic(obj);
        CTorvFensterChina d(logic);
        auto* conversion = d.findChild<QComboBox*>("combo1052");
        QCOMPARE(conversion->itemText(0), table);
        QCOMPARE(conversion->currentText(), table);
    }

    void selectSummaryPreselectsAndRefusesNothing() {
        SelectSummaryLogic logic(1, 2);
        CSelectSummery d(logic);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.findChild<QRadioButton*>("button1093")->isChecked());
        QVERIFY(d.findChild<QRadioButton*>("button1094")->isChecked());
        d.findChild<QRadioButton*>("button1095")->click();
        QVERIFY(!d.findChild<QRadioButton*>("button1094")->isChecked());
        QVERIFY(d.findChild<QRadioButton*>("button1095")->isChecked());
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(logic.Choice().china && logic.Choice().batch && !logic.Choice().single);
    }

    // A double click into a member's settings block opens its dialog; after a change the
    // member is written back to its own file when the user agrees.
    void detailViewChangesAndWritesTheMemberBack() {
        vordalis::testing::TempDir dir;
        ChinaFile f;
        f.readings = {35, 35, 35};
        std::string a = dir.Write("a.vdo", f.Text());
        std::string b = dir.Write("b.vdo", f.Text());
        SummaryChoice choice;
        choice.china = choice.single = true;
        QCOMPARE(BuildReboundSummary({a, b}, dir.Path("sum.vdo"), choice).status, int(kSummaryBuilt));
        FileSource src(dir.Path("sum.vdo"));
        TTorvDir sum(src);
        QVERIFY(sum.valid);

        ClearObjectDialogs();
        ObjectDialogs fake;
        int opened = 0;
        fake.settings = [&opened](TBasicObj& obj, DialogContext&) {
            ++opened;
            static_cast<TTorvChina&>(obj).pumpConcrete = 1;
            return true;
        };
        RegisterObjectDialogs(kTypeReboundChina, fake);

        QWidget parent;
        DialogContext context{&parent, opts::kHeader | opts::kChart | opts::kStatistics | opts::kTable,
                              false};
        WhenModal([&](QWidget* w) {
            auto* view = qobject_cast<CDetailview*>(w);
            QVERIFY(view);
            QTest::qWait(50); // the member page is painted: its hit regions are known
            auto& member = *sum.members[1];
            auto& regions = static_cast<TTorvChina&>(member).plot.hitRegions;
            QVERIFY(regions.size() > 2);
            Rect r = regions[2].rect;
            QVERIFY(view->OpenRegion((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            QVERIFY(view->Changed());
            WhenModal(
                [](QWidget* box) {
                    auto* m = qobject_cast<QMessageBox*>(box);
                    QVERIFY(m);
                    QVERIFY(m->text().endsWith(QStringLiteral("b.vdo")));
                    m->button(QMessageBox::Yes)->click();
                },
                view);
            view->accept();
        });
        QVERIFY(RunDetailView(sum, 1, context));
        QCOMPARE(opened, 1);
        QCOMPARE(sum.selectedMember, 1);
        // b.vdo now carries the pump setting, a.vdo is untouched.
        FileSource written(b);
        TTorvChina reread(written);
        QVERIFY(reread.valid);
        QCOMPARE(reread.pumpConcrete, 1);
        FileSource other(a);
        QCOMPARE(TTorvChina(other).pumpConcrete, 0);
        ClearObjectDialogs();
    }
};

QTEST_MAIN(JgjDialogsQtTest)
#include "JgjDialogsQtTest.moc"
