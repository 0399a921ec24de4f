#include "RegisterObjects.h"

#include "model/ObjectFactory.h"

// One registration point per object type.
namespace vordalis {

void RegisterAllObjectTypes() {
}

} // namespace vordalis
