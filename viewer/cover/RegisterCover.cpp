#include "cover/TVernoBars.h"
#include "cover/TVernoList.h"
#include "cover/TVernoRaster.h"
#include "model/ObjectFactory.h"

namespace vordalis {

// One line per object type of this family.
void RegisterCoverObjects() {
    RegisterObjectType(kTypeCoverList, &TVernoList::Create);
    RegisterObjectType(kTypeCoverBars, &CreateVernoBars);
    RegisterObjectType(kTypeCoverRaster, &CreateVernoRaster);
}

} // namespace vordalis
