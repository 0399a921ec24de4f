#include "transfer/ReceivePhases.h"

#include <algorithm>

namespace vordalis::transfer {

void ReceivePhases::Start() {
    phase_ = Requested;
    start_ = lastData_ = Clock::now();
    deadline_ = start_ + waits_.firstByte;
    pumped_ = false;
}

ReceivePhases::Phase ReceivePhases::Step(TransferEngine& engine) {
    pumped_ = false;
    if (phase_ == None || phase_ == Complete || phase_ == AbortRequested) return phase_;
    if (engine.BytesAvailable() > 0) {
        phase_ = Receiving;
        engine.Pump();
        lastData_ = Clock::now();
        deadline_ = lastData_; // look again at once: more may have come meanwhile
        pumped_ = true;
        return phase_;
    }
    const Clock::time_point now = Clock::now();
    if (phase_ == Requested) {
        if (now >= deadline_) throw IoSysError{SysErrorCode::DataInvalid};
        return phase_;
    }
    phase_ = Waiting;
    if (engine.IsComplete()) {
        deadline_ = engine.EndReceived() ? lastData_ : lastData_ + waits_.quiet;
        if (now >= deadline_) phase_ = Complete;
    } else {
        deadline_ = lastData_ + waits_.moreData;
        if (now >= deadline_) throw IoSysError{SysErrorCode::DataInvalid};
    }
    return phase_;
}

WaitResult ReceivePhases::Wait(TransferEngine& engine, int wakeFd) const {
    if (phase_ == None || phase_ == Complete || phase_ == AbortRequested) return WaitResult::Timeout;
    const auto left = std::chrono::ceil<Ms>(deadline_ - Clock::now()).count();
    return engine.WaitForData(static_cast<int>(std::max<long long>(left, 0)), wakeFd);
}

} // namespace vordalis::transfer
