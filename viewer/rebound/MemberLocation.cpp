#include "rebound/MemberLocation.h"

#include "io/FilePath.h"
#include "model/FileProblem.h"

#include <filesystem>
#include <vector>

namespace vordalis {

std::string LocateMember(const std::string& stored, const std::string& summaryPath) {
    if (FileReadProblem(stored).empty()) return stored;
    std::error_code ec;
    if (std::filesystem::exists(PathFromUtf8(stored), ec) || summaryPath.empty()) return {};
    std::filesystem::path folder = std::filesystem::absolute(PathFromUtf8(summaryPath), ec).parent_path();
    if (ec) return {};
    std::vector<std::string> parts;
    std::string part;
    for (char c : stored + '/') {
        if (c == '/' || c == '\\') {
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    for (size_t first = 0; first < parts.size(); ++first) {
        std::filesystem::path candidate = folder;
        for (size_t i = first; i < parts.size(); ++i) candidate /= PathFromUtf8(parts[i]);
        if (FileReadProblem(Utf8FromPath(candidate)).empty()) return Utf8FromPath(candidate);
    }
    return {};
}

} // namespace vordalis
