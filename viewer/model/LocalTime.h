#pragma once
// The calendar time of the computer's time zone.
#include <ctime>

namespace vordalis {

// False when the time cannot be shown in local time.
bool LocalTime(std::time_t t, std::tm& out);

} // namespace vordalis
