#pragma once
// Where a summary member is when its stored path no longer leads to it: a summary copied or
// moved with its members (or their folder) still finds them beside itself.
#include <string>

namespace vordalis {

// The file to read a member from: the stored path when it can be read; when it does not exist,
// below the summary's own folder the stored path's trailing parts, longest first, down to the
// bare file name ("/a/b/data/x.vdo" tries b/data/x.vdo, data/x.vdo, then x.vdo), with '/' or
// '\' separating them. Empty when none can be read, or when the stored file is there but
// cannot be read (its reason is the user's to see).
std::string LocateMember(const std::string& stored, const std::string& summaryPath);

} // namespace vordalis
