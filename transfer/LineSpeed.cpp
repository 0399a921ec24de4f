#include "transfer/LineSpeed.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>

// <sys/ioctl.h> would bring the C library's terminal structures along.
extern "C" int ioctl(int fd, unsigned long request, ...);

namespace vordalis::transfer {

bool SetLineSpeed(int fd, int baud) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~CBAUD;
    tio.c_cflag |= BOTHER;
    tio.c_ispeed = tio.c_ospeed = static_cast<speed_t>(baud);
    tio.c_cflag &= ~(CBAUD << IBSHIFT);
    tio.c_cflag |= BOTHER << IBSHIFT;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

} // namespace vordalis::transfer
