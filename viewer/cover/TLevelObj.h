#pragma once
// Common base of the objects painted as a level chart (bars and raster): the cover classes
// between a lower and an upper threshold and a counter per class, the cover limit and the
// thresholds with their defaults, the chart's hit tests and the limit fields of their files.
#include "cover/TVernoObj.h"

#include <array>
#include <cstdint>

namespace vordalis {

class TLevelObj : public TVernoObj {
public:
    static constexpr int kMaxClasses = 9;
    // Thresholds read from a file are kept within +-1 km: far beyond any cover, and class
    // bounds, their neighbours and sums of two stay well inside 32 bits.
    static constexpr int32_t kThresholdBound = 1'000'000;
    static int32_t ClampThreshold(int32_t v);

    // Clears the counters and spreads up to nine classes over lower ... upper (mm).
    void BuildClasses(int32_t lower, int32_t upper);
    // -1 when there are fewer than two classes or v <= 0; class 0 holds the covers below the
    // lower threshold, the last class those at or above the upper one.
    int ClassOf(int32_t v) const;
    void CountValue(int32_t v);

    int32_t ClassCount() const { return classCount; }
    int32_t Boundary(int i) const { return boundaries[static_cast<size_t>(i)]; }
    int32_t Counter(int i) const { return classCounters[static_cast<size_t>(i)]; }

    // The cover limit is the main series' lower limit.
    bool GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) override;
    bool GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper) override;
    // The position in data units (m, ft or in) under a page point.
    double HitX(int x, int y) override;
    double HitY(int x, int y) override;

    // Adds class_count, class_counters and boundaries.
    void Describe(Json& out) const override;

    int32_t lowerThreshold = 10;
    int32_t upperThreshold = 80;
    int32_t defaultLimit = 0;
    int32_t defaultLower = 10;
    int32_t defaultUpper = 80;

protected:
    // The fields after the instrument id, each kept when unreadable: the cover limit (into
    // limit) and the lower and upper thresholds (kept within kThresholdBound); after a line
    // end the common trailer. delimiter is the one after the instrument id.
    void ReadLimitFields(ObjectReader& in, int delimiter, int32_t& limit);
    // The instrument id, the cover limit, the thresholds and the common trailer.
    void WriteLimitFields(ObjectWriter& out) const;

    int32_t classCount = 0;
    std::array<int32_t, kMaxClasses> classCounters{};
    std::array<int32_t, kMaxClasses - 1> boundaries{};
};

} // namespace vordalis
