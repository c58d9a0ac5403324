#include "z4link/FirmwareDownloadStates.h"

#include "z4link/Frame.h"
#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kBlockFrameVersion = 38;  // from this firmware on, blocks go as F6 frames
constexpr int kIdentifyCountdown = 5;
constexpr int kBlockFrameCountdown = 10;
constexpr int kRawBlockCountdown = 120;
constexpr int kRawEndCountdown = 50;
constexpr int kFpgaCountdown = 120;
constexpr int kVersionCloses = 3;  // version popup state: the answer closes the view

}  // namespace

FirmwareDownloadStates::FirmwareDownloadStates(TransferEngine& engine, CarriedFirmware firmware)
    : engine_(engine), firmware_(std::move(firmware)) {
    engine.addStates(*this);
}

bool FirmwareDownloadStates::handles(int state) const {
    return state >= z4state::kProcessorIdentify && state <= z4state::kFpgaStart;
}

// Old modules (29, 68) answer the identification in a way only its first byte
// counts; the announcement takes any reply; blocks are acknowledged by one byte.
bool FirmwareDownloadStates::ownReplyShape(int state) const {
    if (state == z4state::kProcessorIdentify) return earlyIdentification();
    return state == z4state::kFirmwareAnnounce || state == z4state::kFirmwareBlocks;
}

bool FirmwareDownloadStates::earlyIdentification() const {
    const int v = engine_.vars().firmwareVersion;
    return v == 29 || v == 68;
}

void FirmwareDownloadStates::open() {
    identity_ = {};
    if (onIdentity) onIdentity(identity_);
    if (onDownloadAllowed) onDownloadAllowed(false);
    if (engine_.vars().state != z4state::kFpgaStart) {
        engine_.link().clearReceive();
        engine_.vars().state = z4state::kProcessorIdentify;
    }
}

void FirmwareDownloadStates::leave() {
    if (handles(engine_.vars().state) || engine_.vars().versionPopup == kVersionCloses) {
        engine_.vars().state = z4state::kIdle;
        engine_.vars().versionPopup = 0;
    }
    progress(0);
}

void FirmwareDownloadStates::startDownload() {
    if (identity_.processor != 10) {
        engine_.listener().showMessage("FAULT FIRMWARE");
        engine_.vars().state = z4state::kIdle;
        return;
    }
    std::string reason;
    auto unpacked = unpackFirmwareText(firmware_.hexText, reason);
    if (!unpacked) {
        // A short or damaged image must never reach the module.
        engine_.listener().showMessage("FAULT FIRMWARE: " + reason);
        engine_.vars().state = z4state::kIdle;
        return;
    }
    buffer_ = *unpacked;
    engine_.vars().state = z4state::kFirmwareAnnounce;
    engine_.sendStep();
}

void FirmwareDownloadStates::send(TransferEngine& engine, int state) {
    TransferVariables& v = engine.vars();
    switch (state) {
        case z4state::kProcessorIdentify:
            v.countdown = kIdentifyCountdown;
            if (onProcessor) onProcessor("Processor: ???");
            engine.link().sendIdentify();
            break;
        case z4state::kFirmwareAnnounce:
            phase("Memory Download");
            block_ = 0;
            retries_ = 0;
            error_ = false;
            page_ = kFirstPage;
            progress(0);
            if (v.firmwareVersion >= kBlockFrameVersion) {
                v.state = z4state::kFirmwareBlocks;
                v.countdown = kBlockFrameCountdown;
            } else {
                engine.link().sendUploadAnnounce(kFirstPage);
                v.countdown = 50;
            }
            break;
        case z4state::kFirmwareBlocks: sendFirmwareBlock(engine); break;
        case z4state::kFpgaStart:
            phase("FPGA Download please wait...");
            progress(0);
            if (onFpgaStarted) onFpgaStarted();
            engine.link().sendStartFpga();
            v.state = z4state::kVersionQuery;
            v.versionPopup = kVersionCloses;
            v.countdown = kFpgaCountdown;
            break;
        default: break;
    }
}

void FirmwareDownloadStates::sendFirmwareBlock(TransferEngine& engine) {
    TransferVariables& v = engine.vars();
    if (block_ < 0 || block_ >= kBlocks) return;
    const uint8_t* data = buffer_.data() + static_cast<std::size_t>(block_) * 256;
    if (v.firmwareVersion >= kBlockFrameVersion) {
        engine.link().sendLargeBlockWrite(page_, data);
        v.countdown = kBlockFrameCountdown;
        if (++retries_ >= kRetries) {
            engine.listener().showMessage("ERROR communication!");
            v.state = z4state::kIdle;
            retries_ = 0;
        }
        return;
    }
    if (block_ >= kRawBlocks) {
        v.state = z4state::kFpgaStart;
        v.countdown = kRawEndCountdown;
        return;
    }
    if (error_) {
        v.state = z4state::kIdle;
        progress(0);
        phase("ERROR please check communication");
    }
    engine.link().sendRawBlock(data);
    engine.link().resetReceive();
    v.countdown = kRawBlockCountdown;
    ++block_;
}

void FirmwareDownloadStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    TransferVariables& v = engine.vars();
    switch (state) {
        case z4state::kProcessorIdentify:
            // Early rule: the first byte of six, before any checksum test.
            if (earlyIdentification() && rx.fill() < static_cast<int>(kFrameSize)) return;
            identified(engine, rx);
            break;
        case z4state::kFirmwareAnnounce:
            if (rx.fill() == 0) return;
            v.state = z4state::kFirmwareBlocks;
            rx.reset();
            engine.sendStep();
            break;
        case z4state::kFirmwareBlocks:
            if (rx.fill() == 0) return;
            if (v.firmwareVersion >= kBlockFrameVersion) {
                const uint8_t sum = dataSum(buffer_.data() + static_cast<std::size_t>(block_) * 256, 256);
                const bool ok = singleByteEquals(rx, sum);
                rx.reset();
                if (!ok) return;
                retries_ = 0;
                ++block_;
                ++page_;
                progress(block_);
                if (block_ >= kBlocks) {
                    v.state = z4state::kFpgaStart;
                    v.countdown = kBlockFrameCountdown;
                } else {
                    engine.sendStep();
                }
                return;
            }
            if (!singleByteEquals(rx, static_cast<uint8_t>(block_ - 1))) error_ = true;
            rx.reset();
            progress(block_);
            engine.sendStep();
            break;
        default: break;
    }
}

void FirmwareDownloadStates::identified(TransferEngine& engine, const ReceiveBuffer& rx) {
    const int processor = rx.at(0);
    identity_.processor = processor;
    if (processor == 10 && !earlyIdentification()) {
        identity_.sw = rx.at(2);
        identity_.bw = rx.at(3);
        identity_.hw = rx.at(1);
        if (onIdentity) onIdentity(identity_);
        const bool newer = firmware_.version >= identity_.sw;
        if (onDownloadAllowed) onDownloadAllowed(newer);
        if (onProcessor) onProcessor("Processor: J10");
        engine.vars().state = z4state::kIdle;
        engine.vars().countdown = 2;
        return;
    }
    if (processor == 10) {
        if (onProcessor) onProcessor("Processor: J10");
        startDownload();
    } else if (processor == 11) {
        if (onProcessor) onProcessor("Processor: J11");
        startDownload();  // refuses this processor
    }
}

}  // namespace vardeck
