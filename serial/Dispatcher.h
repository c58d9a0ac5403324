#pragma once
#include <functional>

namespace vardeck {

// Runs work on the thread that owns the screens (the user-interface thread).
// The serial channel's reader thread hands every line event over through it;
// the Qt program posts to the GUI thread, the command-line tool and the tests
// use EventLoop.
class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    // Queues fn to run on the owning thread and returns at once. Callable from any thread.
    virtual void post(std::function<void()> fn) = 0;
};

}  // namespace vardeck
