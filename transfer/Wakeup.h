#pragma once
// Wakes a thread that waits on the line: a pipe whose reading end a wait polls beside the
// port. Signal() may be called from any thread and from a signal handler.
namespace vordalis::transfer {

// How a wait on the line ended.
enum class WaitResult { Data, Timeout, Woken };

class Wakeup {
public:
    Wakeup();
    ~Wakeup();
    Wakeup(const Wakeup&) = delete;
    Wakeup& operator=(const Wakeup&) = delete;

    void Signal();
    // Takes back every signal given so far.
    void Clear();
    // The descriptor a wait polls; readable while a signal is pending.
    int Fd() const { return read_; }

private:
    int read_ = -1;
    int write_ = -1;
};

// Waits up to timeoutMs for a signal on wakeFd (-1: none, a plain sleep).
WaitResult WaitForWakeup(int wakeFd, int timeoutMs);

} // namespace vordalis::transfer
