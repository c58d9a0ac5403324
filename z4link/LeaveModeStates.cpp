#include "z4link/LeaveModeStates.h"

#include "z4link/CommandCodes.h"
#include "z4link/Frame.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

LeaveModeStates::LeaveModeStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool LeaveModeStates::handles(int state) const { return state == z4state::kLeaveMode; }

void LeaveModeStates::start() { engine_.vars().state = z4state::kLeaveMode; }

void LeaveModeStates::send(TransferEngine& engine, int) { engine.link().sendLeaveMode(); }

void LeaveModeStates::receive(TransferEngine& engine, int) {
    ReceiveBuffer& rx = engine.link().rx();
    if (rx.at(0) != z4cmd::kAckMarker) return;
    if (rx.at(1) == z4cmd::kModeLeftDirectly) {
        engine.vars().state = z4state::kIdle;
    } else if (rx.at(1) == z4cmd::kModeAccepted) {
        rx.reset();
        engine.link().sendClosingFrame();
        engine.vars().state = z4state::kIdle;
    }
}

bool LeaveModeStates::overlong(TransferEngine& engine, int) {
    engine.link().rx().setFill(static_cast<int>(kFrameSize));
    return true;
}

}  // namespace vardeck
