#include "sim/SimEndpoint.h"

#include <algorithm>

namespace vardeck::sim {

SimEndpoint::SimEndpoint(DeviceModel& model, FaultInjector* faults) : model_(model), faults_(faults) {}

SimTime SimEndpoint::byteTimeAt(int bitsPerSecond) {
    if (bitsPerSecond <= 0) return SimTime{0};
    return SimTime{(10LL * 1000000 + bitsPerSecond / 2) / bitsPerSecond};
}

void SimEndpoint::receive(std::span<const uint8_t> bytes, SimTime now) {
    model_.receive(bytes, now);
    collectReplies();
}

void SimEndpoint::advanceTo(SimTime now) {
    model_.advanceTo(now);
    collectReplies();
}

void SimEndpoint::collectReplies() {
    for (Emission& emission : model_.takeEmissions()) {
        FaultOutcome outcome;
        if (faults_) {
            outcome = faults_->apply(emission.bytes);
        } else {
            outcome.bytes = emission.bytes;
        }
        if (observer_) observer_(emission.bytes, outcome);
        if (!outcome.bytes.empty()) schedule(outcome.bytes, emission.due + outcome.delay);
    }
}

void SimEndpoint::schedule(const Bytes& bytes, SimTime earliest) {
    SimTime t = std::max(earliest, lineFreeAt_);
    for (uint8_t b : bytes) {
        // A byte is there once its last bit has been sent.
        t += byteTime_;
        inFlight_.push_back(TimedByte{t, b});
    }
    lineFreeAt_ = t;
}

Bytes SimEndpoint::takeDue(SimTime now) {
    Bytes out;
    while (!inFlight_.empty() && inFlight_.front().due <= now) {
        out.push_back(inFlight_.front().value);
        inFlight_.pop_front();
    }
    return out;
}

std::optional<SimTime> SimEndpoint::nextEvent() const {
    std::optional<SimTime> next = model_.nextWakeup();
    if (!inFlight_.empty() && (!next || inFlight_.front().due < *next)) next = inFlight_.front().due;
    return next;
}

}  // namespace vardeck::sim
