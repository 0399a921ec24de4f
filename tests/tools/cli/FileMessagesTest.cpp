// What vordalis-cli says about a file it cannot use: the system's reason when the file cannot
// be read at all, "Object empty or not valid" only for a file that is there but holds no object.
#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

class CliFileMessages : public CliFolderTest {
protected:
    CliFileMessages() : CliFolderTest("messages") {}
};

TEST_F(CliFileMessages, SayWhyAFileCannotBeUsed) {
    const std::string missing = Out("missing.vdo"), folder = Out("folder.vdo"), invalid = Out("invalid.vdo"),
                      locked = Out("locked.vdo");
    fs::create_directories(folder);
    std::ofstream(invalid, std::ios::binary) << "Vernoskant5 but nothing else\r\n";
    fs::copy_file(SamplePath("list_metric"), locked);
    fs::permissions(locked, fs::perms::none);
    struct Case {
        std::string file, reason;
    } cases[] = {
        {missing, "No such file or directory"},
        {folder, "Is a directory"},
        {invalid, "Object empty or not valid"},
        // The superuser reads every file; for everybody else the permission is missing.
        {locked, ::geteuid() == 0 ? "" : "Permission denied"},
    };
    for (const Case& c : cases) {
        for (const std::string command : {"info", "render", "convert"}) {
            const std::string out = Out(command == "render" ? "out.png" : "out.vdo");
            fs::remove(out);
            std::string args = command + " " + ShellQuote(c.file);
            if (command != "info") args += " -o " + ShellQuote(out);
            CliResult r = RunCli(args);
            if (c.reason.empty()) {
                EXPECT_EQ(r.status, 0) << command << " " << r.err;
                continue;
            }
            EXPECT_EQ(r.status, 1) << command << " " << c.file;
            EXPECT_EQ(r.err, c.file + ":\n" + c.reason + "\n") << command;
            EXPECT_FALSE(fs::exists(out)) << command;
        }
        // type prints 0 for a file it cannot read at all, and says why.
        if (!c.reason.empty() && c.reason != "Object empty or not valid") {
            CliResult t = RunCli("type " + ShellQuote(c.file));
            EXPECT_EQ(t.status, 1) << c.file;
            EXPECT_EQ(t.out, c.file + "\t0\n");
            EXPECT_EQ(t.err, c.file + ": " + c.reason + "\n");
        }
    }
}

} // namespace
