// vordalis-cli summary: writes a summary file over rebound files as Create Summary does, with
// the kind given on the command line instead of the Select summary dialog.
#include "Commands.h"

#include "rebound/SummaryBuilder.h"

#include <cstdio>
#include <filesystem>

namespace vordalis::cli {

int RunSummary(const Args& args) {
    std::string kind, out;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind" && i + 1 < args.size())
            kind = args[++i];
        else if (args[i] == "-o" && i + 1 < args.size())
            out = args[++i];
        else
            files.push_back(args[i]);
    }
    SummaryChoice choice;
    if (kind == "series") {
        choice.series = true;
    } else if (kind == "china-single") {
        choice.china = choice.single = true;
    } else if (kind == "china-batch") {
        choice.china = choice.batch = true;
    } else {
        PrintError("usage: vordalis-cli summary --kind series|china-single|china-batch FILE... -o OUT.vdo");
        return 2;
    }
    if (out.empty() || files.empty()) {
        PrintError("usage: vordalis-cli summary --kind series|china-single|china-batch FILE... -o OUT.vdo");
        return 2;
    }
    // The summary names its members by path; absolute paths keep it readable from anywhere.
    for (auto& f : files) {
        std::error_code ec;
        auto abs = std::filesystem::absolute(f, ec);
        if (!ec) f = abs.lexically_normal().string();
    }
    SummaryBuildResult r = BuildReboundSummary(files, out, choice);
    if (r.status == kSummaryNotEnoughFiles) {
        PrintError("summary: fewer than 2 files of the chosen kind");
        return 1;
    }
    if (r.status == kSummaryNotCreated) {
        PrintError(out + ": summary file not created: " + r.error);
        return 1;
    }
    return 0;
}

} // namespace vordalis::cli
