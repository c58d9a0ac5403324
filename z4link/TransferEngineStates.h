#pragma once

namespace vardeck {

class TransferEngine;

// A group of protocol states that an operation adds to the transfer engine
// (GSM modem operations, status polling, monitor, event log, uploads). The
// engine keeps one state number; when it holds a number the engine does not
// serve itself, the send step and the receive handler ask the registered
// groups, first registered first.
class TransferStates {
public:
    virtual ~TransferStates() = default;

    // True for every state number this group serves.
    virtual bool handles(int state) const = 0;

    // True when the state's replies are not six-byte frames (data blocks,
    // acknowledgement bytes, modem text): receive() then sees every
    // notification, right after its bytes were appended to the receive buffer.
    // False: the engine collects a six-byte frame, drops it when its checksum
    // fails, sets the tick countdown to 5 and calls receive() with the valid
    // frame in the buffer.
    virtual bool ownReplyShape(int state) const = 0;

    // The send step of the state. The tick countdown is already 5; the state
    // may set another value.
    virtual void send(TransferEngine& engine, int state) = 0;

    // A reply in the state (see ownReplyShape).
    virtual void receive(TransferEngine& engine, int state) = 0;

    // Six-byte states only: more than six bytes are buffered. Return true when
    // the state dealt with them; otherwise the engine clears the buffer.
    virtual bool overlong(TransferEngine& /*engine*/, int /*state*/) { return false; }
};

}  // namespace vardeck
