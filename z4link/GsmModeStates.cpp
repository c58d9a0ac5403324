#include "z4link/GsmModeStates.h"

#include "z4link/AtReply.h"
#include "z4link/CommandCodes.h"
#include "z4link/Frame.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

GsmModeStates::GsmModeStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool GsmModeStates::handles(int state) const {
    return state == z4state::kGsmModeEntry || state == z4state::kGsmRouteCheck;
}

bool GsmModeStates::ownReplyShape(int state) const { return state == z4state::kGsmRouteCheck; }

void GsmModeStates::enter(int firstState, bool sendNow) {
    TransferVariables& v = engine_.vars();
    v.returnState = firstState;
    v.state = z4state::kGsmModeEntry;
    engine_.link().clearReceive();
    if (sendNow) engine_.sendStep();
}

void GsmModeStates::send(TransferEngine& engine, int state) {
    if (state == z4state::kGsmModeEntry) {
        engine.showStatusMessage("GSM program leállítása...!");
        const int index = engine.vars().transferIndex;
        const uint8_t imageByte =
            index >= 0 && index < TransferEngine::kImageSize ? engine.image()[static_cast<std::size_t>(index)] : 0;
        engine.link().sendGsmModemMode(imageByte);
        return;
    }
    engine.showStatusMessage("GSM Route check...");
    engine.link().sendAtLine("AT\r");
}

namespace {

// The module confirms modem mode with AB AC. When that answer was lost and the FD
// frame went out again, the module is in modem mode already and its modem echoes
// the frame: that confirms the mode just as well, where waiting for AB AC would
// wait for ever.
bool modemModeConfirmed(TransferEngine& engine) {
    const ReceiveBuffer& rx = engine.link().rx();
    if (rx.at(0) == z4cmd::kAckMarker && rx.at(1) == z4cmd::kModeAccepted) return true;
    const auto& sent = engine.link().sendBuffer();
    if (rx.fill() < static_cast<int>(kFrameSize)) return false;
    for (int i = 0; i < static_cast<int>(kFrameSize); ++i) {
        if (rx.at(i) != sent[static_cast<std::size_t>(i)]) return false;
    }
    return sent[1] == z4cmd::kGsmModem;
}

}  // namespace

void GsmModeStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    if (state == z4state::kGsmModeEntry) {
        if (modemModeConfirmed(engine)) {
            engine.vars().state = z4state::kGsmRouteCheck;
            engine.showStatusMessage("GSM modem mode!");
        }
        return;
    }
    // The echoed "AT" CR and CR LF come first, so the modem's "OK" stands at 5.
    if (okAt(rx, kAtProbeOkPosition)) {
        engine.showStatusMessage("GSM modem mode OK!");
        engine.vars().state = engine.vars().returnState;
        // The same answer must not confirm the mode a second time.
        rx.put(5, 'x');
        rx.setFill(1);
    }
}

bool GsmModeStates::overlong(TransferEngine& engine, int state) {
    if (state != z4state::kGsmModeEntry) return false;
    if (modemModeConfirmed(engine)) {
        engine.vars().state = z4state::kGsmRouteCheck;
        engine.showStatusMessage("GSM modem mode!");
    }
    // Either way the bytes stay: they may be the start of the module's answer.
    return true;
}

}  // namespace vardeck
