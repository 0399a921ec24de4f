#pragma once
// Pseudo-terminals for tests: one with the simulated instrument answering on a thread, or
// one on which nothing answers.
#include "tools/instrument-sim/Simulator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class TestPty {
public:
    TestPty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        device_ = ::ptsname(master_);
        slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY); // keeps the terminal alive
        termios tio{};
        ::tcgetattr(slave_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    virtual ~TestPty() {
        ::close(slave_);
        ::close(master_);
    }
    const std::string& Device() const { return device_; }
    int Master() const { return master_; }

private:
    int master_ = -1, slave_ = -1;
    std::string device_;
};

class SimPort : public TestPty {
public:
    explicit SimPort(instrument_sim::SimOptions options = {}) {
        if (options.store.empty()) options.store = ::testing::TempDir();
        thread_ = std::thread([this, options] {
            instrument_sim::Simulator sim(Master(), options);
            sim.Run(stop_);
        });
    }
    ~SimPort() override {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
