#include "canvas/PrintedPages.h"

#include "canvas/QtCanvas.h"
#include "model/TBasicObj.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace vordalis {

int PrintedPageCount(TBasicObj& obj, QPrinter& printer) {
    QtCanvas::Device device = QtCanvas::ForPrinter(printer);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, device);
    return std::max(1, obj.GetPageCount(canvas));
}

void PaintPrintedPages(TBasicObj& obj, QPainter& painter, QPrinter& printer, int from, int to) {
    QtCanvas canvas(painter, QtCanvas::ForPrinter(printer));
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        // Each page starts from the canvas's own mapping, whatever the last one left behind.
        painter.save();
        obj.PrintPage(canvas, page);
        painter.restore();
    }
}

bool PrintPages(TBasicObj& obj, QPrinter& printer, int from, int to) {
    // Full-page mode before the painter begins: the paper's corner is the origin.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintPrintedPages(obj, painter, printer, from, to);
    return painter.end();
}

void SetUpPdfPrinter(QPrinter& printer, const QString& path, const QString& title) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("Vordalis"));
    printer.setDocName(title);
    printer.setFullPage(true);
}

} // namespace vordalis
