// vordalis-cli render, convert and info on cover lists, run as a process.
#include "CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

const char* const kLists[] = {"list_metric", "list_imperial", "list_two_layer", "list_cjk"};

class CliRender : public CliFolderTest {
protected:
    CliRender() : CliFolderTest("render") {}
    static int PdfPages(const std::string& pdf) {
        int pages = 0;
        for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
             at = pdf.find("/Type /Page", at + 1))
            if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
        return pages;
    }
    // A cover list of n readings of 30 mm, written field by field.
    std::string LongList(int n) const {
        std::string s = "\r\nVernoskant5\t1\t16\t25\tmm\t" + std::to_string(n) + "\t30\t30\t30\t0.000\r\n";
        for (int i = 0; i < n; ++i) s += i + 1 == n ? "30\r\n\x1a" : "30\r\n";
        s += "V5(1;2)-\t25\r\n1\t2\t2024\r\n\"N\"\r\n\"T\"\r\n\"R\"\r\n\x1a";
        std::string path = Out("long" + std::to_string(n) + ".vdo");
        std::ofstream(path, std::ios::binary) << s;
        return path;
    }
};

TEST_F(CliRender, EverySampleToPngSvgAndPdf) {
    for (const char* name : kLists) {
        std::string png = Out(std::string(name) + ".png"), pdf = Out(std::string(name) + ".pdf"),
                    svg = Out(std::string(name) + ".svg");
        for (const auto& out : {png, pdf, svg}) {
            CliResult r = RunCli("render " + SampleArg(name) + " -o " + ShellQuote(out));
            EXPECT_EQ(r.status, 0) << name << " " << out << " " << r.err;
            EXPECT_EQ(r.err, "") << name;
        }
        std::string p = Slurp(png);
        ASSERT_GT(p.size(), 24u) << name;
        EXPECT_EQ(p.substr(1, 3), "PNG");
        // The screen page: 1700 x ~1200 units at 0.7 x 1080 / 1500 pixels per unit.
        auto be32 = [&](size_t at) {
            return (uint8_t(p[at]) << 24) | (uint8_t(p[at + 1]) << 16) | (uint8_t(p[at + 2]) << 8) |
                   uint8_t(p[at + 3]);
        };
        EXPECT_EQ(be32(16), 857u) << name;
        EXPECT_GT(be32(20), 500u) << name;
        std::string d = Slurp(pdf);
        EXPECT_EQ(d.substr(0, 5), "%PDF-");
        EXPECT_EQ(PdfPages(d), 1) << name;
        EXPECT_TRUE(Has(Slurp(svg), "<svg"));
    }
}

TEST_F(CliRender, PdfHoldsEveryPrintedPageAndPageSelectsOne) {
    std::string list = LongList(600); // the table moves to a second page
    CliResult all = RunCli("render " + ShellQuote(list) + " -o " + ShellQuote(Out("all.pdf")));
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(PdfPages(Slurp(Out("all.pdf"))), 2);
    CliResult second = RunCli("render " + ShellQuote(list) + " --page 2 -o " + ShellQuote(Out("two.pdf")));
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(PdfPages(Slurp(Out("two.pdf"))), 1);
    CliResult image = RunCli("render " + ShellQuote(list) + " --page 2 -o " + ShellQuote(Out("two.png")));
    EXPECT_EQ(image.status, 0) << image.err;
    EXPECT_TRUE(fs::exists(Out("two.png")));
    // A printed page as a drawing declares the paper it is: A4, 210 x 297 mm.
    ASSERT_EQ(RunCli("render " + ShellQuote(list) + " --page 2 -o " + ShellQuote(Out("two.svg"))).status, 0);
    std::string svg = Slurp(Out("two.svg"));
    auto mm = [&](const std::string& attribute) {
        size_t at = svg.find(attribute + "=\"");
        return at == std::string::npos ? 0.0 : std::strtod(svg.c_str() + at + attribute.size() + 2, nullptr);
    };
    EXPECT_NEAR(mm("width"), 210, 0.5) << svg.substr(0, 400);
    EXPECT_NEAR(mm("height"), 297, 0.5);
    EXPECT_TRUE(Has(svg, "mm\" height="));
    CliResult missing = RunCli("render " + ShellQuote(list) + " --page 3 -o " + ShellQuote(Out("three.pdf")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(Out("three.pdf")));
}

TEST_F(CliRender, OptionsWordChangesThePage) {
    // Only the header: a short page; everything: a tall one.
    std::string headerOnly = Out("header.png"), full = Out("full.png");
    ASSERT_EQ(
        RunCli("render " + SampleArg("list_metric") + " --options 1 -o " + ShellQuote(headerOnly)).status, 0);
    ASSERT_EQ(RunCli("render " + SampleArg("list_metric") + " --options 0x4BF -o " + ShellQuote(full)).status,
              0);
    auto height = [&](const std::string& path) {
        std::string p = Slurp(path);
        return (uint8_t(p[20]) << 24) | (uint8_t(p[21]) << 16) | (uint8_t(p[22]) << 8) | uint8_t(p[23]);
    };
    EXPECT_LT(height(headerOnly), 150u);
    EXPECT_GT(height(full), 500u);
}

TEST_F(CliRender, Errors) {
    std::string bad = Out("bad.vdo");
    std::ofstream(bad, std::ios::binary) << "\r\nVernoskant5\t1\t16\t25\tcm\t1\t1\t1\t1\t0\r\n1\r\n\x1a";
    CliResult r = RunCli("render " + ShellQuote(bad) + " -o " + ShellQuote(Out("bad.png")));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Has(r.err, bad + ":\nObject empty or not valid")) << r.err;
    EXPECT_FALSE(fs::exists(Out("bad.png")));
    EXPECT_EQ(RunCli("render " + SampleArg("list_metric") + " -o " + ShellQuote(Out("x.jpg"))).status, 2);
    EXPECT_EQ(RunCli("render " + SampleArg("list_metric")).status, 2);
    EXPECT_EQ(
        RunCli("render " + SampleArg("list_metric") + " --page 0 -o " + ShellQuote(Out("x.pdf"))).status, 2);
}

TEST_F(CliRender, ConvertWritesTheObjectBackInMillimetres) {
    for (const char* name : kLists) {
        std::string out = Out(std::string(name) + ".vdo");
        CliResult c = RunCli("convert " + SampleArg(name) + " -o " + ShellQuote(out));
        ASSERT_EQ(c.status, 0) << name << c.err;
        std::string bytes = Slurp(out);
        EXPECT_EQ(bytes.substr(0, 13), "\r\nVernoskant5");
        EXPECT_EQ(bytes.back(), '\x1a');
        EXPECT_TRUE(Has(bytes, "\tmm\t"));
        // Everything but the path reads back the same, both limits included.
        std::string before = RunCli("info " + SampleArg(name)).out;
        std::string after = RunCli("info " + ShellQuote(out)).out;
        ASSERT_FALSE(after.empty()) << name;
        QJsonObject beforeObject = ParseJson(before), afterObject = ParseJson(after);
        beforeObject.remove("path");
        afterObject.remove("path");
        EXPECT_EQ(beforeObject, afterObject) << name << "\n" << before << after;
    }
    // More than 4096 readings: the list refuses to write itself, no file appears.
    std::string refused = Out("refused.vdo");
    CliResult r = RunCli("convert " + ShellQuote(LongList(4097)) + " -o " + ShellQuote(refused));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(fs::exists(refused));
    CliResult missing = RunCli("convert " + ShellQuote(Out("nothing.vdo")) + " -o " + ShellQuote(refused));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Has(missing.err, "No such file or directory"));
}

TEST_F(CliRender, InfoDescribesEveryFieldOfACoverList) {
    CliResult r = RunCli("info " + SampleArg("list_metric") + " " + SampleArg("list_two_layer"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    const std::vector<QJsonObject> objects = JsonLines(r.out);
    {
        SCOPED_TRACE(lines[0]);
        const QJsonObject& metric = objects[0];
        for (const auto& [key, value] : {std::pair{"type", 1},
                                         {"category", 0},
                                         {"number", 100123},
                                         {"bar_diameter", 12},
                                         {"layer_word", 150},
                                         {"bar_distance", 150},
                                         {"limit", 25},
                                         {"initial_limit", 25},
                                         {"count", 24},
                                         {"statistics/count", 23}})
            EXPECT_EQ(At(metric, key), value) << key;
        EXPECT_EQ(Head(At(metric, "covers"), 10), (QJsonArray{34, 31, 28, 22, 36, 40, 38, 27, 0, 24}));
    }
    SCOPED_TRACE(lines[1]);
    const QJsonObject& layers = objects[1];
    for (const auto& [key, value] : {std::pair{"layer_word", QJsonValue(39)},
                                     {"bar_distance", QJsonValue(QJsonValue::Null)},
                                     {"two_layer_correction", true},
                                     {"second_layer_diameter", 25},
                                     {"limit", 35},
                                     {"initial_limit", 30}})
        EXPECT_EQ(At(layers, key), value) << key;
}

} // namespace
