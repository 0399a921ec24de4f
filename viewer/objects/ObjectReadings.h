#pragma once
// The readings of an object as its page's table shows them: one entry per reading with its
// position, value and unit text and the marks the page puts on it. Texts are UTF-8.
#include <string>
#include <vector>

namespace vordalis {

class TBasicObj;

struct ObjectReading {
    int index = 0;     // 1-based: bar, position, cell or member number
    std::string x, y;  // positions in the page's length unit; empty where the object has none
    std::string value; // as the table shows it, in the object's unit
    std::string unit;
    std::string flags; // "outlier", "below_limit", "above_limit", separated by '|'
};

// Positions without a reading (0 or less) are left out; summary members are always listed.
std::vector<ObjectReading> ObjectReadings(TBasicObj& obj);

} // namespace vordalis
