#pragma once
// The process-wide busy counter of the transfer commands: 5 while a transfer program runs,
// 4 right after; the view's timer counts 1..4 down so a second start is refused for a while.
namespace vordalis {

inline int& TransferBusyCounter() {
    static int counter = 0;
    return counter;
}

} // namespace vordalis
