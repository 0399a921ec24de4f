#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

class CliType : public CliFolderTest {
protected:
    CliType() : CliFolderTest("type") {}
};

class CliInfo : public CliFolderTest {
protected:
    CliInfo() : CliFolderTest("bad") {}
};

} // namespace

TEST_F(CliType, ClassifiesFilesByTheRecognitionRules) {
    struct Case {
        const char* name;
        std::string bytes;
        int type;
    } cases[] = {
        {"fourteen.vdo", "Vernoskant4abc", 1},           {"old4.vdo", "Vernoskant4 no CR LF, no end", 1},
        {"old5.vdo", "Vernoskant5 no CR LF, no end", 0}, {"bars.vdo", "TORVIHAMMER but ends 212345", 2},
        {"batch.vdo", "TORVCHINABATCH\r\n0\r\n", 8},     {"text.vdo", "just a text file\n", 0},
    };
    std::string args;
    for (const auto& c : cases) {
        std::ofstream(dir / c.name, std::ios::binary) << c.bytes;
        args += " " + ShellQuote((dir / c.name).string());
    }
    CliResult r = RunCli("type" + args);
    EXPECT_EQ(r.status, 0);
    std::string expected;
    for (const auto& c : cases) expected += (dir / c.name).string() + "\t" + std::to_string(c.type) + "\n";
    EXPECT_EQ(r.out, expected);
}

TEST_F(CliInfo, InvalidFileGivesTheViewerMessageAndStatusOne) {
    const std::string bad = Out("bad.vdo");
    std::ofstream(bad) << "not an object at all";
    CliResult r = RunCli("info " + ShellQuote(bad));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, bad + ":\nObject empty or not valid\n");
}
