#pragma once
// The numbers of an object's statistics block, as texts the way the page shows them (trimmed,
// in the object's unit; empty where the page shows a dash or nothing). Texts are UTF-8.
#include <string>
#include <utility>
#include <vector>

namespace vordalis {

class TBasicObj;

struct ObjectStatistics {
    std::string series; // "x" or "y" for the two scans of a bar scan, else empty
    std::string count, mean, stddev, min, max, percentOutside, unit;
    // Rebound objects: the strength as a number (empty when the page shows none or only a
    // bound such as "<10"), its unit and the text the block shows.
    std::string strength, strengthUnit, strengthText;
    // Summaries: each member's title and value as the table shows them.
    std::vector<std::pair<std::string, std::string>> members;
};

// One entry per statistics column of the page (two for a bar scan, one otherwise).
std::vector<ObjectStatistics> StatisticsOf(TBasicObj& obj);

// The page's text without the blanks that align it in its column.
std::string Trimmed(const std::u16string& text);

} // namespace vordalis
