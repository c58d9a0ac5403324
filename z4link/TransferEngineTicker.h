#pragma once
#include <chrono>
#include <functional>

namespace vardeck {

class EventLoop;
class TransferEngine;

// Drives a transfer engine's tick from an EventLoop timer, for programs
// without a window (vardeck-cli, vardeck-bench) and the integration tests.
// The timer stops when the ticker goes.
class TransferEngineTicker {
public:
    TransferEngineTicker(EventLoop& loop, TransferEngine& engine, int periodMs);
    ~TransferEngineTicker();
    TransferEngineTicker(const TransferEngineTicker&) = delete;
    TransferEngineTicker& operator=(const TransferEngineTicker&) = delete;

    // Runs the loop until `done` is true or the deadline passes; the last
    // value of `done`.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline);
    // Runs the loop until the engine is idle.
    bool runUntilIdle(std::chrono::milliseconds deadline);

private:
    EventLoop& loop_;
    TransferEngine& engine_;
    int timerId_;
};

}  // namespace vardeck
