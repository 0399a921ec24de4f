// libFuzzer target: CheckInstrument (see InstrumentCheck.h), over the fake port.
#include "fuzz/FuzzMain.h"
#include "fuzz/InstrumentCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vordalis::fuzz;
    Report(CheckInstrument(Input(data, size), Scratch()));
    return 0;
}
