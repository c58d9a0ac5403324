// Write all: single bytes (firmware 3.2 and older, with the Contact ID area of
// a Z-CID in 32-byte blocks after them) or six 256-byte blocks; every write
// ends with the clock setting. Also the two-byte line-simulator write.
#include "z4link/CommandCodes.h"
#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kByteWiseCount = 1024;
constexpr int kLineSimulatorStart = 94;  // image bytes 94 and 95
constexpr int kLineSimulatorCount = 2;
constexpr int kContactIdFirstBlock = 32;  // 32-byte blocks 32..255: image bytes 1024..8191
constexpr int kContactIdBlockEnd = 256;
constexpr int kLargeBlocks = 6;           // image bytes 0..1535
constexpr int kLargeBlockAddressStep = 16;
constexpr int kSmallBlockCountdown = 10;
constexpr int kLargeBlockCountdown = 50;

// Image positions the module keeps for itself and a byte-wise write leaves
// alone: 75, the firmware version and type code (254, 255), and the company
// field unless the company bytes are to be written.
bool skippedByByteWrite(int index, bool company) {
    if (index == 75 || index == 254 || index == 255) return true;
    return !company && index >= 384 && index <= 399;
}

}  // namespace

void TransferEngine::writeAll() {
    showStatus(TransferText::WriteAllRunning);
    vars_.clockOnly = false;
    // A "PSTN send" that never finished must not turn this write into one.
    vars_.lineSimulator = false;
    verifyPending_ = verifyAfterWrite_;
    listener_.refreshEditorPages();
    link_.setReadSelector(0);
    vars_.operationRunning = vars_.state != z4state::kIdle;
    listener_.encodeImage();

    int gaugeMax = 0;
    if (vars_.firmwareVersion <= 32) {
        vars_.state = z4state::kByteWrite;
        vars_.transferAddress = 0;
        vars_.remaining = kByteWiseCount;
        vars_.returnState = z4state::kIdle;
        gaugeMax = kByteWiseCount;
    } else {
        vars_.countdown = 2;
        vars_.state = z4state::kLargeBlockWrite;
        gaugeMax = kLargeBlocks;
    }
    vars_.transferIndex = 0;
    link_.clearReceive();
    enableTransferButtons(false);
    startGauge(gaugeMax);
    if (vars_.operationRunning) sendStep();
}

void TransferEngine::lineSimulatorWrite() {
    // Like the other writes: it ends with a clock setting of its own, not a menu's,
    // and knows whether it replaced a running operation.
    vars_.clockOnly = false;
    vars_.operationRunning = vars_.state != z4state::kIdle;
    verifyPending_ = false;
    listener_.encodeImage();
    vars_.lineSimulator = true;
    vars_.state = z4state::kByteWrite;
    vars_.transferAddress = kLineSimulatorStart;
    vars_.transferIndex = kLineSimulatorStart;
    vars_.remaining = kLineSimulatorCount;
    vars_.returnState = z4state::kIdle;
    link_.clearReceive();
    enableTransferButtons(false);
    startGauge(kLineSimulatorCount);
    if (vars_.operationRunning) sendStep();
}

// --- Byte-wise (state 101) ---------------------------------------------------------

void TransferEngine::sendByteWrite() {
    if (vars_.remaining <= 0) {
        // Only reachable when the last position was skipped.
        finishByteWrite();
        return;
    }
    const int index = vars_.transferIndex;
    if (index < 0 || index >= kImageSize || vars_.transferAddress < 0 || vars_.transferAddress > 0xFFFF) {
        vars_.state = z4state::kIdle;
        return;
    }
    if (skippedByByteWrite(index, vars_.company)) {
        ++vars_.transferIndex;
        ++vars_.transferAddress;
        --vars_.remaining;
        link_.clearReceive();
        vars_.countdown = 0;  // the next tick goes on with the following byte
        return;
    }
    link_.sendByteWrite(static_cast<uint16_t>(vars_.transferAddress), image_[static_cast<std::size_t>(index)]);
}

void TransferEngine::receiveByteWrite() {
    const int index = vars_.transferIndex;
    if (index < 0 || index >= kImageSize) return;
    const uint8_t echo = static_cast<uint8_t>(vars_.transferAddress & 0xFF);
    // The module answers with the byte it now holds: anything but the byte
    // written means it did not take it, and the byte goes out again.
    if (!replyAcknowledges(link_.rx(), echo)) return;
    if (link_.rx().at(3) != image_[static_cast<std::size_t>(index)]) return;
    ++vars_.transferIndex;
    ++vars_.transferAddress;
    --vars_.remaining;
    link_.clearReceive();
    if (vars_.remaining > 0) {
        sendStep();
        advanceGauge();
    } else {
        finishByteWrite();
    }
}

void TransferEngine::finishByteWrite() {
    if (vars_.deviceType == 100 && !vars_.lineSimulator) {
        vars_.remaining = kContactIdFirstBlock;
        vars_.state = z4state::kContactIdWrite;
        startGauge(kContactIdBlockEnd - kContactIdFirstBlock);
        showStatus(TransferText::ContactIdAreaWrite);
        return;
    }
    vars_.lineSimulator = false;
    showStatus(TransferText::ClockSyncRunning);
    vars_.state = z4state::kSetClock;
    sendStep();
}

// --- Contact ID area of a Z-CID (state 102) --------------------------------------------

void TransferEngine::sendContactIdBlock() {
    vars_.countdown = kSmallBlockCountdown;
    const int block = vars_.remaining;
    if (block < 0 || block >= kContactIdBlockEnd) {
        vars_.state = z4state::kIdle;
        return;
    }
    link_.sendSmallBlockWrite(static_cast<uint8_t>(block), image_.data() + block * Z4Link::kSmallBlockSize);
}

void TransferEngine::receiveContactIdBlock() {
    const ReceiveBuffer& rx = link_.rx();
    const uint8_t block = static_cast<uint8_t>(vars_.remaining);
    // Byte 1 carries the block number written, byte 2 the echo of P2 (the same).
    if (rx.at(0) != z4cmd::kAckMarker || rx.at(1) != block || rx.at(2) != block) return;
    ++vars_.remaining;
    if (vars_.remaining >= kContactIdBlockEnd) {
        showStatus(TransferText::ClockSyncRunning);
        vars_.state = z4state::kSetClock;
        sendStep();
        return;
    }
    sendStep();
    advanceGauge();
}

// --- 256-byte blocks (state 111) ---------------------------------------------------------

void TransferEngine::sendLargeBlockWrite() {
    vars_.countdown = kLargeBlockCountdown;
    const int block = vars_.transferIndex;
    if (block < 0 || block >= kLargeBlocks) {
        vars_.state = z4state::kIdle;
        return;
    }
    link_.sendLargeBlockWrite(static_cast<uint16_t>(block * kLargeBlockAddressStep),
                              image_.data() + block * Z4Link::kLargeBlockSize);
}

void TransferEngine::receiveLargeBlockWrite() {
    // Any single byte acknowledges the block.
    if (!singleByteReceived(link_.rx())) return;
    advanceGauge();
    ++vars_.transferIndex;
    if (vars_.transferIndex < kLargeBlocks) {
        sendStep();
        return;
    }
    enableTransferButtons(true);
    hideGauge();
    vars_.state = z4state::kIdle;
    vars_.countdown = 2;
    beginClock();
}

}  // namespace vardeck
