#include "model/Strings.h"

#include <map>

namespace vordalis {
namespace {

// One table for every part of the viewer; each numbered text appears once.
const std::map<int, std::u16string>& Table() {
    static const std::map<int, std::u16string> table = {
        {129, u"Update Vordalis to version %s"},
        {130, u"New version available!"},
        {2030, u"Rebar Locator"},
        {2031, u"Date:"},
        {2032, u"Name:"},
        {2033, u"Title:"},
        {2034, u"Remarks:"},
        {2035, u"Cover"},
        {2036, u"Limit: %d mm"},
        {2037, u"Bar diameter"},
        {2038, u"X grid width"},
        {2039, u"Y grid width"},
        {2040, u"Number of measured covers"},
        {2041, u"Total Area of measured grids"},
        {2042, u"Set parameters"},
        {2043, u"Statistic"},
        {2045, u"Average measured cover"},
        {2046, u"Standard deviation"},
        {2047, u"Maximum of measured covers"},
        {2048, u"Minimum of measured covers"},
        {2049, u"Span"},
        {2050, u"Measured covers"},
        {2051, u"Measured covers (continued)"},
        {2052, u"%d-%b-%Y"},
        {2053, u"Bar distance"},
        {2054, u"Number of measured bars"},
        {2056, u"Cover values below limit"},
        {2057, u"Limit value of covers"},
        {2058, u"%s:\nObject empty or not valid"},
        {2059, u"Double click to modify value"},
        {2060, u"Double click to modify title/remarks"},
        {2061, u"Double click to modify limit/range"},
        {2062, u"Impact direction"},
        {2063, u"Eliminate outliers"},
        {2064, u"Conversion curve"},
        {2065, u"Carbonation depth"},
        {2066, u"Time factor"},
        {2067, u"Form factor"},
        {2068, u"Mean compressive strength"},
        {2069, u"Rebound value"},
        {2070, u"Number of measurements"},
        {2071, u"Mean rebound value"},
        {2072, u"Maximum rebound value"},
        {2073, u"Minimum rebound value"},
        {2074, u"Measured rebound value"},
        {2079, u"Concrete placing"},
        {2080, u"Conversion"},
        {2081, u"Pump concrete"},
        {2082, u"Mean rebound value"},
        {2083, u"With impact direction"},
        {2084, u"With concrete placing"},
        {2085, u"With carbonation depth"},
        {2086, u"With pump concrete"},
        {2087, u"ON"},
        {2088, u"OFF"},
        {2089, u"Side"},
        {2090, u"Top"},
        {2091, u"Bottom"},
        {2092, u"General conversion"},
        {2093, u"Double click to modify settings"},
        {2094, u"Double click to detail view"},
        {2095, u"Save changes to original file"},
        {2096, u"Median rebound value"},
        {2097, u"TORVIHAMMER SUMMARY"},
        {2099, u"TORVIHAMMER CHINA SUMMARY SINGLE"},
        {2100, u"TORVIHAMMER CHINA SUMMARY BATCH"},
        {2101, u"JGJ/T23-2001"},
        {2102, u"Title : mean rebound value [R]"},
        {2103, u"Title : mean value f2 [MPa]"},
        {2104, u"Number of measurement series"},
        {2105, u"Component strength"},
        {2106, u"Summary mean value"},
        {2107, u"Summary mean compr. strength"},
        {2109, u"Mean value"},
        {2110, u"Minimum value"},
        {2111, u"Maximum value"},
        {2112, u"Summary median value"},
        {2113, u"Summary median compr. strength"},
        {2114, u"Median compressive strength"},
        {2115, u"Files"},
        {2118, u"Out of Range (<10 MPa or >60MPa) "},
        {2119, u"2 Layer correction"},
        {2120, u"    1. Layer"},
        {2121, u"    2. Layer"},
        {2122, u"    Arrangement"},
        {2123, u"Failed to launch tamlo!"},
        {2124, u"Failed to launch ondralink!"},
        {2126, u"JGJ/T23-2011"},
        {22002, u"Morvex"},
        {22004, u"It is not possible to run %s with a broken FTP connection.\r\n"
                u"Press [Finish] or [Cancel] to terminate %s."},
        {22005, u"Connecting..."},
        {22007, u"There is no update available. \r\nYou are already using the most recent version of %s."},
        {22009, u"Found a newer version of %s on the server. \r\n Server version: %s \r\n Your version: %s"},
        {22010, u"Downloading %s"},
        {22017, u"%s MB downloaded"},
        {22018, u"Unknown error while downloading."},
        {22019, u"Receiving update information..."},
        {22020, u"Searching update for %s"},
        {22021, u"Next >"},
        {22022, u"< Back"},
        {22023, u"Cancel"},
        {22024, u"Finish"},
    };
    return table;
}

std::function<std::u16string(int, const std::u16string&)>& Translator() {
    static std::function<std::u16string(int, const std::u16string&)> t;
    return t;
}

} // namespace

std::u16string EnglishString(int id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::u16string() : it->second;
}

std::u16string LoadString(int id) {
    std::u16string en = EnglishString(id);
    if (Translator()) {
        std::u16string t = Translator()(id, en);
        if (!t.empty()) return t;
    }
    return en;
}

std::u16string TranslateText(const std::u16string& english) {
    if (Translator()) {
        std::u16string t = Translator()(0, english);
        if (!t.empty()) return t;
    }
    return english;
}

void SetStringTranslator(std::function<std::u16string(int, const std::u16string&)> translator) {
    Translator() = std::move(translator);
}

} // namespace vordalis
