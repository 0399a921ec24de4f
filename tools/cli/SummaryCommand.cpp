// vordalis-cli summary: writes a summary file over rebound files as Create Summary does, with
// the kind given on the command line instead of the Select summary dialog.
#include "tools/cli/Commands.h"

#include "io/FilePath.h"
#include "rebound/SummaryBuilder.h"

#include <cstdio>
#include <filesystem>

namespace vordalis::cli {

int RunSummary(const Args& args) {
    std::string kind, out;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind" || args[i] == "-o") {
            if (i + 1 == args.size()) return UsageError("summary: missing value after " + args[i]);
            std::string& value = args[i] == "-o" ? out : kind;
            value = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("summary: unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    SummaryChoice choice;
    if (kind == "series") {
        choice.series = true;
    } else if (kind == "china-single") {
        choice.china = choice.single = true;
    } else if (kind == "china-batch") {
        choice.china = choice.batch = true;
    } else {
        return UsageError(kind.empty()
                              ? std::string("summary: missing --kind series|china-single|china-batch")
                              : "summary: --kind takes series, china-single or china-batch, not " + kind);
    }
    if (out.empty()) return UsageError("summary: missing -o OUT.vdo");
    if (files.empty()) return UsageError("summary: missing FILE");
    // The summary names its members by path; absolute paths keep it readable from anywhere.
    for (auto& f : files) {
        std::error_code ec;
        auto abs = std::filesystem::absolute(PathFromUtf8(f), ec);
        if (!ec) f = Utf8FromPath(abs.lexically_normal());
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
