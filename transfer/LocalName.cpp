#include "transfer/LocalName.h"

#include "transfer/Errors.h"

namespace vordalis::transfer {

void RequireSafeLocalName(std::string_view name) {
    if (IsSafeLocalName(name)) return;
    // Shown in a message box: control bytes (a NUL above all) would cut or garble it.
    std::string shown;
    for (const char c : name) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    throw IoFileError{FileErrorCode::UnsafeName, "\"" + shown + "\""};
}

} // namespace vordalis::transfer
