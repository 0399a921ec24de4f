#include "cover/CoverAcceptance.h"

#include "cover/TVernoBars.h"
#include "cover/TVernoList.h"
#include "cover/TVernoRaster.h"

#include <algorithm>

namespace vordalis {

CoverTolerance ToleranceOf(MemberKind kind) {
    switch (kind) {
    case MemberKind::Beam:
        return {7, 10};
    case MemberKind::Slab:
        return {5, 8};
    case MemberKind::Custom:
        break;
    }
    return {};
}

const char* VerdictText(AcceptanceVerdict verdict) {
    switch (verdict) {
    case AcceptanceVerdict::Pass:
        return "pass";
    case AcceptanceVerdict::SecondSampleRequired:
        return "second sample required";
    case AcceptanceVerdict::Fail:
        break;
    }
    return "fail";
}

bool CoverWithin(double cover, double design, CoverTolerance tolerance) {
    // Covers and tolerances are whole or tenth millimetres: a small margin keeps a deviation
    // of exactly the tolerance inside it whatever binary rounding does.
    double deviation = cover - design;
    return deviation >= -tolerance.minus - 1e-9 && deviation <= tolerance.plus + 1e-9;
}

namespace {

SampleJudgement Judge(const std::vector<double>& covers, double design, CoverTolerance tolerance) {
    SampleJudgement s;
    for (double cover : covers) {
        if (!(cover > 0)) continue;
        ++s.points;
        double deviation = cover - design;
        s.largestBelow = std::min(s.largestBelow, deviation);
        s.largestAbove = std::max(s.largestAbove, deviation);
        if (CoverWithin(cover, design, tolerance)) {
            ++s.within;
        } else if (deviation < -1.5 * tolerance.minus - 1e-9 || deviation > 1.5 * tolerance.plus + 1e-9) {
            s.beyondLimit = true;
        }
    }
    s.passRate = s.points > 0 ? 100.0 * s.within / s.points : 0.0;
    return s;
}

SampleJudgement Together(const SampleJudgement& a, const SampleJudgement& b) {
    SampleJudgement s;
    s.points = a.points + b.points;
    s.within = a.within + b.within;
    s.passRate = s.points > 0 ? 100.0 * s.within / s.points : 0.0;
    s.largestBelow = std::min(a.largestBelow, b.largestBelow);
    s.largestAbove = std::max(a.largestAbove, b.largestAbove);
    s.beyondLimit = a.beyondLimit || b.beyondLimit;
    return s;
}

// At least 90 % (or 80 %) of the points, counted exactly rather than through a rounded rate.
bool AtLeastPercent(const SampleJudgement& s, int percent) {
    return s.points > 0 && s.within * 100 >= s.points * percent;
}

} // namespace

std::optional<AcceptanceResult> JudgeCovers(const std::vector<double>& first,
                                            const std::optional<std::vector<double>>& second, double design,
                                            CoverTolerance tolerance) {
    AcceptanceResult r;
    r.first = Judge(first, design, tolerance);
    if (r.first.points == 0) return std::nullopt;
    if (second) {
        r.second = Judge(*second, design, tolerance);
        r.combined = Together(r.first, *r.second);
    }
    if (r.first.beyondLimit || !AtLeastPercent(r.first, 80)) {
        r.verdict = AcceptanceVerdict::Fail;
    } else if (AtLeastPercent(r.first, 90)) {
        r.verdict = AcceptanceVerdict::Pass;
    } else if (!r.second || r.second->points == 0) {
        r.verdict = AcceptanceVerdict::SecondSampleRequired;
    } else {
        // The second sample decides together with the first; neither may hold a point beyond
        // 1.5 times the tolerance.
        r.verdict = !r.combined->beyondLimit && AtLeastPercent(*r.combined, 90) ? AcceptanceVerdict::Pass
                                                                                : AcceptanceVerdict::Fail;
    }
    return r;
}

std::optional<std::vector<double>> CoversOf(const TBasicObj& obj) {
    std::vector<double> covers;
    auto add = [&covers](const TValueSeries& series) {
        for (int i = 0; i < series.Length(); ++i)
            if (series.Get(i) > 0) covers.push_back(series.Get(i));
    };
    if (auto* list = dynamic_cast<const TVernoList*>(&obj)) {
        add(list->covers);
    } else if (auto* bars = dynamic_cast<const TVernoBars*>(&obj)) {
        add(bars->xScan);
        add(bars->yScan);
    } else if (auto* raster = dynamic_cast<const TVernoRaster*>(&obj)) {
        add(raster->covers);
    } else {
        return std::nullopt;
    }
    return covers;
}

} // namespace vordalis
