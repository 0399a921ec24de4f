#include "RegisterObjects.h"

#include "model/ObjectFactory.h"

namespace vordalis {

// Each object family registers its classes (one line per type) in its own folder.
#ifdef VORDALIS_HAVE_COVER
void RegisterCoverObjects();
#endif
#ifdef VORDALIS_HAVE_REBOUND
void RegisterReboundObjects();
#endif

void RegisterAllObjectTypes() {
#ifdef VORDALIS_HAVE_COVER
    RegisterCoverObjects();
#endif
#ifdef VORDALIS_HAVE_REBOUND
    RegisterReboundObjects();
#endif
}

} // namespace vordalis
