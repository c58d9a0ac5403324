#pragma once
#include "serial/CommTypes.h"

#include <linux/serial.h>

namespace vardeck {

// Line events that POSIX offers no wait for (break, modem-line changes, receive
// errors), seen through the driver's interrupt counters (TIOCGICOUNT): every
// sample compares them with the previous one. Real UARTs and USB adapters keep
// these counters; pseudo-terminals do not, and then nothing is ever reported.
class LineCounters {
public:
    explicit LineCounters(int fd);  // takes the first reading
    bool supported() const { return supported_; }

    // Events since the previous sample; `errorBits` gets the error-word bits
    // (kCeOverrun, kCeRxParity, kCeFrame, kCeBreak, kCeRxOver) they stand for.
    TC32EventType sample(int fd, int& errorBits);

    // The events these counters can report.
    static constexpr TC32EventType kEvents{evBreak, evCTS, evDSR, evError, evRing, evRlsd};

private:
    bool supported_ = false;
    serial_icounter_struct last_{};
};

}  // namespace vardeck
