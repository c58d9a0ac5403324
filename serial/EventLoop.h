#pragma once
#include "serial/Dispatcher.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace vardeck {

// A small event loop without a window system: posted work and periodic timers,
// all run on the thread that calls the run functions. The command-line tool,
// the benchmark and the integration tests drive screens and channels with it.
class EventLoop : public Dispatcher {
public:
    using Clock = std::chrono::steady_clock;

    EventLoop();
    ~EventLoop() override = default;

    void post(std::function<void()> fn) override;

    // Starts a timer that calls fn every intervalMs until stopped; returns its id.
    int startTimer(int intervalMs, std::function<void()> fn);
    // Changes the interval of a running timer; the next tick comes intervalMs after now.
    void setTimerInterval(int id, int intervalMs);
    void stopTimer(int id);

    // Runs posted work and due timers for the given time.
    void runFor(std::chrono::milliseconds duration);
    // Runs until pred() is true (checked after every piece of work) or the deadline passes.
    // Returns pred()'s last value.
    bool runUntil(const std::function<bool()>& pred, std::chrono::milliseconds deadline);
    // Runs everything already queued and every timer already due, without waiting.
    void processPending();

    // Thread that owns the loop (the first to construct it).
    bool onOwnerThread() const { return std::this_thread::get_id() == owner_; }

private:
    struct Timer {
        int intervalMs;
        Clock::time_point due;
        std::function<void()> fn;
    };
    // Runs one piece of work, or waits for one until `until`. Returns true when work ran.
    bool runOne(Clock::time_point until);

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::map<int, Timer> timers_;
    int nextTimerId_ = 1;
};

}  // namespace vardeck
