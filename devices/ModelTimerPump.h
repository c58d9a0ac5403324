#pragma once
#include <chrono>
#include <vector>

#include "controls/ModelTimer.h"
#include "serial/EventLoop.h"

namespace vardeck::devices {

// Fires a screen model's timers on an EventLoop the way the program's Qt timers
// do: a timer counts its interval from the moment it was started (or its interval
// changed), then fires every interval while enabled. The command-line tool runs
// device screens with it. It looks at the timers every few milliseconds, which is
// well below the shortest interval a screen uses (150 ms).
class ModelTimerPump {
public:
    explicit ModelTimerPump(EventLoop& loop);
    ~ModelTimerPump();
    ModelTimerPump(const ModelTimerPump&) = delete;
    ModelTimerPump& operator=(const ModelTimerPump&) = delete;

    void add(const controls::TimerList& timers);

private:
    using Clock = EventLoop::Clock;
    struct Entry {
        controls::ModelTimer* timer;
        unsigned generation;
        bool running;
        Clock::time_point due;
    };
    void poll();
    void sync(Entry& e, Clock::time_point now);

    EventLoop& loop_;
    int timerId_;
    std::vector<Entry> entries_;
};

}  // namespace vardeck::devices
