// vordalis-cli export: CSV of readings and statistics, run as a process and read back with
// Python's csv module where a spreadsheet user's tools matter.
#include "CliRunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace vordalis::test;

namespace {

class CliExport : public CliFolderTest {
protected:
    CliExport() : CliFolderTest("export") {}

    // CSV rows end with CR LF.
    static std::vector<std::string> Rows(const std::string& text) { return Lines(text, "\r\n"); }
    // The line without its first field (the path, which depends on where the samples are).
    static std::string AfterFile(const std::string& line) { return line.substr(line.find(',') + 1); }
    static bool HasRow(const std::vector<std::string>& lines, const std::string& row) {
        for (const auto& l : lines)
            if (AfterFile(l) == row) return true;
        return false;
    }
    // A cover list with three readings (limit 25) and the given title, written field by field.
    std::string ListWithTitle(const std::string& title) const {
        std::string s = "\r\nVernoskant5\t1\t16\t25\tmm\t3\t30\t30\t30\t0.000\r\n20\r\n30\r\n40\r\n\x1a"
                        "V5(1;2)-\t25\r\n1\t2\t2024\r\n\"N\"\r\n\"" +
                        title + "\"\r\n\"R\"\r\n\x1a";
        std::string path = Out("titled.vdo");
        std::ofstream(path, std::ios::binary) << s;
        return path;
    }
    // Runs a Python snippet on a file; the snippet prints what the test compares.
    static std::string Python(const std::string& code, const std::string& file) {
        return ShellOutput("python3 -c " + ShellQuote(code) + " " + ShellQuote(file));
    }
};

const char* const kReadingsHeader = "file,type,number,title,date,index,x,y,value,unit,flags";
const char* const kStatisticsHeader =
    "file,type,number,title,date,series,count,mean,stddev,min,max,percent_outside,"
    "unit,strength,strength_unit,strength_text,members";

// One sample per kind of object: how many readings its table shows and rows it must hold.
struct ReadingCase {
    const char* sample;
    size_t rows;
    std::vector<std::string> expected;
};

TEST_F(CliExport, ReadingsOfEveryObjectType) {
    const ReadingCase cases[] = {
        // The reading of 0 at bar 9 is no reading and is left out.
        {"list_metric",
         23,
         {"1,100123,Deck east,2024-03-14T00:00:00,1,,,34,mm,",
          "1,100123,Deck east,2024-03-14T00:00:00,4,,,22,mm,below_limit",
          "1,100123,Deck east,2024-03-14T00:00:00,10,,,24,mm,below_limit"}},
        {"list_imperial", 12, {"1,100007,Wall W2,2023-11-02T00:00:00,3,,,1.42,in,below_limit"}},
        // The x scan fills x, the y scan y; positions in m, empty positions left out.
        {"bars_metric",
         45,
         {"2,200101,Deck slab,2025-03-14T00:00:00,2,0.01,,36,mm,",
          "2,200101,Deck slab,2025-03-14T00:00:00,2,,0.01,52,mm,"}},
        {"raster_metric",
         66,
         {"3,300201,Column C4,2025-04-07T00:00:00,1,0.00,0.00,40,mm,",
          "3,300201,Column C4,2025-04-07T00:00:00,9,0.80,0.00,18,mm,below_limit"}},
        {"rebound_median", 10, {"6,26,STAIR 0026,2024-07-08T07:55:00,4,,,12,R,below_limit"}},
        {"rebound_morvex_curve", 20, {}},
        // 2011 files mark the highest and lowest readings; the page greys them.
        {"china_2011",
         16,
         {"8,13,PIER-B 0013,2026-03-14T10:41:00,1,,,41,R,",
          "8,13,PIER-B 0013,2026-03-14T10:41:00,2,,,38,R,outlier",
          "8,13,PIER-B 0013,2026-03-14T10:41:00,6,,,47,R,outlier"}},
        {"summary_series", 5, {"7,0,,2026-03-20T16:05:00,5,,,28.5,R,"}},
        {"summary_china", 4, {"7,0,,2026-03-20T16:05:00,2,,,40.8,MPa,"}},
    };
    for (const auto& c : cases) {
        CliResult r = RunCli("export " + SampleArg(c.sample));
        EXPECT_EQ(r.status, 0) << c.sample << r.err;
        std::vector<std::string> lines = Rows(r.out);
        ASSERT_FALSE(lines.empty()) << c.sample;
        EXPECT_EQ(lines[0], kReadingsHeader);
        EXPECT_EQ(lines.size() - 1, c.rows) << c.sample;
        for (const auto& row : c.expected) EXPECT_TRUE(HasRow(lines, row)) << c.sample << ": " << row;
    }
    // The outer readings of the free-curve series lie outside its shown limit band.
    std::string morvex = RunCli("export " + SampleArg("rebound_morvex_curve")).out;
    EXPECT_TRUE(Has(morvex, ",R,above_limit\r\n"));
    EXPECT_TRUE(Has(morvex, ",R,below_limit\r\n"));
}

TEST_F(CliExport, StatisticsOfEveryObjectType) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"list_metric", {"1,100123,Deck east,2024-03-14T00:00:00,,23,31.9,5.5,22,41,13.0,mm,,,,"}},
        {"list_imperial", {"1,100007,Wall W2,2023-11-02T00:00:00,,12,1.52,0.14,1.26,1.73,33.3,in,,,,"}},
        // A bar scan has a statistics column per scan.
        {"bars_metric",
         {"2,200101,Deck slab,2025-03-14T00:00:00,x,20,38.4,9.8,22,49,25.0,mm,,,,",
          "2,200101,Deck slab,2025-03-14T00:00:00,y,25,53.6,11.2,36,67,0.0,mm,,,,"}},
        {"raster_inch", {"3,300202,Pier cap,2025-07-30T00:00:00,,53,1.69,0.49,1.06,2.44,20.8,in,,,,"}},
        // The median series shows its median as "m" and the strength in its unit.
        {"rebound_median", {"6,26,STAIR 0026,2024-07-08T07:55:00,,10,45.0,10.5,12,47,,R,52.1,N/mm²,52.1,"}},
        {"rebound_jap_curve", {"6,23,BEAM B7 0023,2024-05-14T13:30:00,,10,36.5,2.2,33,40,,R,4131,psi,4131,"}},
        {"china_2011", {"8,13,PIER-B 0013,2026-03-14T10:41:00,,10,40.2,1.3,38,42,,R,40.8,MPa,40.8,"}},
        {"summary_series",
         {"7,0,,2026-03-20T16:05:00,,5,37.9,6.5,28.5,45.0,,R,38.9,N/mm²,38.9,PIER 2 0017=36.5|Wall north "
          "0021=43.0|"
          "STAIR 0026=45.0|\xE6\x9F\xB1 C1 \xE5\x9B\x9E\xE5\xBC\xB9=36.5|Slab 3 horizontal=28.5"}},
        {"summary_china",
         {"7,0,,2026-03-20T16:05:00,,4,31.8,8.05,21.5,40.8,,MPa,21.5,MPa,21.5,"
          "PIER-A 0012=30.4|PIER-B 0013=40.8|WALL-C 0014=21.5|Slab D level 2=34.3"}},
    };
    for (const auto& [sample, rows] : cases) {
        CliResult r = RunCli("export --statistics " + SampleArg(sample));
        EXPECT_EQ(r.status, 0) << sample << r.err;
        std::vector<std::string> lines = Rows(r.out);
        ASSERT_EQ(lines.size(), rows.size() + 1) << sample << "\n" << r.out;
        EXPECT_EQ(lines[0], kStatisticsHeader);
        for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(AfterFile(lines[i + 1]), rows[i]) << sample;
    }
}

TEST_F(CliExport, CjkTitleSurvivesPythonCsvInBothForms) {
    const std::string plain = Out("cjk.csv"), excel = Out("cjk-excel.csv");
    ASSERT_EQ(RunCli("export " + SampleArg("list_cjk") + " -o " + ShellQuote(plain)).status, 0);
    ASSERT_EQ(
        RunCli("export --statistics --excel " + SampleArg("list_cjk") + " -o " + ShellQuote(excel)).status,
        0);
    EXPECT_EQ(Python("import csv,sys\n"
                     "rows=list(csv.DictReader(open(sys.argv[1],encoding='utf-8',newline='')))\n"
                     "print(len(rows), rows[0]['title'], rows[0]['value'], rows[0]['unit'])",
                     plain),
              "15 \xE6\xA1\xA5\xE5\xA2\xA9 P3 25 mm\n");
    // The spreadsheet form: byte-order mark and ';' (utf-8-sig strips the mark).
    std::string bytes = Slurp(excel);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_FALSE(Has(bytes, ",")) << bytes;
    EXPECT_EQ(
        Python("import csv,sys\n"
               "rows=list(csv.DictReader(open(sys.argv[1],encoding='utf-8-sig',newline=''),delimiter=';'))\n"
               "print(len(rows), rows[0]['title'], rows[0]['mean'], rows[0]['percent_outside'])",
               excel),
        "1 \xE6\xA1\xA5\xE5\xA2\xA9 P3 24.3 20.0\n");
}

// Quotes and separators inside a title are quoted; in the spreadsheet form a title that starts
// like a formula stays a text.
TEST_F(CliExport, TitlesAreQuotedAndFormulasDefused) {
    const std::string file = ListWithTitle("=1+2;\"x\",y");
    CliResult plain = RunCli("export " + ShellQuote(file));
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(Has(plain.out, ",\"=1+2;\"\"x\"\",y\",")) << plain.out;
    CliResult excel = RunCli("export --excel " + ShellQuote(file));
    EXPECT_TRUE(Has(excel.out, ";\"'=1+2;\"\"x\"\",y\";")) << excel.out;
    std::string csv = Out("t.csv");
    std::ofstream(csv, std::ios::binary) << plain.out;
    EXPECT_EQ(Python("import csv,sys\n"
                     "r=list(csv.DictReader(open(sys.argv[1],encoding='utf-8',newline='')))\n"
                     "print(r[0]['title'], [x['flags'] for x in r])",
                     csv),
              "=1+2;\"x\",y ['below_limit', '', '']\n");
}

TEST_F(CliExport, InvalidFileAmongValidOnesIsReportedAndSkipped) {
    const std::string bad = Out("bad.vdo"), out = Out("mixed.csv");
    std::ofstream(bad) << "no object";
    CliResult r = RunCli("export " + SampleArg("list_metric") + " " + ShellQuote(bad) + " " +
                         SampleArg("rebound_instrument") + " -o " + ShellQuote(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, bad + ":\nObject empty or not valid\n");
    std::vector<std::string> lines = Rows(Slurp(out));
    EXPECT_EQ(lines.size(), 1u + 23u + 10u);
    for (const auto& l : lines) EXPECT_FALSE(Has(l, "bad.vdo"));
}

TEST_F(CliExport, UsageErrors) {
    for (const char* args : {"export", "export --statistics", "export --bogus x.vdo", "export x.vdo -o"}) {
        CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_TRUE(Has(r.err, "export")) << args;
    }
}

} // namespace
