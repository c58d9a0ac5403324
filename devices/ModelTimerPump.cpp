#include "devices/ModelTimerPump.h"

namespace vardeck::devices {
namespace {
constexpr int kPollMs = 5;
}

ModelTimerPump::ModelTimerPump(EventLoop& loop)
    : loop_(loop), timerId_(loop.startTimer(kPollMs, [this] { poll(); })) {}

ModelTimerPump::~ModelTimerPump() { loop_.stopTimer(timerId_); }

void ModelTimerPump::add(const controls::TimerList& timers) {
    const Clock::time_point now = Clock::now();
    for (controls::ModelTimer* timer : timers.all()) {
        entries_.push_back({timer, timer->generation(), false, now});
        sync(entries_.back(), now);
    }
}

void ModelTimerPump::sync(Entry& e, Clock::time_point now) {
    const bool changed = e.generation != e.timer->generation();
    e.generation = e.timer->generation();
    if (!e.timer->enabled()) {
        e.running = false;
    } else if (changed || !e.running) {
        e.running = true;
        e.due = now + std::chrono::milliseconds(e.timer->interval());
    }
}

void ModelTimerPump::poll() {
    Clock::time_point now = Clock::now();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        sync(e, now);
        if (!e.running || e.due > now) continue;
        // One firing per poll: a late poll does not fire a burst of catch-up ticks.
        e.due = now + std::chrono::milliseconds(e.timer->interval());
        e.timer->fire();
        now = Clock::now();
        // The handler may have restarted the timer or changed its interval.
        sync(entries_[i], now);
    }
}

}  // namespace vardeck::devices
