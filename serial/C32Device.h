#pragma once
#include "serial/InputQueue.h"
#include "serial/PendingOutput.h"

#include <atomic>
#include <cstddef>

namespace vardeck {

// What an open channel shares with its reader thread. The channel creates it at
// Open and destroys it at Close, after the reader thread has ended.
struct C32Device {
    C32Device(int fd, size_t inputCapacity) : fd(fd), input(inputCapacity) {}

    const int fd;
    InputQueue input;
    PendingOutput output;
    std::atomic<int> lineErrors{0};   // error-word bits seen since the last status query
    std::atomic<int> lostError{0};    // errno once the device is gone
    std::atomic<int> bitsPerSecond{9600};
    std::atomic<bool> stripNulls{false};
};

}  // namespace vardeck
