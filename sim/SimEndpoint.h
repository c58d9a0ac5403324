#pragma once
#include "sim/DeviceModel.h"
#include "sim/FaultInjector.h"

#include <deque>
#include <functional>
#include <optional>
#include <span>

namespace vardeck::sim {

// The device end of the cable: a model, the faults that spoil its replies on
// the way, and the reply bytes in flight, each stamped with the time it reaches
// the program. The line carries one byte after another: with a byte time set,
// a reply takes that long per byte, and a reply never overtakes the previous one.
// With paced input the program's bytes take their wire time too before the model
// sees them. A USB serial adapter on the program's side can be emulated as well:
// it holds what it received until its latency timer fires.
// Both the loopback channel and the pty runner drive one of these.
class SimEndpoint {
public:
    // Called for every reply the model sends, after the faults are applied.
    using ReplyObserver = std::function<void(const Bytes& original, const FaultOutcome& outcome)>;

    explicit SimEndpoint(DeviceModel& model, FaultInjector* faults = nullptr);

    // Bytes from the program at `now`. With paced input (and a byte time set) the
    // model takes each byte in once its last bit has arrived, one byte time after
    // the previous one, as a UART does; otherwise all of them at `now`.
    void receive(std::span<const uint8_t> bytes, SimTime now);
    // Lets the model act on time that passed without input.
    void advanceTo(SimTime now);

    // Time one byte takes on the line; 0 means replies arrive whole at once.
    void setByteTime(SimTime perByte) { byteTime_ = perByte; }
    SimTime byteTime() const { return byteTime_; }
    // Start, eight data bits and stop: ten bit times a byte.
    static SimTime byteTimeAt(int bitsPerSecond);
    // Whether the program's bytes take their byte time on the way in (off: they
    // reach the model at once).
    void setPacedInput(bool on) { pacedInput_ = on; }
    // The latency timer of a USB serial adapter between the line and the program:
    // reply bytes wait in the adapter until `latency` after the first of them
    // arrived, then everything that arrived by then goes on at once. 0: none.
    void setAdapterLatency(SimTime latency) { latency_ = latency; }
    // Reply bytes leave at least this far apart (0: only the byte time spaces
    // them), so that a reply reaches the program in pieces.
    void setReplyByteGap(SimTime gap) { replyByteGap_ = gap; }

    // The device loses its power at `now` (see DeviceModel::powerCycle): the reply
    // bytes it had not finished sending are cut off.
    void powerCycle(SimTime now, SimTime bootTime);
    // The cable is pulled at `now`: bytes on their way in either direction are
    // lost; the device itself goes on as it was.
    void cutLine(SimTime now);

    // The reply bytes that have reached the program by `now`, in order.
    Bytes takeDue(SimTime now);
    // When the next byte arrives (at the model or at the program) or the model
    // wants the time, whichever is first.
    std::optional<SimTime> nextEvent() const;
    // When the next reply bytes reach the program; none while nothing is on its way.
    std::optional<SimTime> nextReplyDue() const;
    // Bytes still on their way, for tests.
    std::size_t bytesInFlight() const { return inFlight_.size(); }
    // Throws away the bytes in flight (nobody is listening any more).
    void discardInFlight() { inFlight_.clear(); }

    DeviceModel& model() { return model_; }
    void setReplyObserver(ReplyObserver observer) { observer_ = std::move(observer); }

private:
    struct TimedByte {
        SimTime due;
        uint8_t value;
    };
    void collectReplies();
    void schedule(const Bytes& bytes, SimTime earliest);
    // Hands the program's bytes that have arrived by `now` to the model, each at its own time.
    void takeInput(SimTime now);

    DeviceModel& model_;
    FaultInjector* faults_;
    ReplyObserver observer_;
    SimTime byteTime_{0};
    SimTime lineFreeAt_{0};
    std::deque<TimedByte> inFlight_;
    bool pacedInput_ = false;
    SimTime latency_{0};
    SimTime replyByteGap_{0};
    SimTime inputFreeAt_{0};
    std::deque<TimedByte> inbound_;  // the program's bytes still on the line
};

}  // namespace vardeck::sim
