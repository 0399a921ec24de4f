#include "transfer/TBackEnd.h"

namespace vordalis::transfer {

bool TBackEnd::Close() {
    isOpen_ = false;
    return true;
}

bool TBackEnd::EndObject(bool ok) {
    if (!FinishReceived(ok)) return false;
    return GiveFinalName(kResultName, false);
}

} // namespace vordalis::transfer
