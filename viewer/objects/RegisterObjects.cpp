#include "objects/RegisterObjects.h"

#include "model/ObjectFactory.h"

namespace vordalis {

// Each object family registers its classes (one line per type) in its own folder.
void RegisterCoverObjects();
void RegisterReboundObjects();

void RegisterAllObjectTypes() {
    RegisterCoverObjects();
    RegisterReboundObjects();
}

} // namespace vordalis
