#pragma once
// Finds the object number in a received file by the rules of the instrument family; also
// how the loader checks that a file holds an object of the instrument's family.
#include <string>

namespace vordalis::transfer {

struct ObjectNumberResult {
    int kind = -1; // -1 not found; 0 found; 1 found in a raster file (its name takes ".B")
    std::string number;
};

ObjectNumberResult ObjectNumber(const std::string& path, const std::string& family);

} // namespace vordalis::transfer
