#pragma once

#include "z4link/ReceiveBuffer.h"

namespace vardeck {

// Recognition of GSM modem answers in the receive buffer. The modem echoes every
// command line, so confirmations stand at fixed positions behind the echo. A
// position the answer has not reached yet (at or past the fill count) never
// matches, whatever an earlier answer left there.

// Where "OK" stands after the modem's echo of a line and its CR LF.
inline constexpr int kAtProbeOkPosition = 5;     // after "AT" CR
inline constexpr int kPinEntryOkPosition = 17;   // after the 15-byte PIN entry line
inline constexpr int kLockReleaseOkPosition = 24;  // after the 22-byte lock-release line
inline constexpr int kLockReleaseReplySize = 28;

// The last four received bytes are "O", "K", CR, LF.
bool endsWithOkCrLf(const ReceiveBuffer& rx);
// "O" "K" at position and position + 1.
bool okAt(const ReceiveBuffer& rx, int position);
// "E" "R" at position and position + 1, where the "OK" was expected.
bool errorAt(const ReceiveBuffer& rx, int position);
// The lock-release answer: exactly 28 bytes with "OK" at positions 24 and 25.
bool lockReleaseConfirmed(const ReceiveBuffer& rx);
// Position of the first "BR:" (tail of the modem's phonebook answer tag) at or
// after `from`, or -1 when the received bytes hold none.
int findPhonebookTag(const ReceiveBuffer& rx, int from = 0);
// Number of CR LF pairs among the received bytes.
int countCrLf(const ReceiveBuffer& rx);

}  // namespace vardeck
