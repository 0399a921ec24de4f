#include "model/ObjectFactory.h"

namespace vordalis {

// One line per object type of this family.
void RegisterCoverObjects() {
}

} // namespace vordalis
