#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vordalis::test;
namespace fs = std::filesystem;

TEST(CliType, ClassifiesFilesByTheRecognitionRules) {
    fs::path dir = fs::temp_directory_path() / ("vordalis-cli-type-" + std::to_string(::getpid()));
    fs::create_directories(dir);
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
    fs::remove_all(dir);
}

TEST(CliInfo, InvalidFileGivesTheViewerMessageAndStatusOne) {
    fs::path bad = fs::temp_directory_path() / ("vordalis-cli-bad-" + std::to_string(::getpid()) + ".vdo");
    std::ofstream(bad) << "not an object at all";
    CliResult r = RunCli("info " + ShellQuote(bad.string()));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, bad.string() + ":\nObject empty or not valid\n");
    fs::remove(bad);
}
