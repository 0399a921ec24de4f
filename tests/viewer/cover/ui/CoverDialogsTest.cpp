// The cover dialogs as the viewer runs them: filled from an object, driven through their
// widgets, and handed back to the object.
#include "cover/CoverLimitFlow.h"
#include "cover/ui/CCoverAcceptanceDlg.h"
#include "cover/ui/CLimitDlg.h"
#include "cover/ui/CModifyDlg.h"
#include "cover/ui/CoverSpin.h"
#include "dialogs/ObjectDialogs.h"
#include "model/ObjectFactory.h"
#include "objects/RegisterObjects.h"
#include "viewer/model/PageOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace vordalis;

namespace {

std::unique_ptr<TBasicObj> Sample(const char* name) {
    FileSource file(std::string(VORDALIS_SAMPLES) + "/" + name);
    return CreateObjectFromFile(file);
}

void Type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->editingFinished();
}

// Answers the next modal message box (a file refused by a dialog, say) with its default button.
void CloseNextMessage(QString* text) {
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        }
    });
}

} // namespace

class CoverDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterAllObjectTypes(); }

    void coverListShowsTheRangeDisabledAsZero() {
        auto list = Sample("list_metric.vdo");
        QVERIFY(list);
        int32_t limit = 0;
        list->GetLimits(&limit, nullptr, nullptr, nullptr);
        QCOMPARE(limit, 25);
        LimitDialogState state =
            PrepareLimitDialog(*list, test::kPageSections | opts::WithColourMode(0, opts::kSpectral) |
                                          opts::kLimitFromInstrument | opts::kRangeFromInstrument);
        CLimitDlg dlg(state);
        QCOMPARE(dlg.limitEdit->text(), QString("25"));
        QVERIFY(dlg.limitEdit->isEnabled() == false); // the view's options follow the initial setting
        QVERIFY(dlg.initialLimit->isChecked());
        QVERIFY(!dlg.lowerEdit->isEnabled());
        QVERIFY(!dlg.upperSpin->isEnabled());
        QCOMPARE(dlg.lowerEdit->text(), QString("0"));
        QCOMPARE(dlg.upperEdit->text(), QString("0"));
        QVERIFY(!dlg.initialRange->isEnabled());
        QVERIFY(!dlg.initialRange->isChecked());
    }

    void spinningTheLimitBelowTheMinimumClearsIt() {
        auto list = Sample("list_metric.vdo");
        LimitDialogState state = PrepareLimitDialog(*list, test::kPageSections);
        CLimitDlg dlg(state);
        QVERIFY(dlg.limitEdit->isEnabled());
        Type(dlg.limitEdit, "2");
        dlg.limitSpin->Down()->click();
        QCOMPARE(dlg.limitEdit->text(), QString("1"));
        dlg.limitSpin->Down()->click();
        QCOMPARE(dlg.limitEdit->text(), QString());
        dlg.buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        int32_t options = test::kPageSections | opts::kRangeFromInstrument;
        ApplyLimitDialog(*list, state, options);
        int32_t limit = -1;
        list->GetLimits(&limit, nullptr, nullptr, nullptr);
        QCOMPARE(limit, 0);
        QCOMPARE(options & (opts::kLimitFromInstrument | opts::kRangeFromInstrument), 0);
    }

    void barsDefaultsAndRangeEdits() {
        auto bars = Sample("bars_metric.vdo");
        QVERIFY(bars);
        LimitDialogState state = PrepareLimitDialog(*bars, test::kPageSections);
        CLimitDlg dlg(state);
        QVERIFY(dlg.lowerEdit->isEnabled());
        QCOMPARE(dlg.limitEdit->text(), QString("30"));
        // The bars' default limit 0 lies below the minimum 1: the initial setting has no limit.
        dlg.initialLimit->click();
        QCOMPARE(dlg.limitEdit->text(), QString("0"));
        QVERIFY(!dlg.limitEdit->isEnabled());
        Type(dlg.lowerEdit, "90"); // above the upper threshold: refused
        QCOMPARE(dlg.lowerEdit->text(), QString("10"));
        Type(dlg.upperEdit, "60");
        dlg.upperSpin->Up()->click();
        QCOMPARE(dlg.upperEdit->text(), QString("61"));
        int32_t options = test::kPageSections;
        ApplyLimitDialog(*bars, state, options);
        int32_t limit, lower, upper;
        bars->GetLimits(&limit, nullptr, &lower, &upper);
        QCOMPARE(limit, 0);
        QCOMPARE(lower, 10);
        QCOMPARE(upper, 61);
        QCOMPARE(options & opts::kLimitFromInstrument, opts::kLimitFromInstrument);
        // The initial range of the bars is 10 ... 80.
        LimitDialogState again = PrepareLimitDialog(*bars, test::kPageSections);
        CLimitDlg second(again);
        second.initialRange->click();
        QCOMPARE(second.lowerEdit->text(), QString("10"));
        QCOMPARE(second.upperEdit->text(), QString("80"));
    }

    void imperialObjectsEditInInches() {
        auto raster = Sample("raster_inch.vdo");
        QVERIFY(raster);
        LimitDialogState state = PrepareLimitDialog(*raster, test::kPageSections);
        CLimitDlg dlg(state);
        QCOMPARE(dlg.limitEdit->text(), QString("1.2")); // 30 mm
        QCOMPARE(dlg.lowerEdit->text(), QString("0.8")); // 20 mm
        Type(dlg.upperEdit, "2.0");
        int32_t options = test::kPageSections;
        ApplyLimitDialog(*raster, state, options);
        int32_t limit, lower, upper;
        raster->GetLimits(&limit, nullptr, &lower, &upper);
        QCOMPARE(limit, 30); // 1.2 in -> 30.4 mm
        QCOMPARE(upper, 50); // 2.0 in -> 50.7 mm
    }

    void modifyDialogShowsNoPositionForListEntries() {
        ModifyDialogState state;
        state.SetMode(edit::kListFlags, "mm", false, 0);
        state.SetX(4);
        state.SetY(ModifyDialogState::kListPosition);
        state.SetValue(31);
        state.SetRange(1, 999);
        CModifyDlg dlg(state);
        QCOMPARE(dlg.xEdit->text(), QString());
        QCOMPARE(dlg.yEdit->text(), QString());
        QVERIFY(!dlg.xEdit->isEnabled());
        QVERIFY(dlg.valueEdit->isEnabled());
        QCOMPARE(dlg.valueEdit->text(), QString("31"));
        QCOMPARE(dlg.xUnit->text(), QString("m"));
        Type(dlg.valueEdit, "1200"); // above the maximum: the old text comes back
        QCOMPARE(dlg.valueEdit->text(), QString("31"));
        dlg.valueSpin->Up()->click();
        QCOMPARE(dlg.valueEdit->text(), QString("32"));
        QCOMPARE(state.GetValue(), 32.0f);
    }

    void translationsCoverTheDialogsAndTheNumberedTexts() {
        const char* sources[] = {"Cover",
                                 "Limit: %d mm",
                                 "X grid width",
                                 "Y grid width",
                                 "Number of measured covers",
                                 "Total Area of measured grids",
                                 "Measured covers (continued)",
                                 "Number of measured bars"};
        for (const char* lang : {"fr", "de", "zh_CN", "ru"}) {
            QTranslator translator, strings;
            QVERIFY2(translator.load(QString("cover_%1").arg(lang), COVER_TEST_QM_DIR), lang);
            QVERIFY2(strings.load(QString("strings_%1").arg(lang), COVER_TEST_QM_DIR), lang);
            QCoreApplication::installTranslator(&translator);
            QCoreApplication::installTranslator(&strings);
            LimitDialogState limitState;
            CLimitDlg limit(limitState);
            ModifyDialogState modifyState;
            CModifyDlg modify(modifyState);
            QVERIFY(limit.windowTitle() != "Limit and Range");
            QVERIFY(modify.windowTitle() != "Modify value");
            QVERIFY(limit.initialRange->text() != "I&nitial settings");
            QVERIFY(QCoreApplication::translate("vordalis::CCoverAcceptanceDlg", "Cover acceptance") !=
                    "Cover acceptance");
            for (const char* source : sources) {
                const QString t = QCoreApplication::translate("Strings", source);
                QVERIFY2(t != source, source);
            }
            // The limit text keeps its number and the ": " the legends split it at.
            const QString limitText = QCoreApplication::translate("Strings", "Limit: %d mm");
            QVERIFY(limitText.contains("%d") && limitText.contains(": "));
            QCoreApplication::removeTranslator(&strings);
            QCoreApplication::removeTranslator(&translator);
        }
    }

    // list_cjk: 15 covers from 17 to 31 mm. Against 25 mm a beam passes (17 mm alone is out), a
    // slab fails (17 mm lies beyond 1.5 x 5 mm).
    void acceptanceJudgesTheObjectAndFurtherFiles() {
        auto list = Sample("list_cjk.vdo");
        CCoverAcceptanceDlg dlg(*list);
        QCOMPARE(dlg.design->value(), 25.0);
        QVERIFY(!dlg.minus->isEnabled());
        QCOMPARE(dlg.minus->value(), 7.0);
        QCOMPARE(dlg.plus->value(), 10.0);
        QVERIFY(dlg.Result());
        QCOMPARE(dlg.Result()->first.points, 15);
        QCOMPARE(dlg.verdictLabel->text(), QString("Pass"));

        dlg.member->setCurrentIndex(1);
        QCOMPARE(dlg.minus->value(), 5.0);
        QCOMPARE(dlg.verdictLabel->text(), QString("Fail"));

        dlg.member->setCurrentIndex(2);
        QVERIFY(dlg.minus->isEnabled() && dlg.plus->isEnabled());
        dlg.minus->setValue(8);
        dlg.plus->setValue(8);
        QCOMPARE(dlg.Result()->first.within, 15);
        QCOMPARE(dlg.verdictLabel->text(), QString("Pass"));

        // A second sample is judged with the first; a rebound file is refused by name.
        QCOMPARE(dlg.AddFiles({QString(VORDALIS_SAMPLES) + "/list_metric.vdo"}, true), 1);
        QVERIFY(dlg.Result()->combined);
        QCOMPARE(dlg.Result()->combined->points, 15 + 23);
        QString message;
        CloseNextMessage(&message);
        QCOMPARE(dlg.AddFiles({QString(VORDALIS_SAMPLES) + "/china_2001.vdo"}, false), 0);
        QVERIFY2(message.contains("china_2001.vdo"), qPrintable(message));
        QCOMPARE(dlg.firstFiles->count(), 0);
        QVERIFY(dlg.resultLabel->text().contains("Pass rate"));
    }

    // The printed page names the object (its header) and carries the judgement.
    void acceptancePageIsPrinted() {
        auto list = Sample("list_cjk.vdo");
        CCoverAcceptanceDlg dlg(*list);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("acceptance.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        dlg.PrintTo(printer);
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(10000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected : {"Cover acceptance", "Design cover", "25.0 mm", "Pass rate", "93.3 %",
                                     "Verdict: Pass", "VERNOSKANT"})
            QVERIFY2(page.contains(expected), qPrintable(QString("%1 in\n%2").arg(expected, page)));
    }

    void acceptanceSpeaksTheStandardsChinese() {
        QTranslator translator;
        QVERIFY(translator.load("cover_zh_CN", COVER_TEST_QM_DIR));
        QCoreApplication::installTranslator(&translator);
        auto list = Sample("list_cjk.vdo");
        CCoverAcceptanceDlg dlg(*list);
        QCOMPARE(dlg.member->itemText(0), QString::fromUtf8("梁类构件"));
        QCOMPARE(dlg.member->itemText(1), QString::fromUtf8("板类构件"));
        QCOMPARE(dlg.verdictLabel->text(), QString::fromUtf8("合格"));
        dlg.member->setCurrentIndex(1);
        QCOMPARE(dlg.verdictLabel->text(), QString::fromUtf8("不合格"));
        QCoreApplication::removeTranslator(&translator);
    }

    void dialogsAreRegisteredForTheCoverTypes() {
        ClearObjectDialogs();
        RegisterCoverDialogs();
        for (int type : {kTypeCoverList, kTypeCoverBars, kTypeCoverRaster})
            QVERIFY(static_cast<bool>(FindObjectDialogs(type).limitAndRange) &&
                    static_cast<bool>(FindObjectDialogs(type).coverAcceptance));
        QVERIFY(!FindObjectDialogs(kTypeReboundSeries).limitAndRange);
        QVERIFY(!FindObjectDialogs(kTypeReboundSeries).coverAcceptance);
        QVERIFY(static_cast<bool>(FindObjectDialogs(kTypeReboundSeries).modifyValue));
        ClearObjectDialogs();
    }
};

QTEST_MAIN(CoverDialogsTest)
#include "CoverDialogsTest.moc"
