#include <gtest/gtest.h>

#include "devices/ModelTimerPump.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;

// A screen's send timer changes its interval in its first tick (1000 ms, then
// 350 ms); the pump must follow the change and stop firing when it is stopped.
TEST(ModelTimerPump, FollowsIntervalChangesAndStop) {
    EventLoop loop;
    controls::TimerList timers;
    controls::ModelTimer& adas = timers.add("adas", 60, true);
    std::vector<EventLoop::Clock::time_point> fired;
    adas.onTimer = [&] {
        fired.push_back(EventLoop::Clock::now());
        adas.setInterval(20);
        if (fired.size() == 4) adas.stop();
    };
    const auto start = EventLoop::Clock::now();
    ModelTimerPump pump(loop);
    pump.add(timers);
    ASSERT_TRUE(loop.runUntil([&] { return fired.size() == 4; }, 5s));
    loop.runFor(100ms);
    EXPECT_EQ(fired.size(), 4u);
    EXPECT_GE(fired[0] - start, 60ms);
    for (std::size_t i = 1; i < fired.size(); ++i) EXPECT_GE(fired[i] - fired[i - 1], 20ms);
}

}  // namespace
}  // namespace vardeck::devices
