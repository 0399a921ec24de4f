#pragma once
// The command-line conventions every program follows: --help prints the usage on stdout and
// exits 0, --version prints "NAME x.y.z" and exits 0, and a usage error prints one line
// saying what is wrong plus "Try 'NAME --help'." on stderr and exits 2. A failure of the work
// itself keeps exit status 1.
#include <optional>
#include <string_view>

namespace vordalis::program {

inline constexpr int kExitUsage = 2;

enum class StandardRequest { None, Help, Version };

// The first --help or --version among the arguments (argv[1] on), up to a "--".
StandardRequest FindStandardRequest(int argc, const char* const* argv);

// Prints the help text on stdout; returns 0.
int PrintHelp(std::string_view help);
// Prints "NAME x.y.z" on stdout; returns 0.
int PrintVersion(std::string_view name);

// Answers --help or --version when the arguments hold one: the exit status to end with, or
// nothing when the program is to go on.
std::optional<int> AnswerStandardOptions(std::string_view name, std::string_view help, int argc,
                                         const char* const* argv);

// Prints "NAME: PROBLEM" and "Try 'NAME --help'." on stderr; returns 2.
int UsageError(std::string_view name, std::string_view problem);

} // namespace vordalis::program
