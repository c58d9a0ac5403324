#pragma once

namespace vardeck {

// Bits of the line-status error word that OnError reports (the values serial
// drivers have always used for them, so logs read the same on every system).
inline constexpr int kCeRxOver = 0x0001;    // the driver's input buffer overflowed
inline constexpr int kCeOverrun = 0x0002;   // the UART lost a byte (hardware overrun)
inline constexpr int kCeRxParity = 0x0004;  // parity error
inline constexpr int kCeFrame = 0x0008;     // framing error
inline constexpr int kCeBreak = 0x0010;     // break received
// A negative error word is not a set of flags: the device is gone (cable or USB
// adapter pulled, pseudo-terminal peer closed) and the value is -errno. The reader
// thread has ended; the channel stays open until its owner closes it.

// Provider subtype that OnOpen reports for a successful open: an RS-232 port.
// A failed open reports 0.
inline constexpr int kProviderRs232 = 1;

}  // namespace vardeck
