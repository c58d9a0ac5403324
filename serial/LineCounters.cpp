#include "serial/LineCounters.h"

#include "serial/CommStatus.h"

#include <sys/ioctl.h>

namespace vardeck {

LineCounters::LineCounters(int fd) { supported_ = ::ioctl(fd, TIOCGICOUNT, &last_) == 0; }

TC32EventType LineCounters::sample(int fd, int& errorBits) {
    errorBits = 0;
    TC32EventType events;
    serial_icounter_struct now{};
    if (!supported_ || ::ioctl(fd, TIOCGICOUNT, &now) != 0) return events;

    if (now.brk != last_.brk) {
        events.insert(evBreak);
        errorBits |= kCeBreak;
    }
    if (now.cts != last_.cts) events.insert(evCTS);
    if (now.dsr != last_.dsr) events.insert(evDSR);
    if (now.rng != last_.rng) events.insert(evRing);
    if (now.dcd != last_.dcd) events.insert(evRlsd);
    if (now.overrun != last_.overrun) errorBits |= kCeOverrun;
    if (now.parity != last_.parity) errorBits |= kCeRxParity;
    if (now.frame != last_.frame) errorBits |= kCeFrame;
    if (now.buf_overrun != last_.buf_overrun) errorBits |= kCeRxOver;
    if (errorBits & ~kCeBreak) events.insert(evError);
    last_ = now;
    return events;
}

}  // namespace vardeck
