#include "fuzz/LocalNameCheck.h"

#include "transfer/Errors.h"
#include "transfer/XBackEnd.h"

#include <filesystem>

namespace vordalis::fuzz {
namespace fs = std::filesystem;

namespace {

// Whether path lies strictly below folder once "." and ".." are resolved.
bool Below(const fs::path& path, const fs::path& folder) {
    const fs::path p = path.lexically_normal(), f = folder.lexically_normal();
    auto pi = p.begin();
    for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi) {
        if (fi->empty()) continue; // the trailing "" of a folder ending in "/"
        if (pi == p.end() || *pi != *fi) return false;
    }
    return pi != p.end();
}

} // namespace

std::string CheckLocalName(std::string_view input, const std::string& root) {
    const size_t lf = input.find('\n');
    const std::string path(input.substr(0, lf));
    const std::string name(lf == std::string_view::npos ? std::string_view{} : input.substr(lf + 1));
    transfer::XBackEnd back;
    back.Open(root);
    back.ChangeDirectory(path);
    try {
        if (!back.BeginObject(name, 1)) return {};
    } catch (const transfer::IoFileError&) {
        return {}; // refused: nothing is saved
    }
    const fs::path target = back.OutputFolder() / back.Name();
    back.EndObject(false);
    if (!Below(target, root)) return "the object would be saved as " + target.string() + ", outside " + root;
    return {};
}

} // namespace vordalis::fuzz
