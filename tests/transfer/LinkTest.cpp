// The serial port, the command dialogue and the front ends against the simulated instrument
// on pseudo-terminals.
#include "SimPort.h"

#include "transfer/PortList.h"
#include "transfer/Protocol.h"
#include "transfer/QFrontEnd.h"
#include "transfer/SFrontEnd.h"
#include "transfer/SerialPort.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vordalis::transfer;
namespace fs = std::filesystem;

namespace {

class LinkTest : public ::testing::Test {};

instrument_sim::SimOptions Options() {
    instrument_sim::SimOptions o;
    o.store = ::testing::TempDir();
    return o;
}

} // namespace

TEST_F(LinkTest, PortIsExclusiveAndTimeoutsFollowTheRate) {
    TestPty pty;
    SerialPort a, b, c;
    ASSERT_TRUE(a.Open(0, pty.Device()));
    EXPECT_FALSE(b.Open(0, pty.Device())); // held by a
    EXPECT_FALSE(c.Open(1, "/dev/does-not-exist"));
    EXPECT_FALSE(c.Open(2, ""));             // no device
    EXPECT_FALSE(c.Open(256, pty.Device())); // no such port index
    EXPECT_EQ(a.WriteTimeoutPerByte(), 10);
    EXPECT_EQ(a.WriteTimeoutConstant(), 1000);
    EXPECT_EQ(a.SetBaud(38400), 38400);
    EXPECT_EQ(a.WriteTimeoutPerByte(), 2);
    EXPECT_EQ(a.WriteTimeoutConstant(), 260);
    EXPECT_EQ(a.SetBaud(28800), 28800); // between the standard rates
    // The read time-out is programmed only when it changes.
    EXPECT_EQ(a.ReadTimeout(), 500);
    a.ReadByte(100);
    a.ReadByte(100);
    EXPECT_EQ(a.TimeoutChanges(), 1);
    a.ReadByte(1000 / 50);
    EXPECT_EQ(a.TimeoutChanges(), 2);
    // Bytes arrive and are counted.
    ASSERT_EQ(::write(pty.Master(), "xyz", 3), 3);
    for (int i = 0; i < 50 && a.BytesWaiting() < 3; ++i) ::usleep(1000);
    EXPECT_EQ(a.BytesWaiting(), 3);
    EXPECT_EQ(a.ReadByte(100), 'x');
    uint8_t buffer[8];
    EXPECT_EQ(a.ReadBlock(buffer, 8, 50), 2);
    EXPECT_EQ(a.ReadByte(20), -1);
    a.CloseHandle();
    EXPECT_TRUE(b.Open(0, pty.Device())); // free again
}

TEST_F(LinkTest, IdentificationAnswers) {
    struct Case {
        std::string answer;
        int type;
        std::string serial, version;
    } cases[] = {
        {"VERNOSKANT 5i ; 12-7702 ; 1.5", 1, "12-7702 ", "1.5"}, // space is skipped only after ";"
        {"TORVIHAMMER;   ;", 5, "", ""},
        {"MELOX; 4711", 4, "", ""}, // a serial number without a second ";" is not taken
        {"VERNOSKANT 4;SN-1234567890123;2.01.7", 3, "SN-1234567", "2.01.7"},
        {"VERNOSKANT 5 12-7702 1.5", 0, "", ""}, // no ";": not an instrument
    };
    for (const Case& c : cases) {
        auto o = Options();
        o.idAnswer = c.answer;
        SimPort sim(o);
        ObjectPool pool;
        SFrontEnd front(0, sim.Device(), pool);
        ASSERT_TRUE(front.Open());
        EXPECT_EQ(front.Identify(), c.type) << c.answer;
        EXPECT_EQ(front.InstrumentType(), c.type);
        EXPECT_EQ(front.SerialNumber(), c.serial) << c.answer;
        EXPECT_EQ(front.Version(), c.version) << c.answer;
    }
}

TEST_F(LinkTest, EchoChecks) {
    struct Case {
        bool lowerCase;
        instrument_sim::Fault fault;
        int type;
    } cases[] = {{true, instrument_sim::Fault::None, 2},
                 {false, instrument_sim::Fault::WrongEcho, 0},
                 {false, instrument_sim::Fault::Garbage, 0},
                 {false, instrument_sim::Fault::Silent, 0}};
    for (const Case& c : cases) {
        auto o = Options();
        o.lowerCaseEcho = c.lowerCase;
        o.fault = c.fault;
        SimPort sim(o);
        ObjectPool pool;
        SFrontEnd front(0, sim.Device(), pool);
        ASSERT_TRUE(front.Open());
        EXPECT_EQ(front.Identify(), c.type) << int(c.fault);
    }
}

TEST_F(LinkTest, NegotiationPicksTheFastestAcceptedLink) {
    struct Case {
        bool cp;
        std::set<int> rates;
        std::string status;
    } cases[] = {{true, {38400}, " 38400 C1"},
                 {false, {19200, 11520}, " 19200 C0"},
                 {true, {11520}, " 11520 C1"},
                 {false, {}, " 9600 C0"}};
    for (const Case& c : cases) {
        auto o = Options();
        o.acceptCp = c.cp;
        o.rates = c.rates;
        SimPort sim(o);
        ObjectPool pool;
        SFrontEnd front(0, sim.Device(), pool);
        ASSERT_TRUE(front.Open());
        EXPECT_EQ(front.StatusText(), " 9600 C0");
        EXPECT_EQ(front.Identify(), 2);
        EXPECT_EQ(front.StatusText(), c.status);
        // Identifying again changes nothing.
        EXPECT_EQ(front.Identify(), 2);
        EXPECT_EQ(front.StatusText(), c.status);
    }
}

TEST_F(LinkTest, ListingAndLimits) {
    const fs::path store = fs::path(::testing::TempDir()) / ("store-" + std::to_string(::getpid()));
    fs::remove_all(store);
    fs::create_directories(store / "MEAS" / "DEEP");
    fs::create_directories(store / "NONE");
    std::ofstream(store / "000123.B") << "x";
    std::ofstream(store / "MEAS" / "100001.VDO") << "x";
    std::ofstream(store / "MEAS" / "DEEP" / "README") << "x";
    auto o = Options();
    o.store = store;
    SimPort sim(o);
    ObjectPool pool;
    SFrontEnd front(0, sim.Device(), pool);
    ASSERT_TRUE(front.Open());
    ASSERT_EQ(front.Identify(), 2);
    ASSERT_EQ(front.ReadDirectory(), &pool);
    EXPECT_TRUE(pool.Valid());
    std::string listing;
    for (const auto& e : pool.Entries())
        listing += std::to_string(e.depth) + (e.folder ? "D:" : "O:") + e.name + "." + e.extension + " ";
    EXPECT_EQ(listing, "1O:000123.B 1D:MEAS. 2O:100001.VDO 2D:DEEP. 3O:README. 1D:NONE. ");
    EXPECT_TRUE(front.ChangeDirectory("MEAS"));
    EXPECT_FALSE(front.ChangeDirectory("NOPE"));
    EXPECT_FALSE(front.ChangeDirectory(std::string(121, 'a')));
    EXPECT_FALSE(front.StartObject(std::string(21, '1')));
    EXPECT_FALSE(front.StartObject("999999"));
    front.Close();
    EXPECT_EQ(front.ReadDirectory(), nullptr);
    EXPECT_FALSE(pool.Valid());
    fs::remove_all(store);
}

TEST_F(LinkTest, QuelmeterNamesKeepTheirDots) {
    const fs::path store = fs::path(::testing::TempDir()) / ("qm-" + std::to_string(::getpid()));
    fs::create_directories(store);
    std::ofstream(store / "2024.05.17.txt") << "x";
    auto o = Options();
    o.store = store;
    o.identifier = "QUELMETER XRTA";
    SimPort sim(o);
    ObjectPool pool;
    SFrontEnd front(0, sim.Device(), pool);
    ASSERT_TRUE(front.Open());
    ASSERT_EQ(front.Identify(), 6);
    const auto entries = front.ReadDirectory()->Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "2024.05.17.txt");
    EXPECT_EQ(entries[0].extension, "");
    fs::remove_all(store);
}

TEST_F(LinkTest, PortWithoutInstrument) {
    TestPty pty;
    ObjectPool pool;
    SFrontEnd front(0, pty.Device(), pool);
    ASSERT_TRUE(front.Open());
    EXPECT_EQ(front.InstrumentType(), 0);
    EXPECT_TRUE(front.StartObject("000123")); // accepted, nothing will arrive
    EXPECT_EQ(front.BytesAvailable(), 0);
    EXPECT_TRUE(front.EndObject());
    SFrontEnd missing(5, "", pool);
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.InstrumentType(), -1);
}

TEST_F(LinkTest, FolderFrontEnd) {
    const fs::path root = fs::path(::testing::TempDir()) / ("pool-" + std::to_string(::getpid()));
    fs::create_directories(root / "SUB");
    std::ofstream(root / "{$}123456") << "object bytes";
    std::ofstream(root / "SUB" / "{$}7") << "xy";
    ObjectPool pool;
    QFrontEnd front(pool);
    EXPECT_FALSE(front.Open((root / "missing").string()));
    ASSERT_TRUE(front.Open(root.string()));
    ASSERT_TRUE(front.StartObject("123456"));
    EXPECT_EQ(front.BytesAvailable(), 12);
    uint8_t buffer[32];
    EXPECT_EQ(front.Read(buffer, 5, 0), 5);
    EXPECT_EQ(front.BytesAvailable(), 7);
    EXPECT_TRUE(front.EndObject());
    EXPECT_TRUE(front.ChangeDirectory("SUB"));
    ASSERT_TRUE(front.StartObject("7"));
    EXPECT_EQ(front.BytesAvailable(), 2);
    EXPECT_FALSE(front.StartObject("7")); // one at a time
    front.EndObject();
    EXPECT_FALSE(front.ChangeDirectory("..\\NOPE"));
    EXPECT_TRUE(front.Close());
    EXPECT_FALSE(front.Close());
    fs::remove_all(root);
}
