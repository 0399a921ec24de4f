#include "transfer/BackEnd.h"

namespace vordalis::transfer {

bool BackEnd::Open(const std::string&) {
    if (isOpen_) return false;
    isOpen_ = true;
    return true;
}

bool BackEnd::Close() {
    if (!isOpen_) return false;
    isOpen_ = false;
    return true;
}

} // namespace vordalis::transfer
