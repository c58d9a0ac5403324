#pragma once
#include "z4link/TransferEngineStates.h"

namespace vardeck {

// Leaving GSM modem mode or monitor mode (state 81): the leave frame goes out
// until the module answers. AB 02 means it left on its own; AB AC asks for the
// closing frame, which is sent once. Both end idle.
class LeaveModeStates : public TransferStates {
public:
    explicit LeaveModeStates(TransferEngine& engine);
    // Sets state 81; the next send step sends the leave frame.
    void start();

    bool handles(int state) const override;
    bool ownReplyShape(int) const override { return false; }
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;
    // Text still arriving from the mode being left: only the first six bytes are
    // looked at as the reply.
    bool overlong(TransferEngine& engine, int state) override;

private:
    TransferEngine& engine_;
};

}  // namespace vardeck
