#include "ProductInfo.h"

namespace vordalis {

std::string ProductName() {
    return VORDALIS_PRODUCT_NAME;
}
std::string ProductVersion() {
    return VORDALIS_PRODUCT_VERSION;
}

} // namespace vordalis
