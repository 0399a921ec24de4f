// vordalis-cli report: one PDF over several objects, read back with poppler's pdftotext.
#include "CliRunner.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>

using namespace vordalis::test;

namespace {

class CliReport : public CliFolderTest {
protected:
    CliReport() : CliFolderTest("report") {}

    static int Pages(const std::string& pdf) {
        std::smatch m;
        std::string info = ShellOutput("pdfinfo " + ShellQuote(pdf));
        return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
    }
    // The text of pages first..last, in reading order (the font's "fi" ligature as two letters).
    static std::string Text(const std::string& pdf, int first, int last) {
        std::string text = ShellOutput("pdftotext -layout -f " + std::to_string(first) + " -l " +
                                       std::to_string(last) + " " + ShellQuote(pdf) + " -");
        return std::regex_replace(text, std::regex("\xEF\xAC\x81"), "fi");
    }
};

// One object of each type: their titles and the page each starts on.
const std::pair<const char*, const char*> kObjects[] = {
    {"list_metric", "Deck east"},   {"bars_metric", "Deck slab"},
    {"raster_metric", "Column C4"}, {"rebound_instrument", "PIER 2 0017"},
    {"china_2011", "PIER-B 0013"},  {"summary_china_batch", "Block 3 columns"},
};

TEST_F(CliReport, ContentsListEveryObjectWithThePagesRenderPrints) {
    const std::string bad = Out("broken.vdo"), pdf = Out("report.pdf");
    std::ofstream(bad) << "not an object";
    std::string args;
    for (const auto& [name, title] : kObjects) {
        args += " " + SampleArg(name);
        if (std::string(name) == "raster_metric") args += " " + ShellQuote(bad);
    }
    CliResult r = RunCli("report" + args + " -o " + ShellQuote(pdf) + " --title 'Bridge 7'");
    // The invalid file is listed as skipped, and makes the status 1; the report is written.
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, bad + ":\nObject empty or not valid\n");

    // Each object takes the pages render prints for it, after one page of contents.
    int page = 2;
    std::map<std::string, int> first;
    for (const auto& [name, title] : kObjects) {
        const std::string single = Out(std::string(name) + ".pdf");
        ASSERT_EQ(RunCli("render " + SampleArg(name) + " -o " + ShellQuote(single)).status, 0) << name;
        first[name] = page;
        const int pages = Pages(single);
        ASSERT_GT(pages, 0) << name;
        std::string inReport;
        for (int k = page; k < page + pages; ++k) {
            // Every page ends with its footer "k / n".
            std::string text = Text(pdf, k, k);
            std::smatch footer;
            const std::regex number("\\s" + std::to_string(k) + " ?/ ?\\d+\\s*$");
            ASSERT_TRUE(std::regex_search(text, footer, number)) << name << " page " << k << text;
            inReport += text.substr(0, static_cast<size_t>(footer.position(0))) + "\n";
        }
        // The object's own page header stands on each of its pages.
        size_t headers = 0;
        for (size_t at = inReport.find("Title: " + std::string(title)); at != std::string::npos;
             at = inReport.find("Title: " + std::string(title), at + 1))
            ++headers;
        EXPECT_EQ(headers, static_cast<size_t>(pages)) << name << inReport;
        page += pages;
    }
    const int total = page - 1;
    EXPECT_EQ(Pages(pdf), total);

    const std::string contents = Text(pdf, 1, 1);
    EXPECT_TRUE(Has(contents, "Bridge 7")) << contents;
    EXPECT_TRUE(std::regex_search(contents, std::regex("\\s1 ?/ ?" + std::to_string(total) + "\\s*$")))
        << contents;
    for (const auto& [name, title] : kObjects) {
        // The object's row: its title, and its first page at the end of the line.
        std::regex row(std::string(title) + "[^\\n]*\\s" + std::to_string(first[name]) + "\\n");
        EXPECT_TRUE(std::regex_search(contents, row)) << name << " on page " << first[name] << "\n"
                                                      << contents;
    }
    EXPECT_TRUE(Has(contents, "Skipped files"));
    EXPECT_TRUE(Has(contents, "broken.vdo: Object empty or not valid")) << contents;
    // Main results: mean cover and share below the limit, mean rebound and strength, the
    // component strength of a China summary.
    for (const char* result :
         {"m = 31.9 mm, <s(Min) = 13.0 %", "m = 36.5 R, fck = 36.7 N/mm²", "f = 21.5 MPa"})
        EXPECT_TRUE(Has(std::regex_replace(contents, std::regex(" +"), " "), result)) << result;
}

TEST_F(CliReport, UsageErrorsAndNothingValid) {
    for (const char* args : {"report", "report x.vdo", "report -o r.pdf", "report x.vdo -o r.pdf --bogus"}) {
        CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(Has(r.err, "report")) << args;
    }
    // Only invalid files: still a report, that lists them, and status 1.
    const std::string bad = Out("bad.vdo"), pdf = Out("r.pdf");
    std::ofstream(bad) << "x";
    EXPECT_EQ(RunCli("report " + ShellQuote(bad) + " -o " + ShellQuote(pdf)).status, 1);
    EXPECT_EQ(Pages(pdf), 1);
    EXPECT_TRUE(Has(Text(pdf, 1, 1), "bad.vdo: Object empty or not valid"));
}

} // namespace
