#pragma once
// The receive timer of the transfer dialogs, without the window: called every 120 ms while
// an object is requested, it moves the received bytes into the back end and decides when
// the object is complete. 15 s are allowed for the first byte, 4 s for more data, and an
// object the back end reports complete ends after a short quiet spell.
#include "transfer/Errors.h"
#include "transfer/TransferEngine.h"

namespace vordalis::transfer {

class ReceivePhases {
public:
    enum Phase { None = 0, Requested = 1, Receiving = 2, Waiting = 3, Complete = 4, AbortRequested = 5 };
    static constexpr int kTickMs = 120;
    static constexpr int kFirstByteTicks = 125;
    static constexpr int kMoreDataTicks = 33;
    static constexpr int kCompleteTicks = 4;

    void Start() {
        phase_ = Requested;
        waitTicks_ = 0;
    }
    void Clear() { phase_ = None; }
    // The Abort button: any running phase but the last ends.
    void RequestAbort() {
        if (phase_ != None && phase_ != Complete) phase_ = AbortRequested;
    }

    // One tick; raises IoSysError 4 when the waiting time ran out (and whatever Pump raises).
    Phase Tick(TransferEngine& engine) {
        if (phase_ == None || phase_ == Complete || phase_ == AbortRequested) return phase_;
        if (engine.BytesAvailable() > 0) {
            if (phase_ == Requested || phase_ == Waiting) phase_ = Receiving;
            engine.Pump();
        } else if (phase_ == Requested) {
            phase_ = Waiting;
            waitTicks_ = kFirstByteTicks;
        } else if (phase_ == Receiving) {
            phase_ = Waiting;
            waitTicks_ = engine.IsComplete() ? kCompleteTicks : kMoreDataTicks;
        } else if (engine.IsComplete()) {
            phase_ = Complete;
        } else if (--waitTicks_ <= 0) {
            throw IoSysError{4};
        }
        return phase_;
    }

    Phase Current() const { return phase_; }

private:
    Phase phase_ = None;
    int waitTicks_ = 0;
};

} // namespace vordalis::transfer
