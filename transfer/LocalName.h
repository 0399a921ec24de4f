#pragma once
// Folder and object names come from the instrument (its listing, or the number inside a
// received object) and become components of local paths below the chosen output folder.
#include <string>
#include <string_view>

namespace vordalis::transfer {

// Whether name can be one component of a local path without leaving the folder it is put
// in: not empty, not "." or "..", and without "/" (so not absolute either) or a NUL byte. On
// Windows also without "\", ":" and the other characters it refuses, not ending in a dot or
// space, and not a device name (LocalNamePosix.cpp, LocalNameWin32.cpp).
bool IsSafeLocalName(std::string_view name);

// Raises IoFileError 4 naming the component when it is not a safe local name.
void RequireSafeLocalName(std::string_view name);

} // namespace vordalis::transfer
