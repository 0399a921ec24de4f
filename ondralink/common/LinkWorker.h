#pragma once
// The thread the link to the instrument runs on in both transfer dialogs, so the window never
// waits for the line. It owns no state of its own: it runs the requests the window posts, in
// order, and drives the dialog logic's three timers. While an object is on its way it sleeps
// on the port and steps the receive phases as soon as data arrive, a waiting time runs out or
// a request (Abort, Close) comes in; otherwise timer 1 ticks every 120 ms.
#include "ondralink/common/TransferDialogLogic.h"
#include "transfer/Wakeup.h"

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vordalis::transfer {

class LinkWorker {
public:
    explicit LinkWorker(TransferDialogLogic& logic) : logic_(logic) {}
    ~LinkWorker();
    LinkWorker(const LinkWorker&) = delete;
    LinkWorker& operator=(const LinkWorker&) = delete;

    void Start();
    // Runs task on the link's thread after the requests posted before it.
    void Post(std::function<void()> task);
    void StartTimers();
    void SetTimer1(bool on);
    void StopTimers();
    // Ends the thread after the task it runs; Finished() tells when, Join() then waits for it.
    void RequestStop();
    bool Finished() const { return finished_; }
    void Join();
    bool OnThread() const { return std::this_thread::get_id() == thread_.get_id(); }

private:
    void Loop();
    bool RunPosted(); // false once a stop was requested

    TransferDialogLogic& logic_;
    std::thread thread_;
    Wakeup wakeup_;
    std::mutex lock_;
    std::deque<std::function<void()>> tasks_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> finished_ = false;
    std::atomic<bool> timers_ = false;
    std::atomic<bool> timer1_ = true;
};

} // namespace vordalis::transfer
