#pragma once
// Choosing the newest installer in the update folder.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "update/CVersion.h"
#include "update/FtpClient.h"

namespace vordalis {

struct InstallerChoice {
    CVersion version; // 0 when no installer is newer than the own version
    std::string name;
    uint64_t size = 0; // bytes; filled by the callers that download
};

// The installer with the highest version above own among the names (the first of equal
// versions wins) that has its signature "NAME.sig" among the names too; version 0 and no name
// when there is none.
InstallerChoice NewestInstaller(const std::vector<std::string>& names, CVersion own);

// The quiet check: connect, list the folder, choose. Nothing when the server cannot be used;
// otherwise the newest version above own, or 0. Closes the connection at the end.
std::optional<CVersion> CheckForNewerVersion(FtpClient& ftp, const UpdateLocation& location, CVersion own);

// Download progress as the wizard shows it: percent of the size (100 for an empty file) and
// the megabytes received with two decimals.
int ProgressPercent(uint64_t downloaded, uint64_t size);
std::string MegabytesText(uint64_t downloaded);

} // namespace vordalis
