#include "canvas/ReportPrinter.h"

#include "canvas/PrintedPages.h"
#include "canvas/QtCanvas.h"
#include "model/ByteSource.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/TBasicObj.h"
#include "settings/Settings.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace vordalis {
namespace {

std::unique_ptr<TBasicObj> Read(const std::string& path, const ReportJob& job) {
    FileSource file(path);
    std::unique_ptr<TBasicObj> obj;
    if (file.IsOpen()) obj = CreateObjectFromFile(file, nullptr, job.notice);
    if (obj && job.prepare) job.prepare(*obj);
    return obj;
}

} // namespace

ReportOutcome PrintReport(const ReportJob& job, QPrinter& printer) {
    ReportOutcome outcome;
    const int files = static_cast<int>(job.files.size());
    const int steps = 2 * files;
    auto step = [&](int done) { return !job.progress || job.progress(done, steps); };

    // Full-page mode first: the paper's corner is the origin of every page, the contents' too.
    QtCanvas::Device device = QtCanvas::ForPrinter(printer);
    ReportContents contents(job.title, OleDate::Now(), job.labels, settings::ReadPageBorders(), device.paper);
    for (int i = 0; i < files; ++i) {
        if (!step(i)) {
            outcome.cancelled = true;
            return outcome;
        }
        const std::string& path = job.files[static_cast<size_t>(i)];
        std::unique_ptr<TBasicObj> obj = Read(path, job);
        if (obj)
            contents.AddObject(path, *obj, PrintedPageCount(*obj, printer));
        else
            contents.AddSkipped(path, InvalidObjectMessage(path));
    }
    outcome.entries = contents.Entries();
    outcome.pages = contents.TotalPages();

    QPainter painter;
    if (!painter.begin(&printer)) return outcome;
    QtCanvas canvas(painter, device);
    auto footer = [&](int page) {
        painter.save();
        contents.PaintFooter(canvas, page);
        painter.restore();
    };
    int page = 1;
    for (; page <= contents.ContentsPages(); ++page) {
        if (page > 1) printer.newPage();
        painter.save();
        contents.PaintContents(canvas, page);
        painter.restore();
        footer(page);
    }
    for (int i = 0; i < files; ++i) {
        const ReportEntry& e = outcome.entries[static_cast<size_t>(i)];
        if (e.skipped) continue;
        if (!step(files + i)) {
            outcome.cancelled = true;
            break;
        }
        // The file is read again; should it have changed meanwhile, its pages stay blank but
        // numbered, so the contents remain true for every other object.
        std::unique_ptr<TBasicObj> obj = Read(e.path, job);
        for (int p = 1; p <= e.pages; ++p, ++page) {
            printer.newPage();
            if (obj) {
                // Each page starts from the canvas's own mapping, as Print paints it.
                painter.save();
                obj->PrintPage(canvas, p);
                painter.restore();
            }
            footer(page);
        }
    }
    outcome.printed = painter.end() && !outcome.cancelled;
    if (outcome.printed && job.progress) job.progress(steps, steps);
    return outcome;
}

} // namespace vordalis
