// Read all: 1024 single bytes (firmware 3.2 and older), six 256-byte blocks
// (newer firmware) or 256 blocks of 32 bytes (Z-CID, type 100).
#include <algorithm>

#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kByteWiseCount = 1024;     // image bytes 0..1023
constexpr int kSmallBlocks = 256;        // 32-byte blocks: the whole image
constexpr int kLargeBlockStep = 16;      // 256-byte blocks are addressed in 16-byte units
constexpr int kLargeBlockEnd = 96;       // six blocks: image bytes 0..1535
constexpr int kSmallBlockCountdown = 10;
constexpr int kLargeBlockCountdown = 50;

}  // namespace

void TransferEngine::readAll() {
    showStatus(TransferText::ReadAllRunning);
    link_.setReadSelector(0);
    enableTransferButtons(false);
    vars_.operationRunning = vars_.state != z4state::kIdle;

    int gaugeMax = 0;
    if (vars_.deviceType == 100) {
        vars_.state = z4state::kSmallBlockRead;
        vars_.transferIndex = 0;
        gaugeMax = kSmallBlocks;
    } else if (vars_.firmwareVersion <= 32) {
        vars_.state = z4state::kByteRead;
        vars_.transferAddress = 0;
        vars_.remaining = kByteWiseCount;
        vars_.transferIndex = 0;
        gaugeMax = kByteWiseCount;
    } else {
        vars_.state = z4state::kLargeBlockRead;
        vars_.transferIndex = 0;
        vars_.countdown = 2;
        gaugeMax = 6;
    }
    vars_.returnState = z4state::kIdle;
    link_.clearReceive();
    startGauge(gaugeMax);
    if (vars_.operationRunning) sendStep();
}

// --- Byte-wise (state 100) -----------------------------------------------------

void TransferEngine::sendByteRead() {
    if (vars_.transferAddress < 0 || vars_.transferAddress > 0xFFFF) {
        vars_.state = z4state::kIdle;
        return;
    }
    link_.sendByteRead(static_cast<uint16_t>(vars_.transferAddress));
}

void TransferEngine::receiveByteRead() {
    const uint8_t echo = static_cast<uint8_t>(vars_.transferAddress & 0xFF);
    if (!replyAcknowledges(link_.rx(), echo)) return;
    const int index = vars_.transferIndex;
    if (index < 0 || index >= kImageSize) return;
    image_[static_cast<std::size_t>(index)] = link_.rx().at(3);
    ++vars_.transferIndex;
    ++vars_.transferAddress;
    --vars_.remaining;
    link_.clearReceive();
    advanceGauge();
    if (vars_.remaining > 0) {
        sendStep();
    } else {
        finishByteRead();
    }
}

void TransferEngine::finishByteRead() {
    vars_.state = vars_.returnState;
    if (finishVerify()) return;
    showStatus(TransferText::ReadAllDone);
    enableTransferButtons(true);
    hideGauge();
    listener_.decodeImage();
    listener_.resetOutputTimeUnit();
}

// --- 32-byte blocks (state 103) --------------------------------------------------

void TransferEngine::sendSmallBlockRead() {
    vars_.countdown = kSmallBlockCountdown;
    link_.sendSmallBlockRead(static_cast<uint8_t>(vars_.transferIndex));
}

void TransferEngine::receiveSmallBlockRead() {
    const int block = vars_.transferIndex;
    if (block < 0 || block >= kSmallBlocks) return;
    if (!block39Valid(link_.rx(), static_cast<uint8_t>(block))) return;
    std::copy_n(link_.rx().data() + 6, Z4Link::kSmallBlockSize,
                image_.begin() + block * Z4Link::kSmallBlockSize);
    ++vars_.transferIndex;
    advanceGauge();
    link_.clearReceive();
    if (vars_.transferIndex < kSmallBlocks) {
        sendStep();
        return;
    }
    vars_.state = z4state::kIdle;
    if (finishVerify()) return;
    listener_.decodeImage();
    showStatus(TransferText::ReadAllDone);
    enableTransferButtons(true);
    hideGauge();
}

// --- 256-byte blocks (state 110) ---------------------------------------------------

void TransferEngine::sendLargeBlockRead() {
    vars_.countdown = kLargeBlockCountdown;
    link_.sendLargeBlockRead(static_cast<uint8_t>(vars_.transferIndex));
}

void TransferEngine::receiveLargeBlockRead() {
    const int p = vars_.transferIndex;
    if (p < 0 || p >= kLargeBlockEnd) return;
    if (!block257Valid(link_.rx())) return;
    std::copy_n(link_.rx().data(), Z4Link::kLargeBlockSize, image_.begin() + p * kLargeBlockStep);
    vars_.transferIndex += kLargeBlockStep;
    advanceGauge();
    link_.clearReceive();
    if (vars_.transferIndex < kLargeBlockEnd) {
        sendStep();
        return;
    }
    vars_.state = z4state::kIdle;
    if (finishVerify()) return;
    showStatus(TransferText::ReadAllDone);
    enableTransferButtons(true);
    hideGauge();
    listener_.decodeImage();
    listener_.resetOutputTimeUnit();
}

}  // namespace vardeck
