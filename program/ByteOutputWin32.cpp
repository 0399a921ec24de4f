#include "program/ByteOutput.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace vordalis::program {

void KeepOutputBytes() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

} // namespace vordalis::program
