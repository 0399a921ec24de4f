#pragma once
// The viewer's command line is one file name.
#include <string>

namespace vordalis {

// The file named by the whole command-line text: empty when it starts with an option ('-' or a
// slash option such as "/p"); a slash option after a blank cuts the text at that blank;
// surrounding quotes and blanks are removed. Absolute paths are file names, not options.
std::string FileFromCommandLine(const std::string& commandLine);

// Joins the program's arguments (without the program name) with single spaces, so that a
// file name with blanks passed unquoted still arrives as one name.
std::string JoinArguments(int argc, const char* const* argv);

} // namespace vordalis
