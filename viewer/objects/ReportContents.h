#pragma once
// The first pages of a report over many objects: the report's title and date, then a table of
// contents with one row per object (type, number, title, date, main result, first page) and
// the files that were skipped with their message. It also numbers every page of the report
// ("k / n"). Painted on any printer canvas within the page borders; Qt-free.
#include "model/OleDate.h"
#include "plot/Canvas.h"
#include "settings/Settings.h"

#include <map>
#include <string>
#include <vector>

namespace vordalis {

class TBasicObj;

// The words of the contents pages; English unless the caller translates them.
struct ReportLabels {
    std::u16string reportDate = u"Date of the report";
    std::u16string type = u"Type";
    std::u16string number = u"No.";
    std::u16string title = u"Title";
    std::u16string date = u"Date";
    std::u16string result = u"Result";
    std::u16string page = u"Page";
    std::u16string skipped = u"Skipped files";
    std::map<int, std::u16string> typeNames = {{1, u"Cover list"}, {2, u"Bar scan"},
                                               {3, u"Raster"},     {6, u"Rebound series"},
                                               {7, u"Summary"},    {8, u"JGJ/T 23 series"}};
};

struct ReportEntry {
    std::string path;
    bool skipped = false;
    std::u16string message; // why a skipped file is not in the report
    int32_t type = 0;
    int32_t number = 0;
    std::u16string title;
    OleDate date;
    std::u16string result;
    int pages = 0;
    int firstPage = 0;
};

// The main result of an object in a line, with the page's symbols: mean cover and share below
// the limit, mean rebound value and strength, or a China summary's component strength.
std::u16string MainResult(TBasicObj& obj);

class ReportContents {
public:
    static constexpr int kRowHeight = 45;

    ReportContents(std::u16string title, OleDate date, ReportLabels labels, settings::PageBorders borders,
                   Size paper);

    void AddObject(const std::string& path, TBasicObj& obj, int pages);
    void AddSkipped(const std::string& path, const std::u16string& message);

    // Pages the contents take (at least 1), and of the whole report.
    int ContentsPages() const;
    int TotalPages() const;
    // Every entry with its first page filled in.
    std::vector<ReportEntry> Entries() const;
    int SkippedCount() const;

    // Contents page 1..ContentsPages() on a printer canvas (0.1 mm, paper corner at 0,0).
    void PaintContents(Canvas& dc, int page) const;
    // "k / n" centred in the bottom border of report page k.
    void PaintFooter(Canvas& dc, int page) const;

private:
    // Rows of the contents (objects, then a heading and the skipped files) per page.
    int RowsOnPage(int page) const;
    int FirstRowTop(int page) const;

    std::u16string title_;
    OleDate date_;
    ReportLabels labels_;
    settings::PageBorders borders_;
    Size paper_;
    std::vector<ReportEntry> entries_;
};

} // namespace vordalis
