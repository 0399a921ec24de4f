#include "model/TValueSeries.h"

#include <algorithm>
#include <cmath>

namespace vordalis {

bool TValueSeries::Init(uint32_t capacity, const std::u16string& unit, int32_t lower, int32_t upper) {
    if (capacity == 0 || capacity > kMaxReadings) return false;
    values_.assign(std::max<size_t>(capacity, values_.size()), 0);
    length_ = 0;
    if (lower > 0) {
        lower_ = lower;
        upper_ = upper < 1 ? 0 : std::max(upper, lower);
    } else {
        lower_ = 0;
        upper_ = upper < 1 ? 0 : upper;
    }
    SetUnit(unit);
    valid_ = false;
    outliers_ = 0;
    marks_.clear();
    return true;
}

int32_t& TValueSeries::At(int index) {
    if (index < 0 || static_cast<size_t>(index) >= values_.size()) {
        dummy_ = 0;
        return dummy_;
    }
    valid_ = false;
    length_ = std::max(length_, index + 1);
    return values_[static_cast<size_t>(index)];
}

int32_t TValueSeries::Get(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= values_.size()) return 0;
    return values_[static_cast<size_t>(index)];
}

void TValueSeries::SetLower(int32_t value) {
    if (value == lower_) return;
    if (value <= 0)
        lower_ = 0;
    else
        lower_ = (upper_ != 0 && value >= upper_) ? upper_ : value;
    valid_ = false;
}

void TValueSeries::SetUnit(const std::u16string& text) {
    unit_ = text.substr(0, kUnitLength);
}

void TValueSeries::SetOutlierCount(int n) {
    outliers_ = n;
    MarkOutliers();
    valid_ = false;
}

bool TValueSeries::IsLowOutlier(int index) const {
    return index >= 0 && static_cast<size_t>(index) < marks_.size() && marks_[index] == kLowOutlier;
}
bool TValueSeries::IsHighOutlier(int index) const {
    return index >= 0 && static_cast<size_t>(index) < marks_.size() && marks_[index] == kHighOutlier;
}
bool TValueSeries::IsExcluded(int index) const {
    return index >= 0 && static_cast<size_t>(index) < marks_.size() && marks_[index] != 0;
}

int TValueSeries::NthPositiveIndex(int k) const {
    if (k < 0) return -1;
    for (int i = 0; i < length_; ++i)
        if (values_[i] > 0 && k-- == 0) return i;
    return -1;
}

int32_t TValueSeries::NthPositiveValue(int k) const {
    int i = NthPositiveIndex(k);
    return i < 0 ? 0 : values_[i];
}

void TValueSeries::MarkOutliers() {
    marks_.assign(static_cast<size_t>(length_), 0);
    for (int n = 0; n < outliers_; ++n) {
        int best = -1;
        for (int i = 0; i < length_; ++i)
            if (marks_[i] == 0 && values_[i] > 0 && (best < 0 || values_[i] > values_[best])) best = i;
        if (best < 0) break;
        marks_[best] = kHighOutlier;
    }
    for (int n = 0; n < outliers_; ++n) {
        int best = -1;
        for (int i = 0; i < length_; ++i)
            if (marks_[i] == 0 && (best < 0 || values_[i] < values_[best])) best = i;
        if (best < 0) break;
        marks_[best] = kLowOutlier;
    }
}

void TValueSeries::Compute() {
    if (valid_) return;
    MarkOutliers();
    count_ = inRange_ = 0;
    mean_ = stddev_ = 0;
    min_ = max_ = 0;
    bool inches = InInches();
    bool mmOrR = (unit_.size() >= 2 && unit_.compare(0, 2, u"mm") == 0) || unit_ == u"R";
    if (!inches && !mmOrR) return;
    double sum = 0, sum2 = 0;
    for (int i = 0; i < length_; ++i) {
        int32_t v = values_[i];
        if (v <= 0) continue;
        if (!inches && marks_[i] != 0) continue;
        if (count_ == 0 || v < min_) min_ = v;
        if (count_ == 0 || v > max_) max_ = v;
        ++count_;
        double x = inches ? v * kInchPerMm : v;
        sum += x;
        sum2 += x * x;
        if (v >= lower_ && (upper_ <= 0 || v <= upper_)) ++inRange_;
    }
    if (count_ == 0) {
        min_ = max_ = 0;
        return;
    }
    mean_ = sum / count_;
    double sq = sum * sum / count_;
    stddev_ = (count_ > 1 && sum2 > sq) ? std::sqrt((sum2 - sq) / (count_ - 1)) : 0.0;
    valid_ = true;
}

int32_t TValueSeries::Count() {
    Compute();
    return count_;
}
double TValueSeries::Mean() {
    Compute();
    return mean_;
}
double TValueSeries::StdDev() {
    Compute();
    return stddev_;
}
int32_t TValueSeries::Min() {
    Compute();
    return min_;
}
int32_t TValueSeries::Max() {
    Compute();
    return max_;
}
int32_t TValueSeries::InRangeCount() {
    Compute();
    return inRange_;
}
double TValueSeries::PercentOutside() {
    Compute();
    return count_ == 0 ? 0.0 : (count_ - inRange_) * 100.0 / count_;
}

void TValueSeries::Clear() {
    values_.clear();
    values_.shrink_to_fit();
    length_ = 0;
    valid_ = false;
    marks_.clear();
}

} // namespace vordalis
