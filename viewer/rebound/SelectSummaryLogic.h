#pragma once
// What the Select summary dialog does, without the dialog: four radio-like buttons
// ("Torvihammer", "Torvihammer China", "Single component evaluation", "Batch component
// evaluation") and the two file counts that enable them.
#include "rebound/SummaryBuilder.h"

#include <string>

namespace vordalis {

class SelectSummaryLogic {
public:
    enum Button { kSeries = 1092, kChina = 1093, kSingle = 1094, kBatch = 1095 };

    SelectSummaryLogic(int seriesCount, int chinaCount);

    bool Enabled(Button b) const { return b == kSeries ? seriesCount_ > 0 : chinaCount_ > 0; }
    bool Checked(Button b) const;
    // "%d %s" with the word "Files".
    std::u16string SeriesCountText() const;
    std::u16string ChinaCountText() const;

    void Click(Button b);
    // OK is accepted with "Torvihammer", or "Torvihammer China" with single or batch.
    bool CanAccept() const;
    const SummaryChoice& Choice() const { return choice_; }

private:
    int seriesCount_;
    int chinaCount_;
    SummaryChoice choice_;
};

} // namespace vordalis
