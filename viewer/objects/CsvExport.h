#pragma once
// CSV for spreadsheets (RFC 4180, UTF-8, CRLF, '.' as decimal point): one row per reading or
// one row per statistics column of each object. The spreadsheet form adds a byte-order mark
// and uses ';' so a double-click opens it with the columns split.
#include <string>
#include <vector>

namespace vordalis {

class TBasicObj;

enum class CsvKind { Readings, Statistics };

class CsvExport {
public:
    CsvExport(CsvKind kind, bool excel);

    // Appends the rows of one object; file is the path it was read from.
    void Add(const std::string& file, TBasicObj& obj);
    // Header row and every row added so far.
    const std::string& Text() const { return text_; }

    static const std::vector<std::string>& Columns(CsvKind kind);

private:
    void Row(const std::vector<std::string>& fields, const std::vector<bool>& isText);

    CsvKind kind_;
    bool excel_;
    char separator_;
    std::string text_;
};

// One field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(const std::string& field, char separator);

} // namespace vordalis
