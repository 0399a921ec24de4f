// vordalis-transfer against the simulated instrument on a pseudo-terminal: identification,
// listing, saving in every form, and every fault ending with its message, no temporary file
// and no replaced file.
#include "TransferProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace transfer_test;
namespace fs = std::filesystem;

namespace {

const std::string kLabel = "V5(12-7702;1.5)";
const std::string kCoverList =
    "VERNOSKANT 5 123456\r\n000123\t12\t14\r\n15\r\n15\r\n16\r\n15\r\n15\r\n15\r\n\x06";
const std::string kBars = "VERNOSKANT 5 100200\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n\x1A";
const std::string kRaster = std::string("\x01\x02\x90\xff raster\r\n\x06", 14) + "212345";

class TransferToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("transfer-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        store_ = root_ / "store";
        out_ = root_ / "out";
        WriteFile(store_ / "000123.VDO", kCoverList);
        WriteFile(store_ / "MEAS" / "100200", kBars);
        WriteFile(store_ / "MEAS" / "RASTER" / "212345.B", kRaster);
        fs::create_directories(store_ / "EMPTY");
        // The tool reads the user's language setting; keep it away from the real one.
        ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    }
    void TearDown() override {
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
    }

    std::vector<std::string> SimArgs(std::vector<std::string> extra = {}) const {
        extra.insert(extra.begin(), {"--store", store_.string()});
        return extra;
    }
    bool TempLeft() const {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(out_, ec); it != fs::recursive_directory_iterator();
             ++it)
            if (it->path().filename() == "{$}TMP.{$}") return true;
        return false;
    }

    fs::path root_, store_, out_;
};

} // namespace

TEST_F(TransferToolTest, ListIdentifiesAndShowsNestedFolders) {
    Simulator sim(SimArgs({"--rates", "19200,38400"}));
    const ToolRun run = RunTransfer({"--device", sim.Device(), "list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Vernoskant 5"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("SN 12-7702"), std::string::npos);
    EXPECT_NE(run.out.find(" 38400 C1"), std::string::npos); // the fastest accepted rate, packed mode
    EXPECT_NE(
        run.out.find("\\\n  000123.VDO\n  EMPTY\\\n  MEAS\\\n    100200\n    RASTER\\\n      212345.B\n"),
        std::string::npos)
        << run.out;
}

TEST_F(TransferToolTest, SimulatorFirmwareVersionByEitherOption) {
    // --version with a value stays the firmware version, as before --version alone printed
    // the program's version.
    for (const char* option : {"--firmware", "--version"}) {
        Simulator sim(SimArgs({option, "3.7"}));
        const ToolRun run = RunTransfer({"--device", sim.Device(), "list"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Vers. 3.7,"), std::string::npos) << option << run.out;
    }
}

TEST_F(TransferToolTest, GetAllSavesEveryFormIntoMirroredFolders) {
    struct Case {
        const char* what;
        std::vector<std::string> sim;
        const char* link;
    } cases[] = {
        {"packed after CP1", {}, " 38400 C1"},
        {"plain", {"--send", "plain"}, " 38400 C1"},
        {"lower-case echo", {"--lower-echo"}, " 38400 C1"},
        {"refused rates and CP", {"--rates", "none", "--no-cp"}, " 9600 C0"},
        {"packed without CP", {"--no-cp", "--send", "packed", "--rates", "14400"}, " 14400 C0"},
    };
    for (const Case& c : cases) {
        fs::remove_all(out_);
        Simulator sim(SimArgs(c.sim));
        const ToolRun run = RunTransfer({"--device", sim.Device(), "get", "--all", "-o", out_.string()});
        EXPECT_EQ(run.status, 0) << c.what << run.err;
        EXPECT_NE(run.out.find(c.link), std::string::npos) << c.what << run.out;
        EXPECT_EQ(ReadFile(out_ / "000123.vdo"), kCoverList + kLabel + "0\x06") << c.what;
        EXPECT_EQ(ReadFile(out_ / "MEAS" / "100200.vdo"), kBars + kLabel + "0\x1A") << c.what;
        // The .B object is passed through unchanged; its six closing figures repeat after the label.
        EXPECT_EQ(ReadFile(out_ / "MEAS" / "RASTER" / "212345.vdo"), kRaster + "\r\n" + kLabel + "0212345")
            << c.what;
        EXPECT_FALSE(fs::exists(out_ / "EMPTY")) << c.what;
        EXPECT_FALSE(TempLeft());
    }
}

TEST_F(TransferToolTest, GetByNameAndReplacing) {
    Simulator sim(SimArgs());
    const std::vector<std::string> get{"--device", sim.Device(), "get", "MEAS\\100200", "-o", out_.string()};
    ToolRun run = RunTransfer(get);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), (out_ / "MEAS" / "100200.vdo").string() + "\n");
    EXPECT_FALSE(fs::exists(out_ / "000123.vdo"));

    WriteFile(out_ / "MEAS" / "100200.vdo", "OLD");
    run = RunTransfer(get);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("File 100200.vdo already exists! Delete?"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(out_ / "MEAS" / "100200.vdo"), "OLD");
    EXPECT_FALSE(TempLeft());

    auto overwrite = get;
    overwrite.push_back("--overwrite");
    run = RunTransfer(overwrite);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(out_ / "MEAS" / "100200.vdo"), kBars + kLabel + "0\x1A");

    // A name the instrument does not hold: the others are still saved, the status says no.
    fs::remove_all(out_);
    run = RunTransfer({"--device", sim.Device(), "get", "000123", "MEAS/NOPE", "-o", out_.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("MEAS\\NOPE"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(out_ / "000123.vdo"));
}

// A listing whose folder or object names are absolute or climb out (a garbled line, a hostile
// instrument) saves nothing outside the chosen folder, and the status says so; the other
// objects are saved all the same.
TEST_F(TransferToolTest, ListedNamesStayInsideTheOutputFolder) {
    const std::string absolute = "/tmp/vordalis-escape-" + std::to_string(::getpid());
    const fs::path measObjects[] = {fs::path("MEAS") / "100200.vdo",
                                    fs::path("MEAS") / "RASTER" / "212345.vdo"};
    struct Case {
        std::string stored, listed;
        fs::path wouldBe;
        std::vector<fs::path> saved;
    } cases[] = {
        {"MEAS", absolute, absolute, {"000123.vdo"}},
        {"MEAS", "../escape", root_ / "escape", {"000123.vdo"}},
        {"000123.VDO", absolute + ".VDO", absolute + ".vdo", {measObjects[0], measObjects[1]}},
        {"000123.VDO", "../escape.VDO", root_ / "escape.vdo", {measObjects[0], measObjects[1]}},
    };
    for (const Case& c : cases) {
        fs::remove_all(out_);
        Simulator sim(SimArgs({"--list-as", c.stored + "=" + c.listed}));
        const ToolRun run = RunTransfer({"--device", sim.Device(), "get", "--all", "-o", out_.string()});
        EXPECT_EQ(run.status, 1) << c.listed;
        EXPECT_NE(run.err.find("\" sent by the instrument cannot be used as a file or folder name"),
                  std::string::npos)
            << run.err;
        EXPECT_FALSE(fs::exists(c.wouldBe)) << c.listed;
        fs::remove_all(c.wouldBe);
        EXPECT_FALSE(TempLeft());
        for (const fs::path& saved : c.saved) {
            EXPECT_TRUE(fs::exists(out_ / saved)) << c.listed << ": " << saved;
            EXPECT_NE(run.out.find((out_ / saved).string() + "\n"), std::string::npos) << run.out;
        }
    }
}

TEST_F(TransferToolTest, GetByNameInEveryForm) {
    Simulator sim(SimArgs());
    struct Case {
        const char* name;
        fs::path saved;
    } cases[] = {
        {"000123", "000123.vdo"},
        {"000123.VDO", "000123.vdo"},
        {"MEAS\\100200", fs::path("MEAS") / "100200.vdo"},
        {"MEAS/100200", fs::path("MEAS") / "100200.vdo"},
        {"\\MEAS\\100200", fs::path("MEAS") / "100200.vdo"},
        // Two folders down, with both folders above it unticked.
        {"MEAS\\RASTER\\212345", fs::path("MEAS") / "RASTER" / "212345.vdo"},
        {"MEAS/RASTER/212345.B", fs::path("MEAS") / "RASTER" / "212345.vdo"},
    };
    for (const Case& c : cases) {
        fs::remove_all(out_);
        const ToolRun run = RunTransfer({"--device", sim.Device(), "get", c.name, "-o", out_.string()});
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), (out_ / c.saved).string() + "\n") << c.name;
        EXPECT_TRUE(fs::exists(out_ / c.saved)) << c.name;
    }
}

struct Fault {
    const char* name;
    const char* message; // empty: the device disappears, checked below
};

// Readable test names in the test list instead of the parameter's bytes.
void PrintTo(const Fault& f, std::ostream* os) {
    *os << f.name;
}

class TransferFaultTest : public TransferToolTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(TransferFaultTest, EndsWithItsMessageAndLeavesFilesAlone) {
    const Fault& f = GetParam();
    WriteFile(out_ / "000123.vdo", "OLD");
    std::string fault = f.name; // test names cannot hold "-"
    std::replace(fault.begin(), fault.end(), '_', '-');
    Simulator sim(SimArgs({"--fault", fault}));
    const auto started = std::chrono::steady_clock::now();
    const ToolRun run =
        RunTransfer({"--device", sim.Device(), "get", "000123", "-o", out_.string(), "--overwrite"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(run.status, 1);
    if (*f.message) {
        EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    } else {
        EXPECT_TRUE(run.err.find("COM1 input error") != std::string::npos ||
                    run.err.find("Data not valid or data transmission error") != std::string::npos)
            << run.err;
    }
    EXPECT_EQ(ReadFile(out_ / "000123.vdo"), "OLD"); // never replaced by an incomplete object
    EXPECT_FALSE(TempLeft());
    EXPECT_LT(seconds, 8.0); // within the waiting times, no hang
}

INSTANTIATE_TEST_SUITE_P(Faults, TransferFaultTest,
                         ::testing::Values(Fault{"silent", "No Vernoskant 5 at COM1 (/dev/"},
                                           Fault{"garbage", "No Vernoskant 5 at COM1 (/dev/"},
                                           Fault{"wrong_echo", "No Vernoskant 5 at COM1 (/dev/"},
                                           Fault{"bad_checksum", "Data not valid or data transmission error"},
                                           Fault{"corrupt", "Data not valid or data transmission error"},
                                           Fault{"truncate", "Data not valid or data transmission error"},
                                           Fault{"hangup", ""}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TransferToolTest, ReadOnlyOutputFolder) {
    Simulator sim(SimArgs());
    fs::path folder = out_;
    fs::create_directories(folder);
    if (::geteuid() == 0) {
        folder = "/proc"; // permissions do not stop the superuser; this folder takes no files
    } else {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const ToolRun run = RunTransfer({"--device", sim.Device(), "get", "000123", "-o", folder.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error writing to file 000123."), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(folder / "{$}TMP.{$}"));
    EXPECT_FALSE(fs::exists(folder / "000123.vdo"));
}

TEST_F(TransferToolTest, FullDisk) {
    // A file size limit makes writing fail as a full disk does.
    std::string big = "VERNOSKANT 5 100300\r\n";
    for (int i = 0; big.size() < 60000; ++i) big += std::to_string(i % 97) + (i % 9 ? "\t" : "\r\n");
    WriteFile(store_ / "100300", big + "\x06");
    WriteFile(out_ / "100300.vdo", "OLD");
    Simulator sim(SimArgs());
    const ToolRun run =
        RunTransfer({"--device", sim.Device(), "get", "100300", "-o", out_.string(), "--overwrite"},
                    "trap '' XFSZ; ulimit -f 16;");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error writing to file"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(out_ / "100300.vdo"), "OLD");
    EXPECT_FALSE(TempLeft());
}

TEST_F(TransferToolTest, PortsByNumberAndBadArguments) {
    Simulator sim(SimArgs());
    const std::string env = "VORDALIS_SERIAL_PORTS=" + Quote(sim.Device() + ":/dev/no-such-port");
    ToolRun run = RunTransfer({"--port", "1", "list"}, env);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("COM1: Vernoskant 5", 0), 0u) << run.out;
    run = RunTransfer({"--port", "2", "list"}, env);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("COM2 not available."), std::string::npos) << run.err;

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"list"},
                                               {"--port", "0", "list"},
                                               {"--device", sim.Device(), "get", "-o", out_.string()},
                                               {"--device", sim.Device(), "get", "--all"},
                                               {"--device", sim.Device(), "--port", "1", "list"},
                                               {"--device", sim.Device(), "copy"}}) {
        EXPECT_EQ(RunTransfer(bad).status, 2) << bad.back();
    }
}

// A port that cannot be had names its device and the system's reason; an instrument that does
// not answer names the device it was looked for at.
TEST_F(TransferToolTest, PortProblemsNameTheDeviceAndTheReason) {
    Simulator sim(SimArgs());
    Simulator silent(SimArgs({"--fault", "silent"}));
    WriteFile(root_ / "plain-file", "not a port");
    fs::create_directories(root_ / "folder");
    const std::string plain = (root_ / "plain-file").string(), folder = (root_ / "folder").string();
    struct Case {
        std::vector<std::string> args;
        std::string environment;
        std::vector<std::string> says;
    } cases[] = {
        {{"--device", "/dev/no-such-port", "list"},
         "",
         {"COM1 not available.", "/dev/no-such-port: No such file or directory"}},
        {{"--device", plain, "list"}, "", {plain + ": not a serial device"}},
        {{"--device", folder, "list"}, "", {folder + ": Is a directory"}},
        {{"--port", "3", "list"},
         "VORDALIS_SERIAL_PORTS=" + Quote(sim.Device() + ":/dev/no-such-port"),
         {"COM3 not available.", "there is no serial device for COM3 (2 in the port list)"}},
        {{"--device", silent.Device(), "list"}, "", {"No Vernoskant 5 at COM1 (" + silent.Device() + ")."}},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTransfer(c.args, c.environment);
        EXPECT_EQ(run.status, 1) << c.args[1];
        for (const std::string& text : c.says) EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    }

    // A port another program holds.
    const int held = ::open(sim.Device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    ToolRun run = RunTransfer({"--device", sim.Device(), "list"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(sim.Device() + ": in use by another program"), std::string::npos) << run.err;
    ::close(held);

    // Without permission (the superuser has it always): the reason and how to get it.
    if (::geteuid() != 0) {
        fs::permissions(plain, fs::perms::none);
        run = RunTransfer({"--device", plain, "list"});
        EXPECT_NE(run.err.find(plain + ": Permission denied"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("dialout"), std::string::npos) << run.err;
    }
}
