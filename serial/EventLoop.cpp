#include "serial/EventLoop.h"

namespace vardeck {

EventLoop::EventLoop() : owner_(std::this_thread::get_id()) {}

void EventLoop::post(std::function<void()> fn) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(fn));
    }
    wake_.notify_one();
}

int EventLoop::startTimer(int intervalMs, std::function<void()> fn) {
    std::lock_guard lock(mutex_);
    int id = nextTimerId_++;
    timers_[id] = Timer{intervalMs, Clock::now() + std::chrono::milliseconds(intervalMs), std::move(fn)};
    return id;
}

void EventLoop::setTimerInterval(int id, int intervalMs) {
    std::lock_guard lock(mutex_);
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second.intervalMs = intervalMs;
    it->second.due = Clock::now() + std::chrono::milliseconds(intervalMs);
}

void EventLoop::stopTimer(int id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

bool EventLoop::runOne(Clock::time_point until) {
    std::function<void()> work;
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (!queue_.empty()) {
                work = std::move(queue_.front());
                queue_.pop_front();
                break;
            }
            // The earliest due timer, if any.
            auto now = Clock::now();
            auto next = until;
            int dueId = 0;
            for (auto& [id, t] : timers_) {
                if (t.due <= now) { dueId = id; break; }
                if (t.due < next) next = t.due;
            }
            if (dueId != 0) {
                Timer& t = timers_[dueId];
                t.due = now + std::chrono::milliseconds(t.intervalMs);
                // Copy: the callback may stop or restart its own timer.
                work = t.fn;
                break;
            }
            if (now >= until) return false;
            wake_.wait_until(lock, next);
        }
    }
    work();
    return true;
}

void EventLoop::runFor(std::chrono::milliseconds duration) {
    auto until = Clock::now() + duration;
    while (Clock::now() < until) runOne(until);
}

bool EventLoop::runUntil(const std::function<bool()>& pred, std::chrono::milliseconds deadline) {
    auto until = Clock::now() + deadline;
    if (pred()) return true;
    while (Clock::now() < until) {
        if (runOne(until) && pred()) return true;
    }
    return pred();
}

void EventLoop::processPending() {
    while (runOne(Clock::now())) {
    }
}

}  // namespace vardeck
