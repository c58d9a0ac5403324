#include "z4link/TransferEngineTicker.h"

#include "serial/EventLoop.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

TransferEngineTicker::TransferEngineTicker(EventLoop& loop, TransferEngine& engine, int periodMs)
    : loop_(loop), engine_(engine), timerId_(loop.startTimer(periodMs, [&engine] { engine.tick(); })) {}

TransferEngineTicker::~TransferEngineTicker() { loop_.stopTimer(timerId_); }

bool TransferEngineTicker::runUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
    return loop_.runUntil(done, deadline);
}

bool TransferEngineTicker::runUntilIdle(std::chrono::milliseconds deadline) {
    return loop_.runUntil([this] { return engine_.vars().state == z4state::kIdle; }, deadline);
}

}  // namespace vardeck
