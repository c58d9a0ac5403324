#include "z4link/MonitorStates.h"

#include "z4link/CommandCodes.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

MonitorStates::MonitorStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool MonitorStates::handles(int state) const {
    return state == z4state::kMonitorOn || state == z4state::kMonitorRunning;
}

bool MonitorStates::ownReplyShape(int state) const { return state == z4state::kMonitorRunning; }

bool MonitorStates::streaming() const { return engine_.vars().state == z4state::kMonitorRunning; }

void MonitorStates::start() {
    engine_.link().clearReceive();
    engine_.vars().state = z4state::kMonitorOn;
}

void MonitorStates::send(TransferEngine& engine, int state) {
    // While the text runs there is nothing to ask for.
    if (state == z4state::kMonitorOn) engine.link().sendMonitorMode();
}

void MonitorStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    if (state == z4state::kMonitorOn) {
        if (rx.at(0) == z4cmd::kAckMarker && rx.at(1) == z4cmd::kModeAccepted) {
            engine.vars().state = z4state::kMonitorRunning;
            rx.reset();
        }
        return;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(rx.data()), static_cast<std::size_t>(rx.fill()));
    if (onText && !bytes.empty()) onText(bytes);
    rx.reset();
}

}  // namespace vardeck
