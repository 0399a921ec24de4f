// libFuzzer target: CheckUnpacker (see UnpackerCheck.h).
#include "fuzz/FuzzMain.h"
#include "fuzz/UnpackerCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vordalis::fuzz::Report(vordalis::fuzz::CheckUnpacker(vordalis::fuzz::Input(data, size)));
    return 0;
}
