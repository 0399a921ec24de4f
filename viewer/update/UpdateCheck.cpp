#include "update/UpdateCheck.h"

#include <cstdio>
#include <unordered_set>

#include "update/UpdateSignature.h"

namespace vordalis {

InstallerChoice NewestInstaller(const std::vector<std::string>& names, CVersion own) {
    InstallerChoice best{own, {}, 0};
    const std::unordered_set<std::string> listed(names.begin(), names.end());
    for (const std::string& name : names) {
        CVersion v = CVersion::FromFileName(name);
        // An installer without its signature beside it could never be checked: never offer it.
        if (!listed.count(SignatureName(name))) continue;
        if (v > best.version) best = {v, name, 0};
    }
    if (best.name.empty()) best.version = CVersion();
    return best;
}

std::optional<CVersion> CheckForNewerVersion(FtpClient& ftp, const UpdateLocation& location, CVersion own) {
    if (!ftp.Connect(location)) return std::nullopt;
    auto names = ftp.ListNames();
    ftp.Close();
    if (!names) return std::nullopt;
    return NewestInstaller(*names, own).version;
}

int ProgressPercent(uint64_t downloaded, uint64_t size) {
    if (size == 0) return 100;
    if (downloaded >= size) return 100;
    // downloaded * 100 fits easily: installers are far below 2^57 bytes.
    return static_cast<int>(downloaded * 100 / size);
}

std::string MegabytesText(uint64_t downloaded) {
    char text[64];
    std::snprintf(text, sizeof text, "%0.2f", static_cast<double>(downloaded) / 1048576.0);
    return text;
}

} // namespace vordalis
