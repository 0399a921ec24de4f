#pragma once
// Recognises an object file's type from its first 14 and last 6 bytes.
#include "model/ByteSource.h"

namespace vordalis {

// 0 (not recognised) or 1, 2, 3, 6, 7, 8. Leaves the source at offset 0 once both windows were read.
int DetectObjectType(ByteSource& file);

} // namespace vordalis
