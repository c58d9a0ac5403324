#pragma once
#include "PtyPair.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"

#include <atomic>
#include <chrono>

namespace vardeck::test {

using namespace std::chrono_literals;

// Passes work on to an event loop and counts what was posted, so that a test can
// see a hand-over waiting in the queue before the loop serves it.
class CountingDispatcher : public Dispatcher {
public:
    explicit CountingDispatcher(EventLoop& loop) : loop_(loop) {}
    void post(std::function<void()> fn) override {
        loop_.post(std::move(fn));
        posted_.fetch_add(1);
    }
    int posted() const { return posted_.load(); }

private:
    EventLoop& loop_;
    std::atomic<int> posted_{0};
};

// A channel on a fresh pseudo-terminal, with its OnOpen results recorded.
struct ChannelOnPty {
    explicit ChannelOnPty(Dispatcher& dispatcher) : channel(dispatcher) {
        channel.SetDeviceName(pty.slavePath());
        channel.OnOpen = [this](CommChannel&, int subType, int error) {
            ++opens;
            lastSubType = subType;
            lastError = error;
        };
    }
    PtyPair pty;
    TAsynComm32 channel;
    int opens = 0;
    int lastSubType = -1;
    int lastError = -1;
};

}  // namespace vardeck::test
