#pragma once
// A summary over several rebound files (object type 7): the file lists the member paths; the
// summary loads every member as a series (kind 6) or a China-standard object (kind 8) and
// evaluates them together, for series by mean or median rebound value and strength, for
// China members by the component strength of JGJ/T 23.
#include "rebound/ChinaEvaluation.h"
#include "rebound/TTorvDirPlot.h"
#include "rebound/TTorvObj.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vordalis {

// The three summary tags (the second token of a summary file).
inline constexpr const char* kSummaryTagSeries = "TORVIHAMMER";
inline constexpr const char* kSummaryTagChinaSingle = "TORVCHINASINGLE";
inline constexpr const char* kSummaryTagChinaBatch = "TORVCHINABATCH";

class TTorvDir : public TTorvObj {
public:
    static constexpr int kKindSeries = 6;
    static constexpr int kKindChina = 8;
    static constexpr int kTableMembers = 256;

    explicit TTorvDir(ByteSource& file);
    static std::unique_ptr<TBasicObj> Create(ByteSource& file, bool mmScale);

    bool Write(ObjectWriter& out) override;
    bool GetLimits(int32_t*, int32_t*, int32_t*, int32_t*) override { return true; }
    bool GetDefaultLimits(int32_t*, int32_t*, int32_t*, int32_t*) override { return true; }
    double RowValue(int row) override;
    bool SetValueAt(double, double, double) override { return true; }
    bool SetValueByIndex(int, double) override { return true; }
    void Describe(Json& out) const override;

    TTorvPlot& Plot() override { return plot; }
    int PositionCount() const override { return static_cast<int>(members.size()); }
    double PositionValue(int position) const override;
    std::u16string PositionLabel(int position) const override;
    double ChartMean() const override;
    void InitialLimits(int32_t& lower, int32_t& upper) const override;

    // kind 6: the member's mean (or median) rebound value; kind 8: its f2.
    double MemberValue(int index) const;
    // The file a member was read from (a relative path in the summary is taken from the
    // summary's own folder when it is not found from the current one).
    const std::string& MemberFile(int index) const { return memberFiles[static_cast<size_t>(index)]; }

    // Statistics over the members as the statistics block shows them.
    struct Statistics {
        int count = 0; // the count shown
        int members = 0;
        double mean = 0;
        std::optional<double> median;
        double stddev = 0;
        double max = 0;
        double min = 0;
        // Kind 6: the summary strength (MPa) when every member has a curve; kind 8: the
        // component strength (-1 when the smallest member is below 10 MPa).
        std::optional<double> strength;
        std::u16string strengthText;
        std::u16string strengthUnit;
    };
    Statistics ComputeStatistics() const;
    // The summary's mean, or its median with useMedian (kind 6); the mean of f2 (kind 8).
    double SummaryValue() const;
    // After a member changed (detail view): the chart scale follows the member values.
    bool MembersChanged();

    int32_t kind = 0;
    int32_t any2011 = 0;
    int32_t initialLowerLimit = 40;
    int32_t initialUpperLimit = 60;
    int32_t unit = 4;
    int32_t selectedMember = -1;
    int32_t useMedian = 0;
    int32_t batch = 0;
    double chartTop = 0;
    std::vector<std::unique_ptr<TBasicObj>> members;
    // The member paths as the summary file lists them, and the files they were read from.
    std::vector<std::string> memberPaths;
    std::vector<std::string> memberFiles;
    // Messages about members left out (out of range), in order.
    std::vector<std::u16string> messages;
    TTorvDirPlot plot;

private:
    void Read(ObjectReader& in, ByteSource& file);
    bool LoadMember(const std::string& path, const std::string& summaryPath);
};

// Writes a summary file as the summary builder does: header with the tag and the current
// local time, the quoted paths and ".end", without extension. False when it cannot be written.
bool WriteSummaryFile(const std::string& path, const char* tag, const std::vector<std::string>& memberPaths,
                      std::string* error = nullptr);

} // namespace vordalis
