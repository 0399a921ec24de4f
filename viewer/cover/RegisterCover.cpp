#include "cover/TVernoList.h"
#include "model/ObjectFactory.h"

namespace vordalis {

// One line per object type of this family.
void RegisterCoverObjects() {
    RegisterObjectType(kTypeCoverList, &TVernoList::Create);
}

} // namespace vordalis
