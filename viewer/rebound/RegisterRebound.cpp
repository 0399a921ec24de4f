#include "model/ObjectFactory.h"
#include "rebound/TTorvBars.h"
#include "rebound/TTorvChina.h"
#include "rebound/TTorvDir.h"

namespace vordalis {

// One line per object type of this family.
void RegisterReboundObjects() {
    RegisterObjectType(kTypeReboundSeries, &TTorvBars::Create);
    RegisterObjectType(kTypeReboundSummary, &TTorvDir::Create);
    RegisterObjectType(kTypeReboundChina, &TTorvChina::Create);
}

} // namespace vordalis
