#pragma once
// The files of one seed corpus (fuzz/corpus/NAME), and a scratch folder for checks that write.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace vordalis::fuzz::test {

// (file name, bytes) of every file in the corpus, in name order.
inline std::vector<std::pair<std::string, std::string>> Corpus(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VORDALIS_CORPUS) + "/" + name)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(entry.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::sort(files.begin(), files.end());
    return files;
}

inline std::string Scratch(const std::string& name) {
    const auto folder =
        std::filesystem::path(::testing::TempDir()) / (name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

} // namespace vordalis::fuzz::test
