#include "model/LocalTime.h"

namespace vordalis {

bool LocalTime(std::time_t t, std::tm& out) {
    return ::localtime_r(&t, &out) != nullptr;
}

} // namespace vordalis
