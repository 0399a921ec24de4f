#include "TTorvBars.h"
#include "TTorvChina.h"
#include "TTorvDir.h"
#include "model/ObjectFactory.h"

namespace vordalis {

// One line per object type of this family.
void RegisterReboundObjects() {
    RegisterObjectType(kTypeReboundSeries, &TTorvBars::Create);
    RegisterObjectType(kTypeReboundSummary, &TTorvDir::Create);
    RegisterObjectType(kTypeReboundChina, &TTorvChina::Create);
}

} // namespace vordalis
