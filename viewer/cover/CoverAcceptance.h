#pragma once
// Acceptance of the concrete cover as site inspections judge it: each measured cover may deviate
// from the design cover by a member kind's tolerance (beams +10/-7 mm, slabs +8/-5 mm, or a
// lab's own); a sample passes with at least 90 % of its points within the tolerance and no
// failing point beyond 1.5 times it; from 80 % to below 90 % a second sample of the same size
// decides over both samples together.
#include <optional>
#include <string>
#include <vector>

namespace vordalis {

class TBasicObj;

enum class MemberKind { Beam, Slab, Custom };

struct CoverTolerance {
    double minus = 0; // how far a cover may lie below the design cover, mm (a positive number)
    double plus = 0;  // how far above, mm
};

// The tolerance of a beam or a slab; custom members bring their own.
CoverTolerance ToleranceOf(MemberKind kind);

enum class AcceptanceVerdict { Pass, SecondSampleRequired, Fail };

// "pass", "second sample required" or "fail".
const char* VerdictText(AcceptanceVerdict verdict);

// What one sample (or both together) shows.
struct SampleJudgement {
    int points = 0;
    int within = 0;
    double passRate = 0;      // percent of the points within the tolerance
    double largestBelow = 0;  // the most negative deviation (cover - design), mm; 0 when none lies below
    double largestAbove = 0;  // the largest positive deviation, mm; 0 when none lies above
    bool beyondLimit = false; // a failing point deviates by more than 1.5 times its tolerance
};

struct AcceptanceResult {
    SampleJudgement first;
    std::optional<SampleJudgement> second;
    std::optional<SampleJudgement> combined; // both samples together, when a second one is given
    AcceptanceVerdict verdict = AcceptanceVerdict::Fail;
};

// Judges the covers (mm) of one sample and, optionally, a second one. Covers of 0 or less are no
// points. Returns nullopt when the first sample holds no point at all.
std::optional<AcceptanceResult> JudgeCovers(const std::vector<double>& first,
                                            const std::optional<std::vector<double>>& second, double design,
                                            CoverTolerance tolerance);

// Whether one cover lies within the tolerance of the design cover (the limits belong to it).
bool CoverWithin(double cover, double design, CoverTolerance tolerance);

// The covers (mm) of a cover object: a list's readings, both scans of a bar scan, a raster's
// cells; every cover above 0. Imperial objects hold their covers in millimetres too. nullopt for
// an object that is no cover object.
std::optional<std::vector<double>> CoversOf(const TBasicObj& obj);

} // namespace vordalis
