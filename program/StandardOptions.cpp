#include "program/StandardOptions.h"

#include "program/Version.h"

#include <cstdio>
#include <string>

namespace vordalis::program {

StandardRequest FindStandardRequest(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break; // what follows are operands, even when they look like options
        if (arg == "--help") return StandardRequest::Help;
        if (arg == "--version") return StandardRequest::Version;
    }
    return StandardRequest::None;
}

int PrintHelp(std::string_view help) {
    std::fwrite(help.data(), 1, help.size(), stdout);
    if (!help.empty() && help.back() != '\n') std::fputc('\n', stdout);
    std::fflush(stdout);
    return 0;
}

int PrintVersion(std::string_view name) {
    std::printf("%.*s %s\n", int(name.size()), name.data(), Version());
    std::fflush(stdout);
    return 0;
}

std::optional<int> AnswerStandardOptions(std::string_view name, std::string_view help, int argc,
                                         const char* const* argv) {
    switch (FindStandardRequest(argc, argv)) {
    case StandardRequest::Help:
        return PrintHelp(help);
    case StandardRequest::Version:
        return PrintVersion(name);
    case StandardRequest::None:
        break;
    }
    return std::nullopt;
}

int UsageError(std::string_view name, std::string_view problem) {
    std::fprintf(stderr, "%.*s: %.*s\nTry '%.*s --help'.\n", int(name.size()), name.data(),
                 int(problem.size()), problem.data(), int(name.size()), name.data());
    return kExitUsage;
}

} // namespace vordalis::program
