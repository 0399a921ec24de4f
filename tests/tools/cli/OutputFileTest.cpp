// How convert and render put their output on disk: whole files or nothing, links and
// devices respected.
#include "CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

class CliOutput : public CliFolderTest {
protected:
    CliOutput() : CliFolderTest("output") {}
    // Runs the tool with no room to write a single byte; returns its exit status.
    int RunWithoutRoom(const std::string& args) const {
        std::string inner = "ulimit -f 0; exec " + ShellQuote(VORDALIS_CLI) + " " + args;
        std::string cmd =
            "XDG_CONFIG_HOME=" + ShellQuote(Out("cfg")) + " sh -c " + ShellQuote(inner) + " >/dev/null 2>&1";
        int st = std::system(cmd.c_str());
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(CliOutput, FailedWritesLeaveNoFileBehind) {
    fs::create_directories(Out("cfg"));
    const std::string list = SampleArg("list_metric");
    for (const char* out : {"x.vdo", "x.png", "x.svg", "x.pdf"}) {
        const std::string command = fs::path(out).extension() == ".vdo" ? "convert " : "render ";
        EXPECT_EQ(RunWithoutRoom(command + list + " -o " + ShellQuote(Out(out))), 1) << out;
        EXPECT_EQ(Entries(), std::vector<std::string>{"cfg"})
            << out << ": nothing, not even a temporary file";
    }
    // A page that does not exist keeps the file that was there.
    std::ofstream(Out("old.pdf"), std::ios::binary) << "old";
    CliResult r = RunCli("render " + list + " --page 9 -o " + ShellQuote(Out("old.pdf")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Slurp(Out("old.pdf")), "old");
}

TEST_F(CliOutput, LinksAreFollowedAndDevicesWrittenInPlace) {
    const std::string list = SampleArg("list_metric");
    std::ofstream(Out("target.vdo"), std::ios::binary) << "old";
    fs::create_symlink(Out("target.vdo"), Out("link.vdo"));
    ASSERT_EQ(RunCli("convert " + list + " -o " + ShellQuote(Out("link.vdo"))).status, 0);
    EXPECT_TRUE(fs::is_symlink(Out("link.vdo")));
    const std::string written = Slurp(Out("target.vdo"));
    EXPECT_EQ(written.substr(0, 13), "\r\nVernoskant5");

    // A link to the standard output (a pipe here): the bytes come out there.
    fs::create_symlink("/dev/stdout", Out("stdout.vdo"));
    CliResult r = RunCli("convert " + list + " -o " + ShellQuote(Out("stdout.vdo")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, written);
    EXPECT_TRUE(fs::is_symlink(Out("stdout.vdo")));
}

} // namespace
