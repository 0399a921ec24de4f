#pragma once
// The sub-commands of vordalis-cli. Each returns the process exit status.
#include <string>
#include <vector>

namespace vordalis::cli {

using Args = std::vector<std::string>;

int RunType(const Args& files);
int RunInfo(const Args& files);
// render FILE -o OUT.pdf|.svg|.png [--options WORD] [--page N]
int RunRender(const Args& args);
// convert FILE -o OUT.vdo
int RunConvert(const Args& args);
// summary --kind series|china-single|china-batch FILE... -o OUT.vdo
int RunSummary(const Args& args);

// Prints an error on stderr in UTF-8.
void PrintError(const std::string& text);

} // namespace vordalis::cli
