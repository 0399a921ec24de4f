// libFuzzer target: CheckObject (see ObjectCheck.h).
#include "fuzz/FuzzMain.h"
#include "fuzz/ObjectCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vordalis::fuzz::Report(vordalis::fuzz::CheckObject(vordalis::fuzz::Input(data, size)));
    return 0;
}
