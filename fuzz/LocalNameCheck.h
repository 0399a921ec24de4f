#pragma once
// Received names stay inside the output folder: a folder path as the instrument's CD commands
// give it and an object name go to the back end that saves by name; whatever it accepts must
// lie below its output folder.
#include <string>
#include <string_view>

namespace vordalis::fuzz {

// input: the folder path, LF, the object name. root: an existing scratch folder (its
// contents change). Empty when nothing would be written outside root, else where it would be.
std::string CheckLocalName(std::string_view input, const std::string& root);

} // namespace vordalis::fuzz
