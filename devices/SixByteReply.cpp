#include "devices/SixByteReply.h"

#include "z4link/Frame.h"

namespace vardeck::devices {

ReplyOutcome takeSixByteReply(SixByteCollector& reply, CommChannel& channel, int count) {
    if (!reply.collect(channel, count)) return ReplyOutcome::Incomplete;
    switch (checkFrame(reply.bytes())) {
        case FrameCheck::WrongSum:
            reply.restart();
            return ReplyOutcome::WrongSum;
        case FrameCheck::WrongComplement:
            reply.restart();
            return ReplyOutcome::WrongComplement;
        case FrameCheck::Valid: break;
    }
    return ReplyOutcome::Valid;
}

}  // namespace vardeck::devices
