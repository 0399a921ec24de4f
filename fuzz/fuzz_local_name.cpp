// libFuzzer target: CheckLocalName (see LocalNameCheck.h).
#include "fuzz/FuzzMain.h"
#include "fuzz/LocalNameCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vordalis::fuzz;
    Report(CheckLocalName(Input(data, size), Scratch()));
    return 0;
}
