// libFuzzer target: CheckLocalName (see LocalNameCheck.h).
#include "fuzz/FuzzMain.h"
#include "fuzz/LocalNameCheck.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vordalis::fuzz;
    // A fresh output folder for every input: the folders one input creates would otherwise pile
    // up by the hundred thousand over a run.
    const std::filesystem::path root = std::filesystem::path(Scratch()) / "out";
    std::filesystem::create_directory(root);
    const std::string problem = CheckLocalName(Input(data, size), root.string());
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    Report(problem);
    return 0;
}
