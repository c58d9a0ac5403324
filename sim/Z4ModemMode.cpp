// The Z-4 module's GSM modem mode: the module passes the cable's bytes to its
// modem and the modem's answers back, and listens only for the frames that end
// the mode.
#include "sim/Z4FamilyModel.h"

#include "z4link/CommandCodes.h"

#include <algorithm>

namespace vardeck::sim {

namespace {

constexpr Frame kLeaveFrame = makeFrame(0x00, z4cmd::kModeSwitch, 0x00, 0x00);
constexpr Frame kRestartFrame = makeFrame(0x00, z4cmd::kRestart, 0xAA, 0x00);
constexpr Frame kWatchedFrames[] = {kLeaveFrame, kRestartFrame};

bool startsWatchedFrame(const Bytes& bytes) {
    return std::any_of(std::begin(kWatchedFrames), std::end(kWatchedFrames), [&](const Frame& frame) {
        return bytes.size() <= frame.size() && std::equal(bytes.begin(), bytes.end(), frame.begin());
    });
}

}  // namespace

bool Z4FamilyModel::handleGsmModem(const Frame& frame) {
    // P3 carries whatever image byte the program was at; it means nothing here.
    if (frame[0] != 0 || frame[2] != 0) return false;
    sendFrame(kAck, z4cmd::kModeAccepted, 0x00, 0x00);
    endMonitorMode();
    modemMode_ = true;
    ++counters_.modemEntered;
    return true;
}

void Z4FamilyModel::processInput() {
    // A frame may switch modem mode on and the leave frame off again within one
    // piece of input, or announce an upload whose blocks follow in the same
    // piece: each part goes where the mode of its time sends it.
    for (;;) {
        if (modemMode_) passInputToModem();
        if (modemMode_) return;  // all input went to the modem
        if (upload_) takeUploadBlocks();
        if (upload_) return;  // all input went to the upload
        ByteMemoryModel::processInput();
        if (!modemMode_ && !upload_) return;  // framing used what it could
    }
}

void Z4FamilyModel::passInputToModem() {
    std::deque<uint8_t>& input = pendingInput();
    Bytes toModem;
    auto deliver = [&] {
        if (toModem.empty()) return;
        counters_.modemBytesPassed += toModem.size();
        modem_.receive(toModem, now());
        toModem.clear();
        forwardModemOutput();
    };
    while (modemMode_ && !input.empty()) {
        watched_.push_back(input.front());
        input.pop_front();
        const auto whole = std::find_if(std::begin(kWatchedFrames), std::end(kWatchedFrames), [&](const Frame& f) {
            return std::equal(watched_.begin(), watched_.end(), f.begin(), f.end());
        });
        if (whole != std::end(kWatchedFrames)) {
            // The modem gets what came before the frame, then the frame acts.
            deliver();
            watched_.clear();
            acceptFrame(*whole);
            continue;
        }
        // Release bytes from the front until the rest could still start a frame.
        while (!watched_.empty() && !startsWatchedFrame(watched_)) {
            toModem.push_back(watched_.front());
            watched_.erase(watched_.begin());
        }
    }
    deliver();
}

void Z4FamilyModel::passModemTime() {
    if (!modemMode_) return;
    modem_.advanceTo(now());
    forwardModemOutput();
}

void Z4FamilyModel::forwardModemOutput() {
    for (Emission& emission : modem_.takeOutput()) sendAt(emission.due, std::move(emission.bytes));
}

void Z4FamilyModel::endModemMode() {
    if (!modemMode_) return;
    modemMode_ = false;
    watched_.clear();
    // What the modem still had to say no longer reaches the cable.
    modem_.reset();
    modem_.takeOutput();
    ++counters_.modemLeft;
}

void Z4FamilyModel::clearHistory() {
    ByteMemoryModel::clearHistory();
    modem_.clearHistory();
}

}  // namespace vardeck::sim
