#pragma once
// The sub-commands of vordalis-cli. Each returns the process exit status.
#include <string>
#include <vector>

namespace vordalis::cli {

using Args = std::vector<std::string>;

int RunType(const Args& files);
int RunInfo(const Args& files);

// Prints an error on stderr in UTF-8.
void PrintError(const std::string& text);

} // namespace vordalis::cli
