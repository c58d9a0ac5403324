// The Z-4 module's flash and what the program puts into it: page-wise uploads
// of raw 256-byte blocks after an announcement (sounds, the data image, older
// firmware), firmware pages by block frame, the identification of the processor,
// and the FPGA start that brings the new firmware to life.
#include "sim/Z4FamilyModel.h"

#include "z4link/CommandCodes.h"

#include <algorithm>

namespace vardeck::sim {

namespace {

constexpr Frame kStartFpgaFrame = makeFrame(0x00, z4cmd::kStartFpga, 0xBB, 0x00);
// A sound's last block ends in three 0xFF bytes; inside a sound 0xFF never occurs.
constexpr std::size_t kEndMarkBytes = 3;

bool endMarked(const Bytes& block) {
    return std::all_of(block.end() - kEndMarkBytes, block.end(), [](uint8_t b) { return b == 0xFF; });
}

}  // namespace

bool Z4FamilyModel::handleIdentify(const Frame& frame) {
    if (frame[0] != 0 || frame[2] != 0 || frame[3] != 0) return false;
    // The one reply without the AB marker: the processor code stands in its place.
    sendFrame(static_cast<uint8_t>(processor_.code), static_cast<uint8_t>(processor_.hardware),
              static_cast<uint8_t>(firmware_), static_cast<uint8_t>(processor_.boot));
    return true;
}

bool Z4FamilyModel::handleStartFpga(const Frame& frame) {
    if (!std::equal(frame.begin(), frame.begin() + 4, kStartFpgaFrame.begin())) return false;
    ++counters_.fpgaStarts;
    // Programming the FPGA restarts the module, which comes back with the new
    // firmware. Nobody can read the version byte during the quiet time, so it
    // changes at once.
    endMonitorMode();
    endModemMode();
    firmware_ = processor_.firmwareAfterFpga;
    restoreOwnedBytes();
    quietUntil_ = now() + timing_.restartQuiet;
    return true;
}

bool Z4FamilyModel::handleUploadAnnouncement(const Frame& frame) {
    const std::size_t page = std::size_t{frame[2]} << 8 | frame[3];
    if (frame[0] != 0 || page >= kFlashPages) return false;
    Upload upload;
    upload.kind = page == kFirmwarePage ? UploadKind::FirmwareRaw
                  : page == 0           ? UploadKind::DataImage
                                        : UploadKind::Sound;
    upload.nextPage = page;
    upload.sequence = frame[3];
    upload.idleUntil = now() + timing_.uploadIdleTimeout;
    upload_ = std::move(upload);
    ++counters_.uploadsAnnounced;
    // Any byte tells the program the module is ready; the page's low byte it is.
    send(Bytes{frame[3]});
    return true;
}

void Z4FamilyModel::takeUploadBlocks() {
    std::deque<uint8_t>& input = pendingInput();
    while (upload_ && !input.empty()) {
        Upload& upload = *upload_;
        if (upload.block.empty()) upload.blockStarted = now();
        const std::size_t count = std::min(input.size(), kFlashPageSize - upload.block.size());
        upload.block.insert(upload.block.end(), input.begin(), input.begin() + static_cast<std::ptrdiff_t>(count));
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(count));
        if (upload.block.size() == kFlashPageSize) storeUploadBlock();
    }
}

void Z4FamilyModel::storeUploadBlock() {
    Upload& upload = *upload_;
    writeFlashPage(upload.nextPage, upload.block.data());
    // The firmware loader counts blocks from 0; the other uploads count on from
    // the low byte of their first page. For page 0x3E00 both give 0, 1, 2, ...
    const bool firmware = upload.kind == UploadKind::FirmwareRaw;
    if (firmware) ++counters_.firmwareBlocks;
    send(Bytes{firmware ? static_cast<uint8_t>(upload.blocks) : upload.sequence});
    ++upload.blocks;
    ++upload.sequence;
    ++upload.nextPage;
    // Only a sound carries the end mark: data-image and firmware blocks may end
    // in 0xFF bytes of their own, and their length is known.
    const bool complete = (upload.kind == UploadKind::Sound && endMarked(upload.block)) ||
                          (upload.kind == UploadKind::DataImage && upload.blocks == kDataImageBlocks) ||
                          (firmware && upload.blocks == kFirmwareRawBlocks) || upload.nextPage >= kFlashPages;
    upload.block.clear();
    upload.idleUntil = now() + timing_.uploadIdleTimeout;
    if (complete) upload_.reset();
}

void Z4FamilyModel::passUploadTime() {
    if (!upload_) return;
    Upload& upload = *upload_;
    if (!upload.block.empty()) {
        if (now() < upload.blockStarted + timing_.payloadTimeout) return;
        // A block that stopped half-way is dropped; the program sends the next
        // one after its own time-out, and that one starts a block afresh.
        countDiscarded(upload.block.size());
        upload.block.clear();
    }
    if (now() >= upload.idleUntil) upload_.reset();
}

std::optional<SimTime> Z4FamilyModel::uploadWakeup() const {
    if (!upload_) return std::nullopt;
    if (!upload_->block.empty()) return upload_->blockStarted + timing_.payloadTimeout;
    return upload_->idleUntil;
}

bool Z4FamilyModel::handleFirmwarePageWrite(const Frame& frame) {
    const std::size_t page = std::size_t{frame[2]} << 8 | frame[3];
    const bool inFlash = page < kFlashPages;
    const uint8_t expectedSum = frame[0];
    // The data follows whatever the page: it must not be mistaken for frames.
    expectRaw(kLargeBlock, timing_.payloadTimeout, [this, expectedSum, page, inFlash](const Bytes& data) {
        if (!inFlash) {
            ++counters_.blocksRejected;
            return;
        }
        storeFirmwarePage(expectedSum, page, data);
    });
    return inFlash;
}

void Z4FamilyModel::storeFirmwarePage(uint8_t expectedSum, std::size_t page, const Bytes& data) {
    if (dataSum(data.data(), data.size()) != expectedSum) {
        ++counters_.blocksRejected;
        return;
    }
    writeFlashPage(page, data.data());
    ++counters_.firmwareBlocks;
    // The firmware loader takes exactly this byte as the page's acknowledgement.
    send(Bytes{expectedSum});
}

void Z4FamilyModel::writeFlashPage(std::size_t page, const uint8_t* data) {
    if (page >= kFlashPages) return;
    std::copy_n(data, kFlashPageSize, flash_.begin() + static_cast<std::ptrdiff_t>(page * kFlashPageSize));
    ++counters_.flashPagesWritten;
}

}  // namespace vardeck::sim
