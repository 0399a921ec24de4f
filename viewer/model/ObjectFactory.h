#pragma once
// Builds the measurement object of a recognised file. Each object class registers its
// constructor once (see viewer/objects); types without a class yield nothing.
#include "ByteSource.h"
#include "TBasicObj.h"

#include <memory>

namespace vordalis {

// Reads the whole file from offset 0; mmScale is the "mmScl" setting (bars and raster only).
using ObjectConstructor = std::unique_ptr<TBasicObj> (*)(ByteSource& file, bool mmScale);

void RegisterObjectType(int type, ObjectConstructor constructor);
bool IsObjectTypeRegistered(int type);

// Larger than any object an instrument writes: such a file is refused before it is read.
constexpr int64_t kMaxObjectFileSize = int64_t{64} << 20;

// Null when the file is larger than kMaxObjectFileSize, is not recognised, no class exists for its type, or the read failed.
std::unique_ptr<TBasicObj> CreateObjectFromFile(ByteSource& file);

} // namespace vordalis
