// vordalis-cli report: one PDF over many object files, with a table of contents first.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "canvas/ReportPrinter.h"
#include "model/AtomicFile.h"
#include "model/Codec.h"
#include "model/TBasicObj.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace vordalis::cli {
namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    interrupted = true;
}

} // namespace

int RunReport(const Args& args) {
    std::string out, title = "Report";
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output" || a == "--title") {
            if (i + 1 >= args.size()) return UsageError("report: missing value after " + a);
            (a == "--title" ? title : out) = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("report: unknown option " + a);
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) return UsageError("report: missing FILE");
    if (out.empty()) return UsageError("report: missing -o OUT.pdf");
    EnsureGuiApplication();

    // Ctrl+C cancels between two objects and leaves no file behind.
    interrupted = false;
    auto previous = std::signal(SIGINT, OnInterrupt);
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    ReportJob job;
    job.files = files;
    job.title = Utf8ToU16(title);
    job.prepare = PrepareForPages;
    job.notice = PrintReadNotice;
    const int n = static_cast<int>(files.size());
    job.progress = [&](int done, int total) {
        if (terminal) {
            if (done < n)
                std::fprintf(stderr, "\rreport: reading %d/%d", done + 1, n);
            else if (done < total)
                std::fprintf(stderr, "\rreport: printing %d/%d", done - n + 1, n);
            else
                std::fputs("\n", stderr);
        }
        return !interrupted.load();
    };

    QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("Vordalis"));
    printer.setDocName(QString::fromStdString(title));
    ReportOutcome outcome = scratch.isValid() ? PrintReport(job, printer) : ReportOutcome{};
    std::signal(SIGINT, previous);
    if (terminal && !outcome.printed) std::fputs("\n", stderr);
    if (outcome.cancelled) {
        PrintError("report: cancelled, nothing written");
        return 1;
    }
    QFile file(pdf);
    if (!outcome.printed || !file.open(QIODevice::ReadOnly)) {
        PrintError(out + ": cannot be written");
        return 1;
    }
    const QByteArray bytes = file.readAll();
    std::string error;
    if (!WriteFileAtomically(out, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                             &error)) {
        PrintError(out + ": " + error);
        return 1;
    }
    // A skipped file is listed in the report and reported as info reports it.
    int status = 0;
    for (const ReportEntry& e : outcome.entries)
        if (e.skipped) {
            PrintError(U16ToUtf8(e.message));
            status = 1;
        }
    return status;
}

} // namespace vordalis::cli
