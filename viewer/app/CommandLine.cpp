#include "app/CommandLine.h"

namespace vordalis {

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// A slash option is a word like "/p" or "/dde": a '/' and no further '/' before the next
// blank. Absolute paths ("/home/...") are file names, not options.
bool IsSlashOption(const std::string& text, size_t at) {
    if (at >= text.size() || text[at] != '/') return false;
    size_t end = text.find_first_of(" \t", at);
    if (end == std::string::npos) end = text.size();
    return text.find('/', at + 1) >= end;
}

} // namespace

std::string FileFromCommandLine(const std::string& commandLine) {
    std::string text = Trim(commandLine);
    if (text.empty() || text[0] == '-' || IsSlashOption(text, 0)) return {};
    for (size_t at = text.find(" /"); at != std::string::npos; at = text.find(" /", at + 1)) {
        if (IsSlashOption(text, at + 1)) {
            text = Trim(text.substr(0, at));
            break;
        }
    }
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

std::string JoinArguments(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

} // namespace vordalis
