#pragma once
// A fixed-capacity series of whole-number readings with limits, optional outlier exclusion
// and lazily computed statistics. A reading of 0 or less means "no reading here".
#include <cstdint>
#include <string>
#include <vector>

namespace vordalis {

class TValueSeries {
public:
    static constexpr size_t kUnitLength = 11;
    static constexpr uint8_t kHighOutlier = 0xFF;
    static constexpr uint8_t kLowOutlier = 1;
    // A series whose unit starts with "in" shows lengths held in millimetres as inches.
    static constexpr double kInchPerMm = 0.0394;
    // Far more than any instrument stores: a longer series is a damaged or hostile file.
    static constexpr uint32_t kMaxReadings = 1'000'000;

    bool Init(uint32_t capacity, const std::u16string& unit, int32_t lower, int32_t upper);
    // A reference to the element; outside the capacity a dummy cell whose writes are lost.
    int32_t& At(int index);
    int32_t Get(int index) const;
    void SetLower(int32_t value);
    void SetUnit(const std::u16string& text);
    void SetOutlierCount(int n);
    int GetOutlierCount() const { return outliers_; }
    bool IsLowOutlier(int index) const;
    bool IsHighOutlier(int index) const;
    bool IsExcluded(int index) const;
    int NthPositiveIndex(int k) const;
    int32_t NthPositiveValue(int k) const;
    int32_t Count();
    double Mean();
    double StdDev();
    int32_t Min();
    int32_t Max();
    double PercentOutside();
    int32_t InRangeCount();
    void Clear();

    int32_t Length() const { return length_; }
    uint32_t Capacity() const { return static_cast<uint32_t>(values_.size()); }
    int32_t Lower() const { return lower_; }
    int32_t Upper() const { return upper_; }
    const std::u16string& Unit() const { return unit_; }
    // Mean and deviation are inches (the readings, minimum and maximum stay millimetres).
    bool InInches() const { return unit_.size() >= 2 && unit_.compare(0, 2, u"in") == 0; }
    // The readings up to the length, for writers and descriptions.
    std::vector<int32_t> Values() const { return {values_.begin(), values_.begin() + length_}; }
    void Invalidate() { valid_ = false; }

private:
    void MarkOutliers();
    void Compute();

    std::vector<int32_t> values_;
    int32_t length_ = 0;
    int32_t lower_ = 0;
    int32_t upper_ = 0;
    std::u16string unit_;
    bool valid_ = false;
    int32_t dummy_ = 0;
    int32_t count_ = 0;
    int32_t inRange_ = 0;
    double mean_ = 0;
    double stddev_ = 0;
    int32_t min_ = 0;
    int32_t max_ = 0;
    int outliers_ = 0;
    std::vector<uint8_t> marks_;
};

} // namespace vordalis
