#pragma once
// Runs instrument-sim and vordalis-transfer as processes, as a user would.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace transfer_test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The simulated instrument, serving on the pseudo-terminal it names on its first line.
class Simulator {
public:
    explicit Simulator(const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0) return;
        std::vector<std::string> all{INSTRUMENT_SIM};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char c;
        while (::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(out[0]);
    }
    ~Simulator() { Stop(); }
    void Stop() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    const std::string& Device() const { return device_; }

private:
    pid_t pid_ = -1;
    std::string device_;
};

using ToolRun = vordalis::test::ProgramRun;
using vordalis::test::Quote;

// Runs vordalis-transfer with the arguments; stdout and stderr are collected.
inline ToolRun RunTransfer(const std::vector<std::string>& args, const std::string& environment = {}) {
    return vordalis::test::RunProgram(VORDALIS_TRANSFER, args, environment);
}

} // namespace transfer_test
