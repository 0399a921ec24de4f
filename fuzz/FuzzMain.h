#pragma once
// What every fuzz target shares: a finding is printed and ends the run (libFuzzer then keeps
// the input as a crash file), and a scratch folder for the checks that write files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace vordalis::fuzz {

inline void Report(const std::string& problem) {
    if (problem.empty()) return;
    std::fprintf(stderr, "finding: %s\n", problem.c_str());
    std::abort();
}

inline std::string_view Input(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process below the temporary folder, removed when it ends.
inline const std::string& Scratch() {
    // Never destroyed: the exit handler that removes the folder still needs its name.
    static const std::string& folder = *[] {
        auto* pattern =
            new std::string((std::filesystem::temp_directory_path() / "vordalis-fuzz-XXXXXX").string());
        if (!::mkdtemp(pattern->data())) std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Scratch(), ec);
        });
        return pattern;
    }();
    return folder;
}

} // namespace vordalis::fuzz
