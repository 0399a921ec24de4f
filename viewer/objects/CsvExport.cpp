#include "objects/CsvExport.h"

#include "model/TBasicObj.h"
#include "objects/ObjectReadings.h"
#include "objects/ObjectStatistics.h"
#include "text/Utf16.h"

namespace vordalis {

const std::vector<std::string>& CsvExport::Columns(CsvKind kind) {
    static const std::vector<std::string> readings = {"file", "type", "number", "title", "date", "index",
                                                      "x",    "y",    "value",  "unit",  "flags"};
    static const std::vector<std::string> statistics = {
        "file",  "type",     "number",        "title",         "date",   "series",
        "count", "mean",     "stddev",        "min",           "max",    "percent_outside",
        "unit",  "strength", "strength_unit", "strength_text", "members"};
    return kind == CsvKind::Readings ? readings : statistics;
}

std::string CsvField(const std::string& field, char separator) {
    if (field.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) return field;
    std::string q = "\"";
    for (char c : field) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

CsvExport::CsvExport(CsvKind kind, bool excel) : kind_(kind), excel_(excel), separator_(excel ? ';' : ',') {
    if (excel_) text_ = "\xEF\xBB\xBF";
    Row(Columns(kind_), {});
}

void CsvExport::Row(const std::vector<std::string>& fields, const std::vector<bool>& isText) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text_ += separator_;
        std::string f = fields[i];
        // A spreadsheet would run a text starting like a formula ("=HYPERLINK(...)" in a title):
        // the spreadsheet form keeps it a text with a leading apostrophe.
        if (excel_ && i < isText.size() && isText[i] && !f.empty() &&
            std::string("=+-@\t\r").find(f[0]) != std::string::npos)
            f = "'" + f;
        text_ += CsvField(f, separator_);
    }
    text_ += "\r\n";
}

void CsvExport::Add(const std::string& file, TBasicObj& obj) {
    const std::vector<std::string> head = {file, std::to_string(obj.type), std::to_string(obj.objectNumber),
                                           U16ToUtf8(obj.title), obj.GetDate().Iso()};
    // file and title are free texts; the numbers and fixed words need no protection.
    std::vector<bool> text = {true, false, false, true, false};
    if (kind_ == CsvKind::Readings) {
        text.resize(Columns(kind_).size(), false);
        for (const ObjectReading& r : ObjectReadings(obj)) {
            std::vector<std::string> f = head;
            f.insert(f.end(), {std::to_string(r.index), r.x, r.y, r.value, r.unit, r.flags});
            Row(f, text);
        }
        return;
    }
    text.resize(Columns(kind_).size(), false);
    text.back() = true; // members carry titles
    for (const ObjectStatistics& s : StatisticsOf(obj)) {
        std::string members;
        for (const auto& [title, value] : s.members) {
            if (!members.empty()) members += '|';
            members += title + "=" + value;
        }
        std::vector<std::string> f = head;
        f.insert(f.end(), {s.series, s.count, s.mean, s.stddev, s.min, s.max, s.percentOutside, s.unit,
                           s.strength, s.strengthUnit, s.strengthText, members});
        Row(f, text);
    }
}

} // namespace vordalis
