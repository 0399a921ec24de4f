#include "settings/ProgramSettings.h"

namespace vordalis {

// Without Qt on Linux there is no store the other programs share: every setting reads as its
// default (the in-memory store that is in place from the start).
void UseProgramSettings() {}

} // namespace vordalis
