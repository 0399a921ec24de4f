#include "model/TBasicObj.h"

#include "model/SeriesStatistics.h"
#include "model/TValueSeries.h"
#include "text/Utf16.h"

#include <cstdio>
#include <cstdlib>

namespace vordalis {

TBasicObj::TBasicObj() : date(OleDate::Now()) {}

bool TBasicObj::GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    for (int32_t* p : {limit, second, lower, upper})
        if (p) *p = 0;
    return false;
}

bool TBasicObj::GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) {
    return TBasicObj::GetLimits(limit, second, lower, upper);
}

void TBasicObj::SetLimits(int32_t, int32_t, int32_t, int32_t) {}
double TBasicObj::HitX(int, int) {
    return -1.0;
}
double TBasicObj::RowX(int) {
    return -1.0;
}
double TBasicObj::HitY(int, int) {
    return -1.0;
}
double TBasicObj::RowY(int) {
    return -1.0;
}
double TBasicObj::HitValue(int, int) {
    return 0.0;
}
double TBasicObj::RowValue(int) {
    return 0.0;
}
bool TBasicObj::SetValueAt(double, double, double) {
    return false;
}
bool TBasicObj::SetValueByIndex(int, double) {
    return false;
}

int TBasicObj::HitRegion(int, int, int* row) {
    if (row) *row = -1;
    return -1;
}

void TBasicObj::ParseInstrumentId(const std::u16string& text) {
    instrumentCode = u"VX";
    idPart1.clear();
    idPart2.clear();
    static const char16_t* const kCodes[] = {u"VX", u"V4", u"V5", u"MX", u"TH"};
    bool known = false;
    for (auto c : kCodes)
        if (text.size() >= 2 && text.compare(0, 2, c) == 0) known = true;
    if (!known) return;
    instrumentCode = text.substr(0, 2);
    size_t pos = 2;
    if (pos < text.size() && text[pos] == u'(') imperial = 0;
    if (pos < text.size() && text[pos] == u'i') {
        imperial = 1;
        ++pos;
    }
    if (pos >= text.size() || text[pos] != u'(') return;
    ++pos;
    size_t sep = text.find(u';', pos);
    bool semicolon = sep != std::u16string::npos;
    if (!semicolon) sep = text.find(u')', pos);
    if (sep == std::u16string::npos) return;
    idPart1 = Cut(text.substr(pos, sep - pos), kIdPart1Length);
    if (semicolon) {
        size_t close = text.find(u')', sep + 1);
        if (close != std::u16string::npos)
            idPart2 = Cut(text.substr(sep + 1, close - sep - 1), kIdPart2Length);
    }
}

int TBasicObj::ReadInstrumentId(ObjectReader& in, const std::u16string& acceptedCodes) {
    std::u16string token;
    if (in.ReadToken(token, 79) == 0) return in.LastDelimiter();
    size_t optionsAt = 0;
    auto isLetter = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    if (isLetter(token[0]) && token.size() >= 2) {
        size_t close = token.find(u')');
        size_t idEnd;
        if (close != std::u16string::npos) {
            idEnd = close + 1;
        } else {
            idEnd = token.size();
            for (size_t i = 2; i < token.size(); ++i)
                if (isDigit(token[i])) {
                    idEnd = i;
                    break;
                }
        }
        std::u16string idText = token.substr(0, idEnd);
        if (!acceptedCodes.empty() && acceptedCodes != u"*" &&
            acceptedCodes.find(idText.substr(0, 2)) == std::u16string::npos)
            return -1;
        ParseInstrumentId(idText);
        optionsAt = idEnd;
    }
    bool numeric = optionsAt < token.size() && (isDigit(token[optionsAt]) || token[optionsAt] == u'-');
    if (!numeric || token == u"-") {
        options = opts::kNotStored;
    } else {
        std::string digits;
        // A character outside ASCII is trailing rubbish, never a numeral.
        for (size_t i = optionsAt; i < token.size(); ++i)
            digits.push_back(token[i] < 0x80 ? static_cast<char>(token[i]) : '?');
        char* end = nullptr;
        long long n = std::strtoll(digits.c_str(), &end, 10);
        if (end == digits.c_str() || *end != '\0' || n >= 200000) n = 0;
        // The value-change flag belongs to the view and is never saved: a file's bit 16 is
        // no option of the object.
        options = opts::UnpackOptions(n) & ~opts::kValueChange;
    }
    return in.LastDelimiter();
}

void TBasicObj::WriteInstrumentId(ObjectWriter& out) const {
    std::u16string t = instrumentCode;
    if (instrumentCode == u"V5" && imperial == 1) t += u"i";
    t += u"(" + idPart1 + u";" + idPart2 + u")";
    int32_t packed = opts::PackOptions(options);
    // A stored word with every bit clear would read back as "not stored" from "-": bit 15
    // alone stands for it (it unpacks to 0).
    if (packed == 0 && !(options & opts::kNotStored)) packed = opts::kNotStored;
    t += packed > 0 ? Latin1ToU16(std::to_string(packed)) : std::u16string(u"-");
    // A quote inside the id (a reader drops the first and keeps the rest) leaves a space in
    // it; unquoted, that space would end the token. Instruments write neither, so their ids
    // stay as they are.
    if (t.find_first_of(u" \"") != std::u16string::npos)
        out.WriteQuoted(t, delim::kTab);
    else
        out.WriteText(t, delim::kTab);
}

void TBasicObj::WriteDateDMY(ObjectWriter& out) const {
    DateParts p;
    bool ok = date.Parts(p);
    out.WriteInteger(ok ? p.day : -1, delim::kTab);
    out.WriteInteger(ok ? p.month : -1, delim::kTab);
    out.WriteInteger(ok ? p.year : -1, delim::kLf);
}

void TBasicObj::WriteCommonTrailer(ObjectWriter& out, delim::Delimiter finalDelimiter) const {
    WriteDateDMY(out);
    out.WriteTextField(name, u"Update Vordalis!", delim::kLf);
    out.WriteTextField(title, u"Update Vordalis!", delim::kLf);
    out.WriteTextField(remarks, u"<Update Vordalis to see this remarks!>", finalDelimiter);
}

void TBasicObj::ReadCommonTrailer(ObjectReader& in) {
    int32_t day, month, year;
    if (!in.ReadInteger(day) || !in.ReadInteger(month) || !in.ReadInteger(year)) return;
    date = OleDate::FromParts({year, month, day, 0, 0, 0});
    // Generous narrow capacities: a quoted text of the field's full length must reach its
    // closing quote and delimiter, or the quote would end up in the text and the fields after
    // it would be lost. The fields themselves are cut to their lengths.
    constexpr size_t kNarrowCapacity = 256;
    SetName(in.ReadWideOrNarrow(kNameLength + 2, kNarrowCapacity));
    if (in.LastDelimiter() != 0) SetTitle(in.ReadWideOrNarrow(kTitleLength + 2, kNarrowCapacity));
    if (in.LastDelimiter() != 0) SetRemarks(in.ReadWideOrNarrow(kRemarksLength + 2, kNarrowCapacity));
}

std::u16string TBasicObj::NumberFigures(const char* format) const {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<long>(objectNumber));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string TBasicObj::LoadedTitle() const {
    return NumberFigures("%06ld");
}

void TBasicObj::Describe(Json& out) const {
    out.Set("type", Json::Int(type));
    out.Set("category", Json::Int(category));
    out.Set("number", Json::Int(objectNumber));
    out.Set("title", Json::Text(title));
    out.Set("name", Json::Text(name));
    out.Set("remarks", Json::Text(remarks));
    std::string iso = date.Iso();
    out.Set("date", iso.empty() ? Json::Null() : Json::Text(iso));
    Json inst = Json::Object();
    inst.Set("code", Json::Text(instrumentCode));
    inst.Set("id1", Json::Text(idPart1));
    inst.Set("id2", Json::Text(idPart2));
    inst.Set("imperial", Json::Bool(imperial != 0));
    out.Set("instrument", inst);
    Json o = Json::Object();
    o.Set("word", Json::Int(options));
    o.Set("stored", Json::Bool((options & opts::kNotStored) == 0));
    out.Set("options", o);
    // const_cast: the statistics are computed lazily on first use.
    out.Set("statistics", DescribeStatistics(const_cast<TValueSeries*>(MainSeries())));
}

} // namespace vordalis
