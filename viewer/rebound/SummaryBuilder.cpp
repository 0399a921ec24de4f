#include "rebound/SummaryBuilder.h"

#include "io/FilePath.h"
#include "model/ByteSource.h"
#include "model/Codec.h"
#include "model/TBasicObj.h"
#include "rebound/TTorvDir.h"
#include "text/Utf16.h"

#include <filesystem>

namespace vordalis {

SummaryFileKind ClassifySummaryFile(const std::string& path) {
    FileSource file(path);
    if (!file.IsOpen()) return SummaryFileKind::Other;
    ObjectReader in(file);
    std::u16string head;
    in.ReadToken(head, 20);
    if (head == u"TORVIHAMMER") return SummaryFileKind::Series;
    if (head == u"TORVCHINA" || head == u"TORVCHINA*") return SummaryFileKind::China;
    return SummaryFileKind::Other;
}

namespace {

struct Sorted {
    std::vector<std::string> series, china;
};

Sorted Sort(const std::vector<std::string>& chosen) {
    Sorted s;
    for (const auto& p : chosen) {
        SummaryFileKind k = ClassifySummaryFile(p);
        if (k == SummaryFileKind::Series) s.series.push_back(p);
        if (k == SummaryFileKind::China) s.china.push_back(p);
    }
    return s;
}

SummaryBuildResult Write(const std::vector<std::string>& chosen, const Sorted& s, const SummaryChoice& choice,
                         const std::string& outPath) {
    SummaryBuildResult r;
    const std::vector<std::string>* list = nullptr;
    const char* tag = nullptr;
    if (choice.series) {
        list = &s.series;
        tag = kSummaryTagSeries;
    } else if (choice.china && (choice.single || choice.batch)) {
        list = &s.china;
        tag = choice.batch ? kSummaryTagChinaBatch : kSummaryTagChinaSingle;
    }
    if (!list || list->size() < 2) return r;
    r.title = SummaryTitle(chosen);
    if (!WriteSummaryFile(outPath, tag, *list, &r.error)) {
        r.status = kSummaryNotCreated;
        return r;
    }
    r.status = kSummaryBuilt;
    return r;
}

} // namespace

SummaryBuildResult BuildReboundSummary(const std::vector<std::string>& chosen, const std::string& outPath,
                                       const SummaryChooser& choose) {
    if (chosen.size() < 2) return {};
    Sorted s = Sort(chosen);
    SummaryChoice choice;
    if (!s.china.empty() || s.series.size() < 2)
        choice = choose(static_cast<int>(s.series.size()), static_cast<int>(s.china.size()));
    else
        choice.series = true;
    return Write(chosen, s, choice, outPath);
}

SummaryBuildResult BuildReboundSummary(const std::vector<std::string>& chosen, const std::string& outPath,
                                       const SummaryChoice& choice) {
    if (chosen.size() < 2) return {};
    return Write(chosen, Sort(chosen), choice, outPath);
}

std::u16string SummaryTitle(const std::vector<std::string>& chosen) {
    if (chosen.empty()) return {};
    std::filesystem::path folder = PathFromUtf8(chosen.front()).parent_path();
    std::string name = Utf8FromPath(folder.filename());
    if (name.empty()) name = Utf8FromPath(folder);
    return Cut(Utf8ToU16(name), TBasicObj::kTitleLength);
}

std::string SummaryFilePath() {
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec) tmp = "/tmp";
    return Utf8FromPath(tmp / "dir.vdo");
}

} // namespace vordalis
