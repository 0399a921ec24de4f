#include "program/ByteOutput.h"

namespace vordalis::program {

// Output is bytes already.
void KeepOutputBytes() {}

} // namespace vordalis::program
