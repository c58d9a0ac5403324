#include "z4link/StatusPollingStates.h"

#include "z4link/CommandCodes.h"
#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

StatusPollingStates::StatusPollingStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool StatusPollingStates::handles(int state) const { return state == z4state::kStatusPolling; }

bool StatusPollingStates::running() const { return engine_.vars().state == z4state::kStatusPolling; }

void StatusPollingStates::beginCycle() {
    TransferVariables& v = engine_.vars();
    // The length is fixed per cycle from the model, so the first cycle of a
    // Contact ID module reads its last message too.
    length_ = statusBlockLength(v.deviceType, v.firmwareVersion);
    v.transferAddress = kStatusBlockAddress;
    v.transferIndex = 0;
    v.remaining = length_;
}

void StatusPollingStates::start() {
    block_.fill(0);
    beginCycle();
    engine_.link().setReadSelector(z4cmd::kReadStatusByte);
    engine_.link().clearReceive();
    engine_.vars().state = z4state::kStatusPolling;
}

void StatusPollingStates::stop() {
    if (running()) engine_.vars().state = z4state::kIdle;
    engine_.link().setReadSelector(0);
}

void StatusPollingStates::send(TransferEngine& engine, int) {
    const int address = engine.vars().transferAddress;
    if (address < kStatusBlockAddress || address >= kStatusBlockAddress + kStatusBlockLong) beginCycle();
    engine.link().sendByteRead(static_cast<uint16_t>(engine.vars().transferAddress));
}

void StatusPollingStates::receive(TransferEngine& engine, int) {
    TransferVariables& v = engine.vars();
    if (!replyAcknowledges(engine.link().rx(), static_cast<uint8_t>(v.transferAddress & 0xFF))) return;
    if (v.transferIndex < 0 || v.transferIndex >= length_) return;
    block_[static_cast<std::size_t>(v.transferIndex)] = engine.link().rx().at(3);
    ++v.transferIndex;
    ++v.transferAddress;
    --v.remaining;
    engine.link().clearReceive();
    if (v.remaining > 0) {
        engine.sendStep();
        return;
    }
    const StatusBlock done = block_;
    const int length = length_;
    beginCycle();
    if (onCycle) onCycle(done, length);
}

}  // namespace vardeck
