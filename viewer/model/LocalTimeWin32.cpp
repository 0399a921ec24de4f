#include "model/LocalTime.h"

namespace vordalis {

bool LocalTime(std::time_t t, std::tm& out) {
    return ::localtime_s(&out, &t) == 0;
}

} // namespace vordalis
