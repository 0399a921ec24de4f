// vordalis-cli info on JGJ/T 23 objects: the evaluation and the fields of the object.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace vordalis::test;

namespace {

class CliChinaInfo : public CliFolderTest {
protected:
    CliChinaInfo() : CliFolderTest("china") {}
};

TEST_F(CliChinaInfo, EditionsConversionsAndPumpConcrete) {
    CliResult r = RunCli("info " + SampleArg("china_2001") + " " + SampleArg("china_2011") + " " +
                         SampleArg("china_general") + " " + SampleArg("china_pump"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    const std::vector<QJsonObject> objects = JsonLines(r.out);

    // 2001, table, d 1.0: Rm 35.5 between the rows 35.4 and 35.6.
    {
        SCOPED_TRACE(lines[0]);
        const QJsonObject& o = objects[0];
        EXPECT_EQ(At(o, "type"), 8);
        EXPECT_EQ(At(o, "rm"), 35.5);
        EXPECT_EQ(At(o, "f1"), 30.4);
        EXPECT_EQ(At(o, "strength_text_f1"), "  30.4");
        EXPECT_EQ(At(o, "below_range"), false);
        EXPECT_EQ(At(o, "above_range"), false);
    }
    // 2011 table: 16 readings, 10 counted, the 3 highest and 3 lowest marked.
    {
        SCOPED_TRACE(lines[1]);
        const QJsonObject& o = objects[1];
        EXPECT_EQ(At(o, "is2011"), true);
        EXPECT_EQ(At(o, "statistics/count"), 10);
        EXPECT_EQ(At(o, "outliers"), (QJsonArray{1, 2, 5, 8, 11, 13}));
    }
    // General conversion: n = 16 and m = 3 shown.
    {
        SCOPED_TRACE(lines[2]);
        const QJsonObject& o = objects[2];
        EXPECT_EQ(At(o, "conversion"), 2);
        EXPECT_EQ(At(o, "general_readings_shown"), 16);
        EXPECT_EQ(At(o, "general_dropped_shown"), 3);
    }
    // 2001 pump concrete at d 0.5: f2 = f1 + 4.5; the saved settings and texts are read.
    {
        SCOPED_TRACE(lines[3]);
        const QJsonObject& o = objects[3];
        EXPECT_EQ(At(o, "pump_concrete"), true);
        EXPECT_EQ(At(o, "strength_text_f1"), "  29.8");
        EXPECT_EQ(At(o, "strength_text_f2"), "  34.3");
        EXPECT_EQ(At(o, "title"), "Slab D level 2");
        EXPECT_EQ(At(o, "show_limits"), true);
    }
}

TEST_F(CliChinaInfo, DamagedChinaFileIsReportedAndTheOthersPrinted) {
    const std::string bad = Out("bad.vdo");
    std::ofstream(bad, std::ios::binary) << "TORVCHINA\t0001\t\"X\"\t2026\t1\t1\t1\t1\t1\t-\t-\t";
    CliResult r = RunCli("info " + ShellQuote(bad) + " " + SampleArg("china_2001"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Has(r.err, bad + ":\nObject empty or not valid")) << r.err;
    const std::vector<QJsonObject> objects = JsonLines(r.out);
    ASSERT_EQ(objects.size(), 1u) << r.out;
    EXPECT_EQ(At(objects[0], "series_name"), "PIER-A") << r.out;
}

} // namespace
