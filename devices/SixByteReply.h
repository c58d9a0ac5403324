#pragma once
#include "z4link/SixByteCollector.h"

namespace vardeck {
class CommChannel;
}

namespace vardeck::devices {

// What a receive notification did to a six-byte reply buffer.
enum class ReplyOutcome {
    Incomplete,       // fewer than six bytes so far (or an overflow dropped them)
    WrongSum,         // six bytes whose sixth byte is not the frame sum
    WrongComplement,  // the sum is right, the fifth byte is not its complement
    Valid,
};

// The receive routine of the search and the small device screens: takes the
// notified bytes into the reply buffer and checks six collected bytes against the
// frame checksum. A reply that fails is forgotten (the count starts again at 0);
// a valid one stays in the buffer until the next frame is sent.
ReplyOutcome takeSixByteReply(SixByteCollector& reply, CommChannel& channel, int count);

}  // namespace vardeck::devices
