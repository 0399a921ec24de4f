// vordalis-cli info on JGJ/T 23 objects: the evaluation and the fields of the object.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

std::string Sample(const char* name) {
    return ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + name);
}

// The JSON line of one file (the object's keys appear once, nested objects aside).
bool Has(const std::string& json, const std::string& fragment) {
    return json.find(fragment) != std::string::npos;
}

TEST(CliChinaInfo, EditionsConversionsAndPumpConcrete) {
    CliResult r = RunCli("info " + Sample("china_2001.vdo") + " " + Sample("china_2011.vdo") + " " +
                         Sample("china_general.vdo") + " " + Sample("china_pump.vdo"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    for (size_t at = 0, nl; (nl = r.out.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(r.out.substr(at, nl - at));
    ASSERT_EQ(lines.size(), 4u) << r.out;

    // 2001, table, d 1.0: Rm 35.5 between the rows 35.4 and 35.6.
    EXPECT_TRUE(Has(lines[0], "\"type\":8")) << lines[0];
    EXPECT_TRUE(Has(lines[0], "\"rm\":35.5"));
    EXPECT_TRUE(Has(lines[0], "\"f1\":30.4"));
    EXPECT_TRUE(Has(lines[0], "\"strength_text_f1\":\"  30.4\""));
    EXPECT_TRUE(Has(lines[0], "\"below_range\":false,\"above_range\":false"));

    // 2011 table: 16 readings, 10 counted, the 3 highest and 3 lowest marked.
    EXPECT_TRUE(Has(lines[1], "\"is2011\":true"));
    EXPECT_TRUE(Has(lines[1], "\"statistics\":{\"count\":10,"));
    EXPECT_TRUE(Has(lines[1], "\"outliers\":[1,2,5,8,11,13]"));

    // General conversion: n = 16 and m = 3 shown.
    EXPECT_TRUE(Has(lines[2], "\"conversion\":2"));
    EXPECT_TRUE(Has(lines[2], "\"general_readings_shown\":16,\"general_dropped_shown\":3"));

    // 2001 pump concrete at d 0.5: f2 = f1 + 4.5; the saved settings and texts are read.
    EXPECT_TRUE(Has(lines[3], "\"pump_concrete\":true"));
    EXPECT_TRUE(Has(lines[3], "\"strength_text_f1\":\"  29.8\",\"strength_text_f2\":\"  34.3\""));
    EXPECT_TRUE(Has(lines[3], "\"title\":\"Slab D level 2\""));
    EXPECT_TRUE(Has(lines[3], "\"show_limits\":true"));
}

TEST(CliChinaInfo, DamagedChinaFileIsReportedAndTheOthersPrinted) {
    std::string dir =
        std::filesystem::temp_directory_path() / ("vordalis-cli-china-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string bad = dir + "/bad.vdo";
    FILE* f = std::fopen(bad.c_str(), "wb");
    std::fputs("TORVCHINA\t0001\t\"X\"\t2026\t1\t1\t1\t1\t1\t-\t-\t", f);
    std::fclose(f);
    CliResult r = RunCli("info " + ShellQuote(bad) + " " + Sample("china_2001.vdo"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Has(r.err, bad + ":\nObject empty or not valid")) << r.err;
    EXPECT_TRUE(Has(r.out, "\"series_name\":\"PIER-A\""));
    std::filesystem::remove_all(dir);
}

} // namespace
