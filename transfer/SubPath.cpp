#include "transfer/SubPath.h"

#include "io/FilePath.h"

#include <sstream>

namespace vordalis::transfer {

void ApplyPath(std::string& subPath, const std::string& path) {
    if (!path.empty() && path[0] == '\\') subPath.clear();
    std::istringstream in(path);
    std::string component;
    while (std::getline(in, component, '\\')) {
        if (component.empty()) continue;
        if (component == "..") {
            const size_t last = subPath.rfind('\\');
            subPath.erase(last == std::string::npos ? 0 : last);
        } else {
            subPath += '\\' + component;
        }
    }
}

std::filesystem::path LocalPath(const std::string& root, const std::string& subPath) {
    std::filesystem::path path = PathFromUtf8(root);
    std::istringstream in(subPath);
    std::string component;
    while (std::getline(in, component, '\\'))
        if (!component.empty()) path /= PathFromUtf8(component);
    return path;
}

} // namespace vordalis::transfer
