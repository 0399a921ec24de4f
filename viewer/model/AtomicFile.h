#pragma once
// Writes a whole file or nothing: the bytes go to a temporary file beside the target,
// are flushed to disk and then renamed over it, so a failed store leaves the old file intact.
// A link is followed (the file it names is replaced, the link stays); a device or pipe is
// written in place.
#include <string>
#include <string_view>

#include "model/FileSystemCalls.h"

namespace vordalis {

// Returns false (and leaves any existing file untouched) when anything fails; error gets a reason.
// The new file is created, filled and put in place through calls (the real ones unless a test
// injects a failure).
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr,
                         const FileSystemCalls& calls = RealFileSystemCalls());

} // namespace vordalis
