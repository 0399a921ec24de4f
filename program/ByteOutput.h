#pragma once
// Standard output and error carry the bytes a program writes, on every system: in Windows' text
// mode every "\n" would become "\r\n", a CSV's "\r\n" "\r\r\n", and a JSON line would differ
// from the Linux tool's.

namespace vordalis::program {

// Called once at start, before anything is written.
void KeepOutputBytes();

} // namespace vordalis::program
