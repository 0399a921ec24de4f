// The engine's port bookkeeping and selection rules, on simulated ports:
// COM1 a rebound hammer (type 5), COM2 a port without instrument, COM3 missing,
// COM4 a cover meter (type 2).
#include "SimPort.h"

#include "transfer/Errors.h"
#include "transfer/PortList.h"
#include "transfer/TransferEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace vordalis::transfer;

namespace {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        instrument_sim::SimOptions hammer;
        hammer.store = ::testing::TempDir();
        hammer.identifier = "TORVIHAMMER";
        instrument_sim::SimOptions idle = hammer;
        idle.fault = instrument_sim::Fault::Garbage; // answers, but not as an instrument
        instrument_sim::SimOptions cover = hammer;
        cover.identifier = "VERNOSKANT 5";
        ports_.push_back(std::make_unique<SimPort>(hammer));
        ports_.push_back(std::make_unique<SimPort>(idle));
        ports_.push_back(std::make_unique<SimPort>(cover));
        devices_ = {ports_[0]->Device(), ports_[1]->Device(), "/dev/no-such-port", ports_[2]->Device()};
    }

    std::vector<std::unique_ptr<SimPort>> ports_;
    std::vector<std::string> devices_;
};

struct Select {
    int type, port;
};

// Runs the selections in turn; returns the wanted type and current port after the last, or
// the error it raised.
struct Result {
    int wanted = 0, current = -1;
    std::optional<SysErrorCode> error;
};

Result RunSelects(TransferEngine& engine, const std::vector<Select>& selects) {
    Result r;
    for (const Select& s : selects) {
        try {
            engine.Select(s.type, s.port, false);
        } catch (const IoSysError& e) {
            r.error = e.code;
        }
    }
    r.wanted = engine.Wanted();
    r.current = engine.Current();
    return r;
}

} // namespace

TEST_F(EngineTest, PortsAreCountedAndIdentified) {
    TransferEngine engine(0, -1, devices_);
    EXPECT_EQ(engine.OpenCount(), 3);
    EXPECT_EQ(engine.Current(), 0);
    const PortSnapshot s = engine.Snapshot();
    EXPECT_TRUE(s.anyPort);
    EXPECT_EQ(s.types[0], 5);
    EXPECT_EQ(s.types[1], 0);
    EXPECT_EQ(s.types[2], -1);
    EXPECT_EQ(s.types[3], 2);
    EXPECT_EQ(s.types[4], -1);
    EXPECT_EQ(s.serialNumbers[3], "12-7702");
    EXPECT_EQ(s.versions[3], "1.5");
    EXPECT_TRUE(s.mismatch); // wanted 0, current holds type 5
    EXPECT_EQ(engine.StatusText(), " 38400 C1");
    // Each engine owns its pool, so a second one may exist; the first holds every port.
    TransferEngine second(0, -1, devices_);
    EXPECT_EQ(second.OpenCount(), 0);
    EXPECT_EQ(engine.OpenCount(), 3);
}

TEST_F(EngineTest, SelectionTable) {
    struct Case {
        const char* what;
        std::vector<Select> selects;
        Result expected;
    } cases[] = {
        {"start-up: another instrument at COM1", {{-1, -1}}, {5, 0, {}}},
        {"wanted 0, the port holds the type", {{2, 3}}, {2, 3, {}}},
        {"wanted 0, port without instrument", {{2, 1}}, {2, 1, {}}},
        {"wanted 0, missing port", {{2, 2}}, {2, 0, {}}},
        {"same type at a missing port", {{2, 3}, {2, 2}}, {2, 3, SysErrorCode::PortUnavailable}},
        {"another port with another instrument", {{2, 3}, {2, 0}}, {5, 0, {}}},
        {"port without instrument keeps wanted", {{2, 3}, {2, 1}}, {2, 1, {}}},
        {"a port's last type comes back", {{-1, -1}, {2, 3}, {2, 0}}, {5, 0, {}}},
        {"new type at the current port, which holds it", {{5, 0}, {2, 3}, {5, 3}}, {2, 3, {}}},
        {"new type at the current port, held elsewhere", {{2, 3}, {5, 3}}, {5, 3, {}}},
        {"out-of-range type and port", {{99, 300}}, {5, 0, {}}},
    };
    for (const Case& c : cases) {
        auto engine = std::make_unique<TransferEngine>(0, -1, devices_);
        const Result r = RunSelects(*engine, c.selects);
        EXPECT_EQ(r.wanted, c.expected.wanted) << c.what;
        EXPECT_EQ(r.current, c.expected.current) << c.what;
        EXPECT_EQ(r.error, c.expected.error) << c.what;
        EXPECT_EQ(engine->Front(r.current).LastType(), r.wanted) << c.what;
    }
}

TEST(EngineWithoutPorts, SelectRaisesNoPorts) {
    TransferEngine engine(0, -1, {"/dev/no-such-port"});
    EXPECT_EQ(engine.OpenCount(), 0);
    EXPECT_EQ(engine.Current(), -1);
    EXPECT_TRUE(engine.Snapshot().noPort);
    try {
        engine.Select(-1, -1, false);
        ADD_FAILURE() << "no error";
    } catch (const IoSysError& e) {
        EXPECT_EQ(e.code, SysErrorCode::NoPorts);
    }
    EXPECT_EQ(engine.StatusText(), "");
    EXPECT_EQ(engine.BytesAvailable(), 0);
}
