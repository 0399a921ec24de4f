#include "update/qt/UpdateChecker.h"

#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "update/FtpClient.h"
#include "update/UpdateCheck.h"

namespace vordalis {

// Shared with the thread, so a thread that outlives its checker touches nothing freed.
struct UpdateChecker::State {
    std::mutex mutex;
    std::condition_variable ended;
    bool started = false;
    bool done = false;
    std::atomic<bool> cancel{false};
    UpdateChecker* receiver = nullptr; // guarded by mutex; null once the checker goes away
    std::thread thread;
};

UpdateChecker::UpdateChecker(QObject* parent) : UpdateChecker(UpdateConfig::FromSettings(), parent) {}

UpdateChecker::UpdateChecker(UpdateConfig config, QObject* parent)
    : QObject(parent), config_(std::move(config)), state_(std::make_shared<State>()) {
    state_->receiver = this;
}

UpdateChecker::~UpdateChecker() {
    {
        std::lock_guard lock(state_->mutex);
        state_->receiver = nullptr;
    }
    // Nobody waits for the result any more: stop at once (the program is usually closing).
    finish(0);
}

void UpdateChecker::start() {
    std::lock_guard lock(state_->mutex);
    if (state_->started) return;
    state_->started = true;
    state_->thread = std::thread([state = state_, config = config_] {
        FtpClient ftp;
        ftp.SetCancelFlag(&state->cancel);
        std::optional<CVersion> found = CheckForNewerVersion(ftp, config.location, config.own);
        std::lock_guard resultLock(state->mutex);
        state->done = true;
        // Posting needs the receiver alive: its destructor clears it under this lock first.
        if (found && state->receiver && !state->cancel) {
            UpdateChecker* receiver = state->receiver;
            CVersion v = *found;
            QMetaObject::invokeMethod(
                receiver, [receiver, v] { emit receiver->newVersionFound(v); }, Qt::QueuedConnection);
        }
        state->ended.notify_all();
    });
}

bool UpdateChecker::isRunning() const {
    std::lock_guard lock(state_->mutex);
    return state_->started && !state_->done;
}

void UpdateChecker::finish(int ms) {
    std::unique_lock lock(state_->mutex);
    if (!state_->started || !state_->thread.joinable()) return;
    if (!state_->ended.wait_for(lock, std::chrono::milliseconds(std::max(ms, 0)),
                                [this] { return state_->done; })) {
        state_->cancel = true;
        // The library notices the flag within about a second; after that the thread is
        // left to end on its own (it holds its own share of the state).
        if (!state_->ended.wait_for(lock, std::chrono::milliseconds(2000), [this] { return state_->done; })) {
            state_->thread.detach();
            return;
        }
    }
    std::thread t = std::move(state_->thread);
    lock.unlock();
    t.join();
}

} // namespace vordalis
