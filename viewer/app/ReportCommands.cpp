#include "app/ReportCommands.h"

#include "app/CNexoloDoc.h"
#include "app/ViewOptions.h"
#include "canvas/ReportPrinter.h"
#include "dialogs/ObjectDialogs.h"
#include "model/AtomicFile.h"
#include "objects/CsvExport.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

namespace vordalis {
namespace {

// A progress dialog is worth showing from this many files on.
constexpr int kProgressFrom = 6;

QString Tr(const char* text) {
    return QCoreApplication::translate("vordalis::ReportCommands", text);
}

std::u16string U(const char* text) {
    return Tr(text).toStdU16String();
}

ReportLabels TranslatedLabels() {
    ReportLabels l;
    l.reportDate = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Date of the report"));
    l.type = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Type"));
    l.number = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "No."));
    l.title = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Title"));
    l.date = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Date"));
    l.result = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Result"));
    l.page = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Page"));
    l.skipped = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Skipped files"));
    l.typeNames = {{1, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Cover list"))},
                   {2, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Bar scan"))},
                   {3, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Raster"))},
                   {6, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Rebound series"))},
                   {7, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Summary"))},
                   {8, U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "JGJ/T 23 series"))}};
    return l;
}

} // namespace

bool OnExportCsv(QWidget* parent, CNexoloDoc& doc) {
    TBasicObj* obj = doc.Object();
    if (!obj) return false;
    const QString readings = Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Readings, CSV (*.csv)"));
    const QString statistics = Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Statistics, CSV (*.csv)"));
    const QString readingsSheet =
        Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Readings, CSV for spreadsheets (*.csv)"));
    const QString statisticsSheet =
        Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Statistics, CSV for spreadsheets (*.csv)"));
    // Beside the object's file, under its name.
    QString suggestion =
        doc.PathName().isEmpty()
            ? QDir(QString::fromStdU16String(settings::DataFolder()))
                  .filePath(doc.Title() + QStringLiteral(".csv"))
            : QFileInfo(doc.PathName()).dir().filePath(QFileInfo(doc.PathName()).completeBaseName() + ".csv");
    QString filter = readings;
    QString path = QFileDialog::getSaveFileName(
        parent, Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Export")), suggestion,
        QStringList{readings, statistics, readingsSheet, statisticsSheet}.join(QStringLiteral(";;")),
        &filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    const bool stats = filter == statistics || filter == statisticsSheet;
    const bool sheet = filter == readingsSheet || filter == statisticsSheet;
    CsvExport csv(stats ? CsvKind::Statistics : CsvKind::Readings, sheet);
    csv.Add(QFile::encodeName(doc.PathName().isEmpty() ? doc.Title() : doc.PathName()).toStdString(), *obj);
    std::string error;
    if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), csv.Text(), &error)) {
        QMessageBox::warning(parent, QCoreApplication::applicationName(),
                             path + QStringLiteral(":\n") + QString::fromStdString(error));
        return false;
    }
    return true;
}

bool PrintReportWithProgress(QWidget* parent, const QStringList& files, QPrinter& printer) {
    ReportJob job;
    for (const QString& f : files) job.files.push_back(QFile::encodeName(f).toStdString());
    job.title = U(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Report"));
    job.labels = TranslatedLabels();
    // Every object as the view would first show it: its own options or its kind's default.
    ViewOptions options;
    options.Load();
    job.prepare = [&options](TBasicObj& obj) { options.PrepareForPaint(obj); };
    job.notice = &ShowReadNotice;
    std::unique_ptr<QProgressDialog> progress;
    if (files.size() >= kProgressFrom) {
        progress = std::make_unique<QProgressDialog>(
            Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Preparing the report...")),
            Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Cancel")), 0,
            2 * static_cast<int>(files.size()), parent);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        job.progress = [&progress](int done, int total) {
            progress->setMaximum(total);
            progress->setValue(done);
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        };
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReportOutcome outcome = PrintReport(job, printer);
    QApplication::restoreOverrideCursor();
    return outcome.printed;
}

void OnReport(QWidget* parent, QPrinter& printer) {
    const QString folder = QString::fromStdU16String(settings::DataFolder());
    const QStringList files = QFileDialog::getOpenFileNames(
        parent, Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Report")),
        QDir(folder).filePath(QStringLiteral("*.vdo")),
        Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Vordalis Object Files (*.vdo)")) +
            QStringLiteral(";;") + Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "All Files (*)")));
    if (files.isEmpty()) return;
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(Tr(QT_TRANSLATE_NOOP("vordalis::ReportCommands", "Report")));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* p) { PrintReportWithProgress(&preview, files, *p); });
    if (parent) preview.resize(parent->size());
    preview.exec();
}

} // namespace vordalis
