#include "ondralink/common/LinkWorker.h"

#include <algorithm>
#include <chrono>

namespace vordalis::transfer {
namespace {
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

// The next due time of a periodic timer after now, without drifting.
Clock::time_point Next(Clock::time_point due, Ms period, Clock::time_point now) {
    while (due <= now) due += period;
    return due;
}
} // namespace

LinkWorker::~LinkWorker() {
    RequestStop();
    Join();
}

void LinkWorker::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Loop(); });
}

void LinkWorker::Post(std::function<void()> task) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        tasks_.push_back(std::move(task));
    }
    wakeup_.Signal();
}

void LinkWorker::StartTimers() {
    timers_ = true;
    wakeup_.Signal();
}

void LinkWorker::SetTimer1(bool on) {
    timer1_ = on;
    wakeup_.Signal();
}

void LinkWorker::StopTimers() {
    timers_ = false;
    wakeup_.Signal();
}

void LinkWorker::RequestStop() {
    stop_ = true;
    wakeup_.Signal();
    if (!thread_.joinable()) finished_ = true;
}

void LinkWorker::Join() {
    if (thread_.joinable()) thread_.join();
    finished_ = true;
}

bool LinkWorker::RunPosted() {
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (stop_) return false;
            if (tasks_.empty()) return true;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
        logic_.PublishMode();
    }
}

void LinkWorker::Loop() {
    const Ms period1(TransferDialogLogic::kTimer1Ms), period2(TransferDialogLogic::kTimer2Ms),
        period3(TransferDialogLogic::kTimer3Ms);
    bool timing = false;
    Clock::time_point due1{}, due2{}, due3{};
    while (!stop_) {
        wakeup_.Clear();
        if (!RunPosted()) break;
        const Clock::time_point now = Clock::now();
        if (!timers_) {
            timing = false;
            WaitForWakeup(wakeup_.Fd(), 1000);
            continue;
        }
        if (!timing) { // the timers start counting now
            timing = true;
            due1 = now + period1;
            due2 = now + period2;
            due3 = now + period3;
        }
        const bool receiving = timer1_ && logic_.Receiving();
        if (receiving || (timer1_ && now >= due1)) {
            logic_.OnTimer1();
            due1 = Next(due1, period1, now);
        }
        if (timers_ && now >= due2) {
            logic_.OnTimer2();
            due2 = Next(due2, period2, now);
        }
        if (timers_ && now >= due3) {
            logic_.OnTimer3();
            due3 = Next(due3, period3, Clock::now());
        }
        logic_.PublishMode();
        if (stop_ || !timers_) continue;
        if (timer1_ && logic_.Receiving()) {
            logic_.WaitOnLine(wakeup_.Fd());
            continue;
        }
        Clock::time_point until = std::min(due2, due3);
        if (timer1_) until = std::min(until, due1);
        const auto left = std::chrono::ceil<Ms>(until - Clock::now()).count();
        if (left > 0) WaitForWakeup(wakeup_.Fd(), static_cast<int>(left));
    }
    finished_ = true;
}

} // namespace vordalis::transfer
