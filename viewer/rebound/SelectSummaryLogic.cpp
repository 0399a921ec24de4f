#include "rebound/SelectSummaryLogic.h"

#include "model/Codec.h"
#include "model/Strings.h"
#include "text/Utf16.h"

namespace vordalis {

SelectSummaryLogic::SelectSummaryLogic(int seriesCount, int chinaCount)
    : seriesCount_(seriesCount), chinaCount_(chinaCount) {
    if (seriesCount_ < chinaCount_) {
        choice_.china = true;
        choice_.single = true;
    } else {
        choice_.series = true;
    }
}

bool SelectSummaryLogic::Checked(Button b) const {
    switch (b) {
    case kSeries:
        return choice_.series;
    case kChina:
        return choice_.china;
    case kSingle:
        return choice_.single;
    case kBatch:
        return choice_.batch;
    }
    return false;
}

namespace {
std::u16string CountText(int n) {
    return Utf8ToU16(std::to_string(n)) + u" " + LoadString(Str::Files);
}
} // namespace

std::u16string SelectSummaryLogic::SeriesCountText() const {
    return CountText(seriesCount_);
}
std::u16string SelectSummaryLogic::ChinaCountText() const {
    return CountText(chinaCount_);
}

void SelectSummaryLogic::Click(Button b) {
    if (!Enabled(b)) return;
    choice_ = {};
    if (b == kSeries) {
        choice_.series = true;
    } else {
        choice_.china = true;
        (b == kBatch ? choice_.batch : choice_.single) = true;
    }
}

bool SelectSummaryLogic::CanAccept() const {
    return choice_.series || (choice_.china && (choice_.single || choice_.batch));
}

} // namespace vordalis
