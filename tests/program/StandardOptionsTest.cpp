// Every program answers --help and --version the same way, and a usage error is one line
// saying what is wrong plus a pointer to --help, with exit status 2.
#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace vordalis::test {
namespace {

const char* const kPrograms[] = {"vordalis",     "ondralink",         "tamlo",
                                 "vordalis-cli", "vordalis-transfer", "instrument-sim"};

// Without any display: --help and --version must not need a window system.
ProgramRun RunNamed(const std::string& program, const std::vector<std::string>& args) {
    return RunProgram(std::string(VORDALIS_BIN) + "/" + program, args,
                      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME=" +
                          Quote(::testing::TempDir() + "standard-options-config"));
}

TEST(StandardOptions, HelpAndVersionOnStdout) {
    for (const std::string program : kPrograms) {
        SCOPED_TRACE(program);
        ProgramRun help = RunNamed(program, {"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: " + program, 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos);
        EXPECT_EQ(help.err, "");

        ProgramRun version = RunNamed(program, {"--version"});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, program + " " + VORDALIS_EXPECTED_VERSION + "\n");
        EXPECT_EQ(version.err, "");
    }
    // Wherever they stand among the arguments, up to a "--".
    EXPECT_EQ(RunNamed("vordalis-cli", {"render", "--help"}).status, 0);
    EXPECT_EQ(RunNamed("vordalis-transfer", {"--device", "/dev/null", "list", "--version"}).out,
              std::string("vordalis-transfer ") + VORDALIS_EXPECTED_VERSION + "\n");
}

struct UsageCase {
    const char* program;
    std::vector<std::string> args;
    const char* problem; // the first line after "PROGRAM: "
};

TEST(StandardOptions, UsageErrorsAreOneLineAndAPointerToHelp) {
    const std::string missing = ::testing::TempDir() + "no-such.vdo";
    const UsageCase cases[] = {
        {"vordalis-cli", {}, "missing command"},
        {"vordalis-cli", {"frobnicate"}, "unknown command frobnicate"},
        {"vordalis-cli", {"--frobnicate"}, "unknown option --frobnicate"},
        {"vordalis-cli", {"info"}, "info: missing FILE"},
        {"vordalis-cli", {"type", "--json", missing}, "type: unknown option --json"},
        {"vordalis-cli", {"render", missing}, "render: missing -o OUT.pdf|OUT.svg|OUT.png"},
        {"vordalis-cli", {"render", missing, "-o"}, "render: missing value after -o"},
        {"vordalis-cli",
         {"render", missing, "-o", "a.png", "--page", "two"},
         "render: --page needs a page number from 1, not two"},
        {"vordalis-cli",
         {"render", missing, "-o", "a.gif"},
         "render: the output must end in .pdf, .svg or .png: a.gif"},
        {"vordalis-cli", {"convert", missing}, "convert: missing -o OUT.vdo"},
        {"vordalis-cli",
         {"summary", "--kind", "all", missing, "-o", "s.vdo"},
         "summary: --kind takes series, china-single or china-batch, not all"},
        {"vordalis-transfer", {}, "list or get is required"},
        {"vordalis-transfer", {"--port", "x", "list"}, "--port takes a COM number from 1 to 256, not x"},
        {"vordalis-transfer", {"--device"}, "missing value after --device"},
        {"vordalis-transfer", {"--device", "/dev/null", "copy"}, "unexpected argument copy"},
        {"instrument-sim", {}, "--store is required"},
        {"instrument-sim", {"--store"}, "missing value after --store"},
        {"instrument-sim", {"--store", "/tmp", "--fault", "melt"}, "unknown fault melt"},
        {"instrument-sim",
         {"--store", "/tmp", "--rates", "fast"},
         "--rates takes baud rates such as 38400,19200, not fast"},
        {"instrument-sim", {"--store", "/tmp", "--speed"}, "unknown argument --speed"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + (c.args.empty() ? "" : c.args[0]));
        const ProgramRun run = RunNamed(c.program, c.args);
        const std::string name = c.program;
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, name + ": " + c.problem + "\nTry '" + name + " --help'.\n");
    }
}

TEST(StandardOptions, FailuresOfTheWorkKeepStatusOne) {
    const std::string missing = ::testing::TempDir() + "no-such.vdo";
    ProgramRun run = RunNamed("vordalis-cli", {"info", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, missing + ":\nNo such file or directory\n");
    run = RunNamed("vordalis-cli", {"render", missing, "-o", ::testing::TempDir() + "out.png"});
    EXPECT_EQ(run.status, 1);
    run = RunNamed("vordalis-transfer", {"--device", ::testing::TempDir() + "no-such-port", "list"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("Try "), std::string::npos) << run.err;
}

} // namespace
} // namespace vordalis::test
