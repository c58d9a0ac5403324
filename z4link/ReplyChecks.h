#pragma once
#include <cstdint>

#include "z4link/ReceiveBuffer.h"

namespace vardeck {

// Tests of what the Z-4 module has sent back, made on the receive buffer. Each
// one looks only at the fill count and at bytes below it; none changes the buffer.

inline constexpr int kBlock39ReplySize = 39;    // reply to a 32-byte block read
inline constexpr int kRecord65ReplySize = 65;   // event-log record, signal-history record
inline constexpr int kBlock257ReplySize = 257;  // reply to a 256-byte block read

// Where a six-byte reply stands.
enum class SixByteReply {
    Waiting,   // fewer than six bytes so far
    Valid,     // exactly six bytes with a correct sum and complement
    Rejected,  // exactly six bytes, checksum wrong
    Overlong,  // more than six bytes
};
SixByteReply inspectSixByteReply(const ReceiveBuffer& rx);

// Exactly six bytes with a correct checksum.
bool replyFrameValid(const ReceiveBuffer& rx);
// A valid six-byte reply that carries the acknowledge marker and echoes P2.
bool replyAcknowledges(const ReceiveBuffer& rx, uint8_t requestP2);

// Exactly 39 bytes; byte 2 is the requested block number and byte 38 the data sum
// of bytes 6..37. Bytes 0, 1, 3, 4 and 5 are not examined.
bool block39Valid(const ReceiveBuffer& rx, uint8_t requestedBlock);
// Exactly 65 bytes; byte 64 is the data sum of bytes 0..63.
bool record65Valid(const ReceiveBuffer& rx);
// Exactly 257 bytes; byte 256 is the data sum of bytes 0..255.
bool block257Valid(const ReceiveBuffer& rx);

// A one-byte acknowledgement: exactly one byte received.
bool singleByteReceived(const ReceiveBuffer& rx);
// A one-byte acknowledgement equal to `expected` (page-wise uploads).
bool singleByteEquals(const ReceiveBuffer& rx, uint8_t expected);

}  // namespace vardeck
