#include "transfer/LocalName.h"

namespace vordalis::transfer {

bool IsSafeLocalName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

} // namespace vordalis::transfer
