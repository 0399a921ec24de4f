#pragma once
// A report over many object files on one printer (a PDF file or a preview): the contents
// pages, then every object's printed pages as Print lays them out, each page numbered "k / n".
// Objects are read one at a time, twice (to count their pages, then to print them), so a
// report over thousands of files holds only one object in memory.
#include "model/ObjectFactory.h"
#include "objects/ReportContents.h"

#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace vordalis {

struct ReportJob {
    std::vector<std::string> files;
    std::u16string title;
    ReportLabels labels;
    // Gives a freshly read object its display options and mm scale as the viewer shows it.
    std::function<void(TBasicObj&)> prepare;
    // Called with (steps done, steps in all) before each file is read and each object printed;
    // returning false cancels the report.
    std::function<bool(int done, int total)> progress;
    // Hears what a reader says while a file is read.
    ReadNotice notice;
};

struct ReportOutcome {
    bool printed = false;   // the printer took the whole report
    bool cancelled = false; // stopped by the progress callback
    int pages = 0;
    // Entries with their first pages; skipped files carry their message.
    std::vector<ReportEntry> entries;
};

ReportOutcome PrintReport(const ReportJob& job, QPrinter& printer);

} // namespace vordalis
