#pragma once
// The summary builder behind Create Summary: it sorts the chosen files into rebound series and
// China-standard files, lets the user choose the kind of summary when there is a choice, and
// writes the summary file. The file dialog and the choice dialog are plugged in by the viewer.
#include <functional>
#include <string>
#include <vector>

namespace vordalis {

enum class SummaryFileKind { Other, Series, China };
// By the file's first token: "TORVIHAMMER" a series, "TORVCHINA" or "TORVCHINA*" a China file.
// A file that does not open is Other.
SummaryFileKind ClassifySummaryFile(const std::string& path);

// The four flags of the Select summary dialog; all cleared means cancelled.
struct SummaryChoice {
    bool series = false;
    bool china = false;
    bool single = false;
    bool batch = false;
};
using SummaryChooser = std::function<SummaryChoice(int seriesCount, int chinaCount)>;

enum SummaryBuildStatus { kSummaryBuilt = 0, kSummaryNotEnoughFiles = 1, kSummaryNotCreated = 2 };

struct SummaryBuildResult {
    int status = kSummaryNotEnoughFiles;
    std::u16string title;
    std::string error;
};

// Builds the summary file at outPath from the chosen paths. The chooser is asked only when
// there are China files or fewer than two series files.
SummaryBuildResult BuildReboundSummary(const std::vector<std::string>& chosen, const std::string& outPath,
                                       const SummaryChooser& choose);
// Builds a summary of a fixed kind (6 series, 8 China) without asking.
SummaryBuildResult BuildReboundSummary(const std::vector<std::string>& chosen, const std::string& outPath,
                                       const SummaryChoice& choice);

// The summary's title: the name of the folder the files were chosen in (20 characters at most).
std::u16string SummaryTitle(const std::vector<std::string>& chosen);
// "dir.vdo" in the temporary folder.
std::string SummaryFilePath();

} // namespace vordalis
