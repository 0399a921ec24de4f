#pragma once
// Runs vordalis-cli with arguments and collects its output and exit status.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace vordalis::test {

struct CliResult {
    int status = -1;
    std::string out; // stdout
    std::string err; // stderr
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Settings go to a private folder (XDG_CONFIG_HOME) so the user's own are never read or changed.
inline CliResult RunCli(const std::string& args) {
    namespace fs = std::filesystem;
    fs::path errFile = fs::temp_directory_path() / ("vordalis-cli-err-" + std::to_string(::getpid()));
    fs::path cfg = fs::temp_directory_path() / ("vordalis-cli-cfg-" + std::to_string(::getpid()));
    fs::create_directories(cfg);
    std::string cmd = "XDG_CONFIG_HOME=" + ShellQuote(cfg.string()) + " " + ShellQuote(VORDALIS_CLI) + " " +
                      args + " 2>" + ShellQuote(errFile.string());
    CliResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    if (FILE* e = std::fopen(errFile.c_str(), "rb")) {
        while ((n = std::fread(buf.data(), 1, buf.size(), e)) > 0) r.err.append(buf.data(), n);
        std::fclose(e);
    }
    fs::remove(errFile);
    return r;
}

// A test with a scratch folder of its own for the files the tool writes.
class CliFolderTest : public ::testing::Test {
protected:
    explicit CliFolderTest(const std::string& tag) : tag_(tag) {}
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vordalis-cli-" + tag_ + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::string Sample(const std::string& name) {
        return std::string(VORDALIS_SAMPLES) + "/" + name + ".vdo";
    }
    std::string Out(const std::string& name) const { return (dir / name).string(); }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path dir;

private:
    std::string tag_;
};

} // namespace vordalis::test
