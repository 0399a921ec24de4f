#pragma once
// Sets any baud rate on a terminal device (also the rates between the standard ones, such
// as 28800 or 23040). Kept apart: the kernel's termios2 header clashes with <termios.h>.
namespace vordalis::transfer {
bool SetLineSpeed(int fd, int baud);
}
