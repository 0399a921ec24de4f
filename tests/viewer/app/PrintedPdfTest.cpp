// The command-line tool's PDF against the viewer's own print to PDF, looked at as a user would:
// the text of every page (pdftotext -layout), the pages as pictures (pdftoppm), and where the
// ink lies on the A4 sheet.
#include "ViewerTest.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdlib>

using namespace vordalis;

namespace {

// Resolution the pages are compared at: fine enough to see a line out of place.
constexpr int kDpi = 50;

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run Execute(const QString& program, const QStringList& args, const QString& configHome = {}) {
    QProcess p;
    if (!configHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome);
        p.setProcessEnvironment(env);
    }
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(60000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// pdfinfo's page count and page size in points.
struct PdfInfo {
    int pages = 0;
    double width = 0, height = 0;
};

PdfInfo Info(const QString& pdf) {
    Run r = Execute("pdfinfo", {pdf});
    PdfInfo info;
    auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(r.out);
    auto size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(r.out);
    if (pages.hasMatch()) info.pages = pages.captured(1).toInt();
    if (size.hasMatch()) {
        info.width = size.captured(1).toDouble();
        info.height = size.captured(2).toDouble();
    }
    return info;
}

QString PageText(const QString& pdf, int page) {
    QString p = QString::number(page);
    return QString::fromUtf8(Execute("pdftotext", {"-layout", "-f", p, "-l", p, pdf, "-"}).out);
}

QImage PageImage(const QString& pdf, int page, const QString& prefix) {
    QString p = QString::number(page);
    Execute("pdftoppm", {"-gray", "-r", QString::number(kDpi), "-f", p, "-l", p, "-singlefile", pdf, prefix});
    return QImage(prefix + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

// The smallest rectangle holding every pixel with ink.
QRect InkBounds(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 200) ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

// Share of the pixels that differ clearly between two pictures of the same size.
double DifferentShare(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* ra = a.constScanLine(y);
        const uchar* rb = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(int(ra[x]) - int(rb[x])) > 96) ++different;
    }
    return double(different) / (a.width() * a.height());
}

} // namespace

class PrintedPdfTest : public vordalis::test::ViewerTest {
    Q_OBJECT

    QTemporaryDir files_;

    // The viewer opens the file and prints every page to an A4 PDF file, as a user does with
    // "Print to file".
    bool PrintInViewer(const QString& sample, const QString& pdf) {
        CNexoloApp app;
        app.InitInstance(sample.toStdString());
        if (!app.Document()->Object()) return false;
        QPrinter& printer = app.MainFrame()->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        app.MainFrame()->PrintAll(printer);
        app.MainFrame()->close();
        return QFileInfo(pdf).size() > 0;
    }

private slots:
    void initTestCase() {
        // The viewer's settings file is the one the command-line tool reads through XDG_CONFIG_HOME.
        UsePrivateSettings();
        QVERIFY2(!QStandardPaths::findExecutable("pdftoppm").isEmpty(), "poppler-utils is needed");
    }

    void cliPdfIsTheViewersPrint_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        const QStringList samples = QDir(VORDALIS_SAMPLES).entryList({"*.vdo"}, QDir::Files, QDir::Name);
        QVERIFY(!samples.isEmpty());
        settings::PageBorders d;
        for (const QString& s : samples)
            QTest::newRow(qPrintable(s)) << s << int(d.top) << int(d.bottom) << int(d.left) << int(d.right);
        // Borders of the user's own, wide on one side and narrow on the other.
        for (const char* s : {"list_metric.vdo", "bars_metric.vdo", "rebound_median.vdo"})
            QTest::newRow(qPrintable(QString(s) + " wide borders")) << s << 400 << 50 << 300 << 80;
    }

    void cliPdfIsTheViewersPrint() {
        QFETCH(QString, sample);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, left);
        QFETCH(int, right);
        settings::WritePageBorders({top, bottom, left, right});
        QSettings().sync();
        QString path = Sample(qPrintable(sample));
        QString viewerPdf = files_.filePath("viewer.pdf"), cliPdf = files_.filePath("cli.pdf");
        QFile::remove(viewerPdf);
        QFile::remove(cliPdf);
        QVERIFY(PrintInViewer(path, viewerPdf));
        Run cli = Execute(VORDALIS_CLI, {"render", path, "-o", cliPdf}, config_.path());
        QVERIFY2(cli.status == 0, cli.err.constData());

        PdfInfo viewer = Info(viewerPdf), tool = Info(cliPdf);
        QVERIFY(viewer.pages >= 1);
        QCOMPARE(tool.pages, viewer.pages);
        // A4: 210 x 297 mm.
        QVERIFY2(std::abs(tool.width - 595.3) < 1 && std::abs(tool.height - 841.9) < 1,
                 qPrintable(QString("%1 x %2 pt").arg(tool.width).arg(tool.height)));

        auto toPixels = [](int tenthsMm) { return tenthsMm / 254.0 * kDpi; };
        for (int page = 1; page <= viewer.pages; ++page) {
            QString text = PageText(cliPdf, page);
            QVERIFY(!text.trimmed().isEmpty());
            QCOMPARE(text, PageText(viewerPdf, page));

            QImage a = PageImage(viewerPdf, page, files_.filePath("viewer"));
            QImage b = PageImage(cliPdf, page, files_.filePath("cli"));
            QVERIFY(!a.isNull());
            QCOMPARE(b.size(), a.size());
            double share = DifferentShare(a, b);
            QVERIFY2(share < 0.002,
                     qPrintable(QString("page %1: %2 of the pixels differ").arg(page).arg(share)));

            // The ink lies within the borders. A label set beside its band (the unit after the
            // raster legend) may reach 2 mm into the border, nothing further.
            QRect ink = InkBounds(b);
            QVERIFY2(!ink.isEmpty(), qPrintable(QString("page %1 is blank").arg(page)));
            const double slack = toPixels(20) + 1;
            QRectF inside(toPixels(left) - slack, toPixels(top) - slack,
                          b.width() - toPixels(left) - toPixels(right) + 2 * slack,
                          b.height() - toPixels(top) - toPixels(bottom) + 2 * slack);
            QVERIFY2(inside.contains(QRectF(ink)),
                     qPrintable(QString("page %1: ink %2,%3 %4x%5 outside %6,%7 %8x%9")
                                    .arg(page)
                                    .arg(ink.x())
                                    .arg(ink.y())
                                    .arg(ink.width())
                                    .arg(ink.height())
                                    .arg(inside.x())
                                    .arg(inside.y())
                                    .arg(inside.width())
                                    .arg(inside.height())));
        }
    }
};

QTEST_MAIN(PrintedPdfTest)
#include "PrintedPdfTest.moc"
