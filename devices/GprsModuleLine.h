#pragma once
#include "z4link/Frame.h"

namespace vardeck::devices {

// The serial line as the GPRS module's transfer uses it. In the program it is the
// main view's search (same channel, protocol state, six-byte reply buffer and send
// timer); on the command line and in tests it is a screen of its own. The owner
// of the line runs the send timer: while the state is a sending state and the
// hold-off has run out it calls the transfer's sendStep(), and it hands each valid
// six-byte reply in a state of 100 or above to validReply().
class GprsModuleLine {
public:
    virtual ~GprsModuleLine() = default;

    // The single protocol state number (the search's, when the search owns the line).
    virtual int state() const = 0;
    virtual void setState(int state) = 0;
    // A transfer begins: the line gives up any other business, opens the channel
    // when it was closed and lets the send timer repeat nothing for the hold-off,
    // so that the first frame is not sent twice while its answer is on the way.
    virtual void beginTransfer() = 0;
    // Writes one frame and empties the reply buffer for its answer.
    virtual void sendFrame(const Frame& frame) = 0;
};

}  // namespace vardeck::devices
