// Receiving one object from the simulated instrument paced at 38400 baud: the receive state
// machine follows the line (an object with its own end is complete as its last byte arrives,
// a raw one after its quiet spell), its waiting times keep their wall-clock length while it
// sleeps on the port, and a wake-up ends a wait at once.
#include "SimPort.h"

#include "transfer/Errors.h"
#include "transfer/PortList.h"
#include "transfer/ReceivePhases.h"
#include "transfer/TransferEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

using namespace vordalis::transfer;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

class ReceivePhasesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) / ("receive-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "store");
        fs::create_directories(dir_ / "out");
        // 1 920 bytes take 0.5 s at 38400 baud.
        Write("100001", std::string(1919, '7') + "\x06");
        Write("200002.B", std::string(1920, 'b'));
        Write("300003", ""); // accepted, but nothing is sent
        instrument_sim::SimOptions options;
        options.store = dir_ / "store";
        options.pace = true;
        options.form = instrument_sim::SendForm::Plain;
        sim_ = std::make_unique<SimPort>(options);
        engine_ = std::make_unique<TransferEngine>(0, -1, std::vector<std::string>{sim_->Device()});
        ASSERT_EQ(engine_->StatusText(), " 38400 C1");
        engine_->Select(-1, -1, false);
        ASSERT_TRUE(engine_->SelectBackEnd(TransferEngine::kSaveByName, (dir_ / "out").string()));
    }
    void TearDown() override {
        engine_.reset();
        sim_.reset();
        fs::remove_all(dir_);
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / "store" / name, std::ios::binary) << bytes;
    }

    // Receives the named object until it is complete; the steps taken and the time it took.
    struct Run {
        int steps = 0;
        double seconds = 0;
        std::optional<SysErrorCode> error;
        ReceivePhases::Phase phase = ReceivePhases::None;
    };
    Run Receive(const std::string& name, bool raw, ReceiveWaits waits = {}) {
        Run run;
        EXPECT_TRUE(engine_->StartTransfer(name, raw));
        ReceivePhases phases(waits);
        const auto start = Clock::now();
        phases.Start();
        try {
            while ((run.phase = phases.Step(*engine_)) != ReceivePhases::Complete) {
                ++run.steps;
                phases.Wait(*engine_);
            }
        } catch (const IoSysError& e) {
            run.error = e.code;
        }
        run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (run.error) engine_->AbortTransfer();
        return run;
    }

    fs::path dir_;
    std::unique_ptr<SimPort> sim_;
    std::unique_ptr<TransferEngine> engine_;
};

} // namespace

TEST_F(ReceivePhasesTest, AnObjectWithItsOwnEndIsCompleteAsItArrives) {
    const Run run = Receive("100001", false);
    EXPECT_FALSE(run.error);
    EXPECT_GE(run.seconds, 0.45);
    EXPECT_LT(run.seconds, 0.5 + 0.2) << "the object's own end ends it at once";
    EXPECT_TRUE(engine_->Finish());
    EXPECT_EQ(fs::file_size(dir_ / "out" / "100001.vdo"), 1920u + 17u); // with its trailer
}

TEST_F(ReceivePhasesTest, ARawObjectEndsAfterItsQuietSpell) {
    const Run run = Receive("200002", true);
    EXPECT_FALSE(run.error);
    EXPECT_GE(run.seconds, 0.5 + 0.24 - 0.04) << "a raw object has no end of its own";
    EXPECT_LT(run.seconds, 0.5 + 0.24 + 0.2);
    EXPECT_TRUE(engine_->Finish());
}

TEST_F(ReceivePhasesTest, WaitingTimesKeepTheirLengthAndSleepOnThePort) {
    ReceiveWaits waits;
    waits.firstByte = milliseconds(600);
    const Run run = Receive("300003", false, waits);
    EXPECT_EQ(run.error, SysErrorCode::DataInvalid);
    EXPECT_GE(run.seconds, 0.6);
    EXPECT_LT(run.seconds, 0.6 + 0.2);
    EXPECT_LT(run.steps, 5) << "the wait sleeps on the port instead of ticking";

    // A wake-up ends the wait at once; the waiting time still counts from the request.
    ASSERT_TRUE(engine_->StartTransfer("300003", false));
    ReceivePhases phases(waits);
    phases.Start();
    Wakeup wakeup;
    std::thread([&wakeup] {
        std::this_thread::sleep_for(milliseconds(100));
        wakeup.Signal();
    }).detach();
    const auto start = Clock::now();
    EXPECT_EQ(phases.Step(*engine_), ReceivePhases::Requested);
    EXPECT_EQ(phases.Wait(*engine_, wakeup.Fd()), WaitResult::Woken);
    EXPECT_LT(Clock::now() - start, milliseconds(400));
    phases.RequestAbort();
    EXPECT_EQ(phases.Step(*engine_), ReceivePhases::AbortRequested);
    engine_->AbortTransfer();
}
