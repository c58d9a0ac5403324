#pragma once
#include "z4link/TransferEngineStates.h"

namespace vardeck {

// GSM modem mode (states 20 and 21): the module is switched to pass its modem
// through (FD frame, until it answers AB AC), then the modem is checked with "AT".
// Its "OK" moves on to the operation that asked for the mode. Every GSM operation
// starts here.
class GsmModeStates : public TransferStates {
public:
    explicit GsmModeStates(TransferEngine& engine);
    // The operation's first state comes after the modem answered; sendNow sends the
    // FD frame at once instead of on the next tick.
    void enter(int firstState, bool sendNow);

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;
    // The module's AB AC may come with the modem's first bytes behind it.
    bool overlong(TransferEngine& engine, int state) override;

private:
    TransferEngine& engine_;
};


}  // namespace vardeck
