#pragma once
// How every transfer program receives one requested object: it moves the received bytes into
// the back end as they arrive and decides when the object is complete or has failed. The
// program waits on the line (Wait) for data or the next deadline and then Steps; a phase that
// can advance advances at once. Waiting times (those of the dialogs' old 120 ms timer, kept in
// wall-clock time): 15 s for the first byte, 3.96 s for more data. An object whose own end
// arrived is complete at once; a raw object has no end of its own and ends after 240 ms
// without data once it is long enough.
#include "transfer/Errors.h"
#include "transfer/TransferEngine.h"
#include "transfer/Wakeup.h"

#include <chrono>

namespace vordalis::transfer {

struct ReceiveWaits {
    std::chrono::milliseconds firstByte{125 * 120};
    std::chrono::milliseconds moreData{33 * 120};
    std::chrono::milliseconds quiet{2 * 120};
};

class ReceivePhases {
public:
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::milliseconds;
    using Waits = ReceiveWaits;
    enum Phase { None = 0, Requested = 1, Receiving = 2, Waiting = 3, Complete = 4, AbortRequested = 5 };

    explicit ReceivePhases(Waits waits = {}) : waits_(waits) {}

    // The object was requested now.
    void Start();
    void Clear() { phase_ = None; }
    // The Abort button: any running phase but the last ends.
    void RequestAbort() {
        if (phase_ != None && phase_ != Complete) phase_ = AbortRequested;
    }

    // Advances as far as the line allows now, moving at most one read's worth of bytes into
    // the back end. Raises IoSysError 4 when a waiting time ran out (and whatever Pump raises).
    Phase Step(TransferEngine& engine);
    // Waits until bytes arrive, the current phase's deadline passes or wakeFd (-1: none)
    // becomes readable. Returns at once when the phase waits for nothing.
    WaitResult Wait(TransferEngine& engine, int wakeFd = -1) const;
    // When the current phase gives up or ends without data.
    Clock::time_point Deadline() const { return deadline_; }

    Phase Current() const { return phase_; }
    // The last Step moved bytes into the back end.
    bool Pumped() const { return pumped_; }
    const Waits& WaitingTimes() const { return waits_; }

private:
    Waits waits_;
    Phase phase_ = None;
    Clock::time_point start_{};
    Clock::time_point lastData_{};
    Clock::time_point deadline_{};
    bool pumped_ = false;
};

} // namespace vordalis::transfer
