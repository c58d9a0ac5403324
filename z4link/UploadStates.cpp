#include "z4link/UploadStates.h"

#include <algorithm>
#include <array>

#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kAnnounceCountdown = 50;
constexpr int kBlockCountdown = 120;
constexpr int kAckCountdown = 100;
constexpr int kEndCountdown = 10;
constexpr uint8_t kEndMark = 0xFF;
constexpr uint8_t kSampleForEndMark = 0xFE;
constexpr int kFailureBeeps = 4;
constexpr const char* kTransferFailed = "Hibás átvitel";

}  // namespace

UploadStates::UploadStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool UploadStates::handles(int state) const {
    return state == z4state::kSoundUploadAnnounce || state == z4state::kSoundUploadBlocks ||
           state == z4state::kDataUploadAnnounce || state == z4state::kDataUploadBlocks;
}

// Every reply counts: any answer to the announcement, one byte per block.
bool UploadStates::ownReplyShape(int state) const { return handles(state); }

bool UploadStates::running() const { return handles(engine_.vars().state); }

bool UploadStates::soundRunning() const {
    const int s = engine_.vars().state;
    return s == z4state::kSoundUploadAnnounce || s == z4state::kSoundUploadBlocks;
}

void UploadStates::soundGauge(int progress, int max, bool visible) {
    gaugeProgress_ = progress;
    gaugeMax_ = max;
    if (onSoundGauge) onSoundGauge(progress, max, visible);
}

void UploadStates::startSound(uint16_t page, std::unique_ptr<SampleSource> samples, std::size_t sampleBytes,
                              bool sendNow) {
    samples_ = std::move(samples);
    page_ = page;
    budget_ = kBlockBudget;
    error_ = false;
    sequence_ = static_cast<uint8_t>(page & 0xFF);
    soundGauge(0, static_cast<int>(sampleBytes / kBlock), true);
    engine_.vars().state = z4state::kSoundUploadAnnounce;
    engine_.link().clearReceive();
    if (sendNow) engine_.sendStep();
}

void UploadStates::startDataImage() {
    engine_.enableTransferButtons(false);
    engine_.startGauge(kDataBlocks - 1);
    error_ = false;
    engine_.vars().state = z4state::kDataUploadAnnounce;
    engine_.sendStep();
}

void UploadStates::abandonSound() {
    if (!soundRunning()) return;
    samples_.reset();
    engine_.vars().state = z4state::kIdle;
    soundGauge(gaugeProgress_, gaugeMax_, false);
}

void UploadStates::send(TransferEngine& engine, int state) {
    Z4Link& link = engine.link();
    switch (state) {
        case z4state::kSoundUploadAnnounce:
            engine.vars().countdown = kAnnounceCountdown;
            link.sendUploadAnnounce(page_);
            break;
        case z4state::kDataUploadAnnounce:
            engine.vars().countdown = kAnnounceCountdown;
            block_ = 0;
            sequence_ = 0;
            link.sendUploadAnnounce(0);
            break;
        case z4state::kSoundUploadBlocks: sendSoundBlock(engine); break;
        case z4state::kDataUploadBlocks: sendDataBlock(engine); break;
        default: break;
    }
}

void UploadStates::sendSoundBlock(TransferEngine& engine) {
    std::array<uint8_t, kBlock> block;
    block.fill(kEndMark);
    const std::size_t n = samples_ ? samples_->read(block.data(), kBlock) : 0;
    // A sample of 0xFF would read as the end mark, in the last block as in the others.
    std::replace(block.begin(), block.begin() + static_cast<long>(n), kEndMark, kSampleForEndMark);
    if (n < static_cast<std::size_t>(kBlock)) {
        std::fill(block.end() - 3, block.end(), kEndMark);
        engine.link().sendRawBlock(block.data());
        finishSound(engine, kBlockCountdown);
        return;
    }
    engine.link().sendRawBlock(block.data());
    engine.link().resetReceive();
    engine.vars().countdown = kBlockCountdown;
    if (--budget_ <= 0) finishSound(engine, kEndCountdown);
}

void UploadStates::finishSound(TransferEngine& engine, int countdown) {
    engine.vars().countdown = countdown;
    samples_.reset();
    engine.vars().state = z4state::kIdle;
    soundGauge(gaugeProgress_, gaugeMax_, false);
    if (error_) engine.listener().showMessage(engine.message(kTransferFailed));
    if (onDone) onDone(!error_);
}

void UploadStates::sendDataBlock(TransferEngine& engine) {
    std::array<uint8_t, kBlock> block;
    std::copy_n(engine.image().begin() + block_ * kBlock, kBlock, block.begin());
    if (block_ == 0) {
        block[kBlock - 2] = 0x1C;
        block[kBlock - 1] = 0x47;
    }
    engine.link().sendRawBlock(block.data());
    engine.vars().countdown = kBlockCountdown;
    ++block_;
    if (block_ < kDataBlocks) return;
    engine.vars().countdown = kEndCountdown;
    engine.vars().state = z4state::kIdle;
    engine.hideGauge();
    if (error_) {
        for (int i = 0; i < kFailureBeeps; ++i) engine.listener().beep();
        engine.listener().showMessage(engine.message(kTransferFailed));
    }
    engine.enableTransferButtons(true);
    if (onDone) onDone(!error_);
}

void UploadStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    if (rx.fill() == 0) return;
    if (state == z4state::kSoundUploadAnnounce || state == z4state::kDataUploadAnnounce) {
        engine.vars().state = state + 1;
        rx.reset();
        engine.sendStep();
        return;
    }
    // One acknowledgement per notification; more than one byte cannot be right.
    if (rx.fill() != 1 || rx.at(0) != sequence_) error_ = true;
    ++sequence_;
    rx.reset();
    engine.vars().countdown = kAckCountdown;
    if (state == z4state::kSoundUploadBlocks) {
        soundGauge(gaugeProgress_ + 1, gaugeMax_, true);
    } else {
        engine.advanceGauge();
    }
    engine.sendStep();
}

}  // namespace vardeck
