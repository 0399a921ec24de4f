#include "transfer/FrontEnd.h"

namespace vordalis::transfer {

bool FrontEnd::Open(const std::string&) {
    if (isOpen_) return false;
    isOpen_ = true;
    return true;
}

bool FrontEnd::Close() {
    if (!isOpen_) return false;
    isOpen_ = false;
    return true;
}

} // namespace vordalis::transfer
