#include "z4link/SignalHistoryStates.h"

#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr uint16_t kStartPositionAddress = 90;
constexpr uint16_t kStartUnitAddress = 91;
constexpr int kUnitSamples = 32;
constexpr int kMaxUnit = 127;
constexpr int kRecordCountdown = 10;
constexpr uint8_t kRecordBase = 128;  // P3 = 128 + record

}  // namespace

SignalHistoryStates::SignalHistoryStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool SignalHistoryStates::handles(int state) const {
    return state == z4state::kHistoryStart || state == z4state::kHistoryUnit || state == z4state::kHistoryRecord;
}

bool SignalHistoryStates::ownReplyShape(int state) const { return state == z4state::kHistoryRecord; }

bool SignalHistoryStates::running() const { return handles(engine_.vars().state); }

void SignalHistoryStates::start() {
    engine_.link().setReadSelector(0);
    engine_.link().clearReceive();
    engine_.vars().state = z4state::kHistoryStart;
}

void SignalHistoryStates::stop() {
    if (running()) engine_.vars().state = z4state::kIdle;
}

void SignalHistoryStates::send(TransferEngine& engine, int state) {
    Z4Link& link = engine.link();
    switch (state) {
        case z4state::kHistoryStart: link.sendCommandFrame(0x00, 0x00, kStartPositionAddress, 0x00); break;
        case z4state::kHistoryUnit: link.sendCommandFrame(0x00, 0x00, kStartUnitAddress, 0x00); break;
        default:
            engine.vars().countdown = kRecordCountdown;
            link.sendRecordRead(static_cast<uint8_t>(kRecordBase + record_));
            break;
    }
}

void SignalHistoryStates::receive(TransferEngine& engine, int state) {
    if (state == z4state::kHistoryRecord) {
        receiveRecord(engine);
    } else {
        receivePointer(engine, state);
    }
}

void SignalHistoryStates::receivePointer(TransferEngine& engine, int state) {
    const ReceiveBuffer& rx = engine.link().rx();
    if (state == z4state::kHistoryStart) {
        if (!replyAcknowledges(rx, kStartPositionAddress)) return;
        position_ = rx.at(3);
        engine.vars().state = z4state::kHistoryUnit;
        engine.sendStep();
        return;
    }
    if (!replyAcknowledges(rx, kStartUnitAddress)) return;
    const int unit = rx.at(3);
    record_ = unit;
    if (unit % 2 != 0) {
        record_ = unit - 1;
        position_ += kUnitSamples;
    }
    x_ = 0;
    // A pointer outside the history memory (an erased or damaged module) would send
    // the walk outside the records: there is no history to show.
    if (unit > kMaxUnit || position_ >= kSamplesPerRecord) {
        finish(engine);
        return;
    }
    engine.vars().state = z4state::kHistoryRecord;
    engine.sendStep();
}

void SignalHistoryStates::receiveRecord(TransferEngine& engine) {
    ReceiveBuffer& rx = engine.link().rx();
    if (rx.fill() < kRecord65ReplySize) return;
    if (!record65Valid(rx)) {
        rx.clear();  // asked again when the countdown runs out
        return;
    }
    for (int p = position_; p >= 0; --p) {
        const int sample = rx.at(p);
        if (sample > kMaxSample || x_ > kMaxX) {
            rx.clear();
            finish(engine);
            return;
        }
        if (onPoint) onPoint(x_, sample);
        x_ += 2;
    }
    rx.clear();
    record_ = record_ == 0 ? kLastRecord : record_ - 2;
    position_ = kSamplesPerRecord - 1;
    engine.sendStep();
}

void SignalHistoryStates::finish(TransferEngine& engine) {
    engine.vars().state = z4state::kIdle;
    engine.vars().countdown = 5;
    if (onDone) onDone();
}

}  // namespace vardeck
