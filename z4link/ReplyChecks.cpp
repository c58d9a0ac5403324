#include "z4link/ReplyChecks.h"

#include "z4link/CommandCodes.h"
#include "z4link/Frame.h"

namespace vardeck {

SixByteReply inspectSixByteReply(const ReceiveBuffer& rx) {
    if (rx.fill() < static_cast<int>(kFrameSize)) return SixByteReply::Waiting;
    if (rx.fill() > static_cast<int>(kFrameSize)) return SixByteReply::Overlong;
    return frameIsValid(rx.data()) ? SixByteReply::Valid : SixByteReply::Rejected;
}

bool replyFrameValid(const ReceiveBuffer& rx) {
    return inspectSixByteReply(rx) == SixByteReply::Valid;
}

bool replyAcknowledges(const ReceiveBuffer& rx, uint8_t requestP2) {
    return replyFrameValid(rx) && rx.at(0) == z4cmd::kAckMarker && rx.at(2) == requestP2;
}

bool block39Valid(const ReceiveBuffer& rx, uint8_t requestedBlock) {
    if (rx.fill() != kBlock39ReplySize) return false;
    return rx.at(2) == requestedBlock && rx.at(38) == dataSum(rx.data() + 6, 32);
}

bool record65Valid(const ReceiveBuffer& rx) {
    return rx.fill() == kRecord65ReplySize && rx.at(64) == dataSum(rx.data(), 64);
}

bool block257Valid(const ReceiveBuffer& rx) {
    return rx.fill() == kBlock257ReplySize && rx.at(256) == dataSum(rx.data(), 256);
}

bool singleByteReceived(const ReceiveBuffer& rx) { return rx.fill() == 1; }

bool singleByteEquals(const ReceiveBuffer& rx, uint8_t expected) {
    return rx.fill() == 1 && rx.at(0) == expected;
}

}  // namespace vardeck
