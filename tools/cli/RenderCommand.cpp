// vordalis-cli render: paints an object's page as the viewer does, into PDF, SVG or PNG.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "canvas/PrintedPages.h"
#include "canvas/QtCanvas.h"
#include "model/AtomicFile.h"
#include "model/ByteSource.h"
#include "model/DisplayOptions.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "settings/Settings.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vordalis::cli {
namespace {

// The screen the PNG and SVG pages are painted for (the chart mapping depends on its height).
constexpr double kScreenHeight = 1080;
// Resolution of printed pages rendered as images.
constexpr double kPageImageDpi = 150;
bool EndsWith(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) != tail[i]) return false;
    return true;
}

bool ParseInt(const std::string& text, long long& out) {
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 0);
    return !text.empty() && end && *end == '\0';
}

QPageLayout A4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// A printed page of A4 paper for a canvas that is not a printer device itself.
QtCanvas::Device A4Device(double dpi) {
    QtCanvas::Device d;
    d.printer = true;
    d.dotsPerInch = dpi;
    QRectF mm = A4Layout().fullRect(QPageLayout::Millimeter);
    d.paper = {static_cast<int>(mm.width() * 10 + 0.5), static_cast<int>(mm.height() * 10 + 0.5)};
    return d;
}

// The finished picture goes to OUT in one piece: a failed render or write leaves no partial
// file and keeps a file that was there before.
int Save(const std::string& out, const QByteArray& bytes) {
    std::string error;
    if (!WriteFileAtomically(out, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                             &error)) {
        PrintError(out + ": " + error);
        return 1;
    }
    return 0;
}

// Every printed page (or only one) exactly as the viewer prints it to a PDF file.
int WritePdf(TBasicObj& obj, const std::string& out, int onlyPage) {
    QTemporaryDir scratch;
    QString path = scratch.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, path, QString::fromStdU16String(obj.title));
    int count = PrintedPageCount(obj, printer);
    if (onlyPage > count) {
        PrintError("page " + std::to_string(onlyPage) + " does not exist (" + std::to_string(count) +
                   " pages)");
        return 1;
    }
    int first = onlyPage > 0 ? onlyPage : 1, last = onlyPage > 0 ? onlyPage : count;
    QFile pdf(path);
    QByteArray bytes;
    if (scratch.isValid() && PrintPages(obj, printer, first, last) && pdf.open(QIODevice::ReadOnly))
        bytes = pdf.readAll();
    // The printer does not report a failed write (a full disk): only a whole PDF file counts.
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF")) {
        PrintError(out + ": cannot be written");
        return 1;
    }
    return Save(out, bytes);
}

// The screen page (page 0) or a printed page as an image or SVG drawing.
int WritePicture(TBasicObj& obj, const std::string& out, int onlyPage, bool svg) {
    QtCanvas::Device device;
    QSize pixels;
    if (onlyPage > 0) {
        device = A4Device(kPageImageDpi);
        QtCanvas::Device probe = device;
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter sp(&scratch);
        QtCanvas probeCanvas(sp, probe);
        int count = obj.GetPageCount(probeCanvas);
        sp.end();
        if (onlyPage > count) {
            PrintError("page " + std::to_string(onlyPage) + " does not exist (" + std::to_string(count) +
                       " pages)");
            return 1;
        }
        double scale = kPageImageDpi / 254.0;
        pixels = QSize(static_cast<int>(device.paper.cx * scale + 0.5),
                       static_cast<int>(device.paper.cy * scale + 0.5));
    } else {
        device.screenHeight = kScreenHeight;
        Extent e = obj.GetExtent();
        if (e.cx <= 0 || e.cy <= 0) {
            PrintError(out + ": the object has nothing to show");
            return 1;
        }
        double scale = QtCanvas::ScreenScale(kScreenHeight);
        pixels = QSize(static_cast<int>(e.cx * scale + 0.5), static_cast<int>(e.cy * scale + 0.5));
    }
    auto paint = [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
        QtCanvas canvas(painter, device);
        if (onlyPage > 0)
            obj.PrintPage(canvas, onlyPage);
        else
            obj.Draw(canvas);
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator gen;
        gen.setOutputDevice(&buffer);
        gen.setSize(pixels);
        // A printed page declares its paper size (an A4 page is 210 x 297 mm).
        if (onlyPage > 0) gen.setResolution(static_cast<int>(kPageImageDpi));
        gen.setViewBox(QRect(QPoint(0, 0), pixels));
        gen.setTitle(QString::fromStdU16String(obj.title));
        QPainter painter;
        if (!painter.begin(&gen)) {
            PrintError(out + ": cannot be written");
            return 1;
        }
        paint(painter);
        painter.end();
        buffer.close();
        return Save(out, bytes);
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (onlyPage > 0) {
        int dotsPerMetre = static_cast<int>(kPageImageDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
    }
    QPainter painter(&image);
    paint(painter);
    painter.end();
    if (!image.save(&buffer, "PNG")) {
        PrintError(out + ": cannot be written");
        return 1;
    }
    buffer.close();
    return Save(out, bytes);
}

} // namespace

int RunRender(const Args& args) {
    std::string file, out;
    long long options = -1, page = 0;
    bool haveOptions = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output" || a == "--options" || a == "--page") {
            if (i + 1 == args.size()) return UsageError("render: missing value after " + a);
            const std::string& value = args[++i];
            if (a == "--options") {
                if (!ParseInt(value, options))
                    return UsageError("render: --options needs a number, not " + value);
                haveOptions = true;
            } else if (a == "--page") {
                if (!ParseInt(value, page) || page < 1)
                    return UsageError("render: --page needs a page number from 1, not " + value);
            } else {
                out = value;
            }
        } else if (file.empty() && !a.empty() && a[0] != '-') {
            file = a;
        } else {
            return UsageError("render: unexpected argument " + a);
        }
    }
    if (file.empty()) return UsageError("render: missing FILE");
    if (out.empty()) return UsageError("render: missing -o OUT.pdf|OUT.svg|OUT.png");
    bool pdf = EndsWith(out, ".pdf"), svg = EndsWith(out, ".svg"), png = EndsWith(out, ".png");
    if (!(pdf || svg || png)) return UsageError("render: the output must end in .pdf, .svg or .png: " + out);

    EnsureGuiApplication();

    FileSource source(file);
    std::unique_ptr<TBasicObj> obj;
    if (source.IsOpen()) obj = CreateObjectFromFile(source, nullptr, PrintReadNotice);
    if (!obj) {
        PrintError(U16ToUtf8(OpenFailureMessage(file)));
        return 1;
    }
    obj->mmScale = settings::ReadDword(settings::kMmScale, settings::kDefaultMmScale) != 0;
    if (haveOptions)
        obj->SetOptions(static_cast<int32_t>(options));
    else if (obj->options & opts::kNotStored)
        obj->SetOptions(CategoryDefault(*obj));

    if (pdf) return WritePdf(*obj, out, static_cast<int>(page));
    return WritePicture(*obj, out, static_cast<int>(page), svg);
}

} // namespace vordalis::cli
