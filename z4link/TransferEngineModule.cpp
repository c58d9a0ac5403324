// Module commands of the engine: firmware version query, clock setting,
// restart and life-signal test.
#include "z4link/CommandCodes.h"
#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr uint8_t kFirmwareAddress = 0xFE;  // configuration byte 0x00FE
constexpr int kClockCountdown = 20;
// Modules below this firmware take the clock frame with "111111" as the date.
constexpr int kFirstDatedClockFirmware = 28;

}  // namespace

// --- Firmware version (state 99) -----------------------------------------------------

void TransferEngine::queryVersionOnActivation() {
    if (vars_.state != z4state::kIdle) return;
    vars_.state = z4state::kVersionQuery;
    link_.clearReceive();
}

void TransferEngine::queryVersionFromMenu() {
    abandonOperation();
    vars_.state = z4state::kVersionQuery;
    link_.clearReceive();
    sendStep();
    vars_.versionPopup = 2;
}

void TransferEngine::sendVersionQuery() {
    // Always configuration memory, whatever the read selector says.
    link_.sendCommandFrame(0x00, z4cmd::kReadConfigByte, kFirmwareAddress, 0x00);
}

void TransferEngine::receiveVersionQuery() {
    if (!replyAcknowledges(link_.rx(), kFirmwareAddress)) return;
    const int reported = link_.rx().at(3);
    // Small values are not versions (a module still starting up); keep the old one.
    if (reported > 10) vars_.firmwareVersion = reported;
    vars_.state = z4state::kIdle;
    listener_.setStatusPanel(3, "");
    listener_.setStatusPanel(2, "Sw: " + firmwareVersionText(vars_.firmwareVersion));
    if (vars_.versionPopup == 2) {
        vars_.versionPopup = 1;
    } else if (vars_.versionPopup == 3) {
        listener_.closeFirmwareView();
        vars_.versionPopup = 0;
    }
    listener_.applyControlEffects(versionEffects(vars_.firmwareVersion, vars_.deviceType));
}

// --- Clock (state 210) ------------------------------------------------------------------

void TransferEngine::setClock() {
    abandonOperation();
    verifyPending_ = false;  // a clock from the menu ends no write
    beginClock();
}

void TransferEngine::beginClock() {
    showStatus(TransferText::ClockSyncRunning);
    vars_.clockOnly = true;
    vars_.returnState = z4state::kIdle;
    vars_.state = z4state::kSetClock;
    link_.clearReceive();
}

void TransferEngine::sendClockFrame() {
    vars_.countdown = kClockCountdown;
    ModuleClockTime t = now();
    if (vars_.firmwareVersion < kFirstDatedClockFirmware) {
        t.year = 11;
        t.month = 11;
        t.day = 11;
    }
    link_.sendClock(t);
}

void TransferEngine::receiveClockReply() {
    const ReceiveBuffer& rx = link_.rx();
    if (rx.at(0) != z4cmd::kAckMarker || rx.at(1) != z4cmd::kClockSet || rx.at(2) != 0 || rx.at(3) != 0) return;
    vars_.state = vars_.returnState;
    if (verifyPending_) {
        // The clock ended a write all (byte-wise or in blocks): now read it back.
        verifyPending_ = false;
        vars_.clockOnly = false;
        startVerify();
    } else if (vars_.clockOnly) {
        vars_.clockOnly = false;
        showStatus(TransferText::ClockSyncDone);
    } else {
        showStatus(TransferText::WriteAllDone);
        hideGauge();
        enableTransferButtons(true);
    }
}

// --- Restart and life-signal test ---------------------------------------------------------

void TransferEngine::restart() {
    if (!listener_.askYesNo(text(TransferText::RestartQuestion))) return;
    abandonOperation();
    vars_.state = z4state::kRestart;
    link_.clearReceive();
}

void TransferEngine::lifeSignalTest() {
    abandonOperation();
    vars_.state = z4state::kLifeSignalTest;
    link_.clearReceive();
}

}  // namespace vardeck
