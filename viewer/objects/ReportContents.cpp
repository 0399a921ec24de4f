#include "objects/ReportContents.h"

#include "model/Codec.h"
#include "model/TBasicObj.h"
#include "objects/ObjectStatistics.h"
#include "plot/TextFormat.h"
#include "text/Utf16.h"

#include <algorithm>

namespace vordalis {
namespace {

constexpr int kTextHeight = 30;
constexpr int kHeadingHeight = 60;
// Where the table starts below the top border: after title and date on the first page, at
// once on the others.
constexpr int kTableTopFirst = 170;
constexpr int kTableTopNext = 0;
// The column heading's baseline and the line under it, from the table's top.
constexpr int kHeadingBaseline = 50;
constexpr int kHeadingLine = 65;

std::u16string U(const std::string& utf8) {
    return Utf8ToU16(utf8);
}
std::u16string OrDash(const std::string& s) {
    return s.empty() ? u"-" : U(s);
}

Font TextFont(int weight = 400) {
    Font f;
    f.height = kTextHeight;
    f.weight = weight;
    return f;
}

} // namespace

std::u16string MainResult(TBasicObj& obj) {
    std::vector<ObjectStatistics> s = StatisticsOf(obj);
    if (s.empty()) return u"";
    const ObjectStatistics& a = s[0];
    std::u16string r;
    if (obj.type == kTypeCoverList || obj.type == kTypeCoverRaster || obj.type == kTypeCoverBars) {
        const bool two = s.size() > 1;
        r = u"m = " + OrDash(a.mean) + (two ? u" / " + OrDash(s[1].mean) : u"") + u" " + U(a.unit);
        if (!a.percentOutside.empty())
            r += u",  <s(Min) = " + U(a.percentOutside) + (two ? u" / " + OrDash(s[1].percentOutside) : u"") +
                 u" %";
        return r;
    }
    // A China summary's result is its component strength alone.
    if (obj.type == kTypeReboundSummary && a.unit == "MPa") return u"f = " + OrDash(a.strengthText) + u" MPa";
    r = u"m = " + OrDash(a.mean) + u" R";
    if (!a.strengthText.empty()) {
        r += obj.type == kTypeReboundChina ? u",  f = " : u",  fck = ";
        r += U(a.strengthText);
        if (!a.strengthUnit.empty()) r += u" " + U(a.strengthUnit);
    }
    return r;
}

ReportContents::ReportContents(std::u16string title, OleDate date, ReportLabels labels,
                               settings::PageBorders borders, Size paper)
    : title_(std::move(title)), date_(date), labels_(std::move(labels)), borders_(borders), paper_(paper) {}

void ReportContents::AddObject(const std::string& path, TBasicObj& obj, int pages) {
    ReportEntry e;
    e.path = path;
    e.type = obj.type;
    e.number = obj.objectNumber;
    e.title = obj.title;
    e.date = obj.GetDate();
    e.result = MainResult(obj);
    e.pages = std::max(1, pages);
    entries_.push_back(std::move(e));
}

void ReportContents::AddSkipped(const std::string& path, const std::u16string& message) {
    ReportEntry e;
    e.path = path;
    e.skipped = true;
    e.message = message;
    entries_.push_back(std::move(e));
}

int ReportContents::SkippedCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return e.skipped; }));
}

int ReportContents::FirstRowTop(int page) const {
    return borders_.top + (page == 1 ? kTableTopFirst : kTableTopNext) + kHeadingLine;
}

int ReportContents::RowsOnPage(int page) const {
    const int bottom = paper_.cy - borders_.bottom;
    // At least one row per page, however small the paper, so that the contents end.
    return std::max(1, (bottom - FirstRowTop(page)) / kRowHeight);
}

int ReportContents::ContentsPages() const {
    const int skipped = SkippedCount();
    int rows = static_cast<int>(entries_.size()) - skipped + (skipped > 0 ? skipped + 1 : 0);
    int pages = 1;
    for (rows -= RowsOnPage(1); rows > 0; rows -= RowsOnPage(pages)) ++pages;
    return pages;
}

int ReportContents::TotalPages() const {
    int total = ContentsPages();
    for (const auto& e : entries_)
        if (!e.skipped) total += e.pages;
    return total;
}

std::vector<ReportEntry> ReportContents::Entries() const {
    std::vector<ReportEntry> out = entries_;
    int page = ContentsPages() + 1;
    for (auto& e : out)
        if (!e.skipped) {
            e.firstPage = page;
            page += e.pages;
        }
    return out;
}

void ReportContents::PaintContents(Canvas& dc, int page) const {
    dc.SetMapping(Mapping::Metric);
    dc.SetTextColor(kBlack);
    dc.SetPen(Pen{PenStyle::Solid, 2, kBlack});
    dc.SetTransparent(true);
    const int left = borders_.left, right = paper_.cx - borders_.right;
    const int width = right - left;
    if (page == 1) {
        Font heading = TextFont(700);
        heading.height = kHeadingHeight;
        dc.SetFont(heading);
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        dc.TextOut(left, borders_.top + kHeadingHeight, title_);
        dc.SetFont(TextFont());
        std::string iso = date_.Iso();
        dc.TextOut(left, borders_.top + kHeadingHeight + 60,
                   labels_.reportDate + u": " + U(iso.substr(0, std::min<size_t>(iso.size(), 10))));
    }
    // Columns: type, number, title, date and result from the left, the page at the right.
    const int columns[] = {left, left + width * 18 / 100, left + width * 25 / 100, left + width * 45 / 100,
                           left + width * 56 / 100};
    const int tableTop = borders_.top + (page == 1 ? kTableTopFirst : kTableTopNext);
    dc.SetFont(TextFont(700));
    dc.SetTextAlign(align::kLeft | align::kBaseline);
    const std::u16string heads[] = {labels_.type, labels_.number, labels_.title, labels_.date,
                                    labels_.result};
    for (int i = 0; i < 5; ++i) dc.TextOut(columns[i], tableTop + kHeadingBaseline, heads[i]);
    dc.SetTextAlign(align::kRight | align::kBaseline);
    dc.TextOut(right, tableTop + kHeadingBaseline, labels_.page);
    dc.Line(left, tableTop + kHeadingLine, right, tableTop + kHeadingLine);

    // The rows of this page: objects first, then the skipped files under their heading.
    std::vector<const ReportEntry*> rows;
    const std::vector<ReportEntry> entries = Entries();
    for (const auto& e : entries)
        if (!e.skipped) rows.push_back(&e);
    const bool anySkipped = SkippedCount() > 0;
    if (anySkipped) rows.push_back(nullptr); // the heading
    for (const auto& e : entries)
        if (e.skipped) rows.push_back(&e);
    int first = 0;
    for (int p = 1; p < page; ++p) first += RowsOnPage(p);
    const int last = std::min(static_cast<int>(rows.size()), first + RowsOnPage(page));
    int y = FirstRowTop(page);
    for (int i = first; i < last; ++i) {
        y += kRowHeight;
        const ReportEntry* e = rows[static_cast<size_t>(i)];
        dc.SetTextAlign(align::kLeft | align::kBaseline);
        if (!e) {
            dc.SetFont(TextFont(700));
            dc.TextOut(left, y, labels_.skipped);
            continue;
        }
        dc.SetFont(TextFont());
        if (e->skipped) {
            std::u16string text = e->message;
            std::replace(text.begin(), text.end(), u'\n', u' ');
            dc.TextOut(left, y, text);
            continue;
        }
        auto name = labels_.typeNames.find(e->type);
        dc.TextOut(columns[0], y, name != labels_.typeNames.end() ? name->second : Printf("%d", e->type));
        dc.TextOut(columns[1], y, Printf("%d", e->number));
        dc.TextOut(columns[2], y, e->title);
        std::string iso = e->date.Iso();
        dc.TextOut(columns[3], y, U(iso.substr(0, std::min<size_t>(iso.size(), 10))));
        dc.TextOut(columns[4], y, e->result);
        dc.SetTextAlign(align::kRight | align::kBaseline);
        dc.TextOut(right, y, Printf("%d", e->firstPage));
    }
}

void ReportContents::PaintFooter(Canvas& dc, int page) const {
    dc.SetMapping(Mapping::Metric);
    dc.SetFont(TextFont());
    dc.SetTextColor(kBlack);
    dc.SetTransparent(true);
    dc.SetTextAlign(align::kCenter | align::kBaseline);
    // Half-way down the bottom border, or 5 mm above the paper's edge when the border is narrow.
    const int y = paper_.cy - std::max(50, borders_.bottom / 2);
    dc.TextOut(paper_.cx / 2, y, Printf("%d / %d", page, TotalPages()));
}

} // namespace vordalis
