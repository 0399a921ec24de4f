#pragma once
// Recognises an object file's type from its first 14 and last 6 bytes.
#include "model/ByteSource.h"
#include "model/ObjectType.h"

namespace vordalis {

// kTypeNone when the file is none of the known types. Leaves the source at offset 0 once both
// windows were read.
ObjectType DetectObjectType(ByteSource& file);

} // namespace vordalis
