#pragma once
// Runs one of the suite's programs as a process, as a user would from a shell, and collects
// its exit status, stdout and stderr.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace vordalis::test {

struct ProgramRun {
    int status = -1; // exit status, -1 when killed by a signal
    std::string out, err;
};

inline std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// environment is put in front of the command as it stands, e.g. "A=1 env -u DISPLAY".
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& environment = {}) {
    const auto dir = std::filesystem::path(::testing::TempDir());
    const std::string tag = std::to_string(::getpid());
    const auto outPath = dir / ("program-out-" + tag);
    const auto errPath = dir / ("program-err-" + tag);
    std::string command = environment + " " + Quote(program);
    for (const auto& a : args) command += " " + Quote(a);
    command += " </dev/null >" + Quote(outPath.string()) + " 2>" + Quote(errPath.string());
    ProgramRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    auto slurp = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    run.out = slurp(outPath);
    run.err = slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

} // namespace vordalis::test
