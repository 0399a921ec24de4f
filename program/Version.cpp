#include "program/Version.h"

namespace vordalis::program {

const char* ProductName() {
    return VORDALIS_PRODUCT_NAME;
}

const char* Version() {
    return VORDALIS_VERSION;
}

} // namespace vordalis::program
