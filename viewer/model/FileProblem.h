#pragma once
// Why a path cannot be read as a file, in the system's own words.
#include <string>

namespace vordalis {

// "No such file or directory", "Is a directory", "Permission denied", ...; empty when the
// file can be opened for reading (whether it holds an object is another question).
std::string FileReadProblem(const std::string& path);

} // namespace vordalis
