#include "sim/SimEndpoint.h"

#include <algorithm>

namespace vardeck::sim {

SimEndpoint::SimEndpoint(DeviceModel& model, FaultInjector* faults) : model_(model), faults_(faults) {}

SimTime SimEndpoint::byteTimeAt(int bitsPerSecond) {
    if (bitsPerSecond <= 0) return SimTime{0};
    return SimTime{(10LL * 1000000 + bitsPerSecond / 2) / bitsPerSecond};
}

void SimEndpoint::receive(std::span<const uint8_t> bytes, SimTime now) {
    if (!pacedInput_ || byteTime_ <= SimTime{0}) {
        model_.receive(bytes, now);
        collectReplies();
        return;
    }
    SimTime t = std::max(now, inputFreeAt_);
    for (uint8_t b : bytes) {
        t += byteTime_;
        inbound_.push_back(TimedByte{t, b});
    }
    inputFreeAt_ = t;
    takeInput(now);
}

void SimEndpoint::takeInput(SimTime now) {
    while (!inbound_.empty() && inbound_.front().due <= now) {
        // Byte by byte at its own time: a reply then leaves when the last byte of
        // its frame has arrived, not when the program's write was read.
        const TimedByte b = inbound_.front();
        inbound_.pop_front();
        model_.receive(std::span<const uint8_t>(&b.value, 1), b.due);
        collectReplies();
    }
}

void SimEndpoint::advanceTo(SimTime now) {
    takeInput(now);
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
    const SimTime spacing = std::max(byteTime_, replyByteGap_);
    for (uint8_t b : bytes) {
        // A byte is there once its last bit has been sent.
        t += spacing;
        inFlight_.push_back(TimedByte{t, b});
    }
    lineFreeAt_ = t;
}

void SimEndpoint::powerCycle(SimTime now, SimTime bootTime) {
    advanceTo(now);
    // What the device's transmitter had not sent yet never leaves it.
    while (!inFlight_.empty() && inFlight_.back().due > now) inFlight_.pop_back();
    lineFreeAt_ = std::min(lineFreeAt_, now);
    model_.powerCycle(now, bootTime);
}

void SimEndpoint::cutLine(SimTime now) {
    advanceTo(now);
    inFlight_.clear();
    inbound_.clear();
    lineFreeAt_ = std::min(lineFreeAt_, now);
    inputFreeAt_ = std::min(inputFreeAt_, now);
}

Bytes SimEndpoint::takeDue(SimTime now) {
    Bytes out;
    while (!inFlight_.empty()) {
        // The adapter's timer starts with the first byte it holds; when it fires,
        // every byte that has reached the adapter by then goes on together.
        const SimTime release = inFlight_.front().due + latency_;
        if (release > now) break;
        while (!inFlight_.empty() && inFlight_.front().due <= release) {
            out.push_back(inFlight_.front().value);
            inFlight_.pop_front();
        }
    }
    return out;
}

std::optional<SimTime> SimEndpoint::nextEvent() const {
    std::optional<SimTime> next = model_.nextWakeup();
    auto earliest = [&next](SimTime t) {
        if (!next || t < *next) next = t;
    };
    if (const std::optional<SimTime> reply = nextReplyDue()) earliest(*reply);
    if (!inbound_.empty()) earliest(inbound_.front().due);
    return next;
}

std::optional<SimTime> SimEndpoint::nextReplyDue() const {
    if (inFlight_.empty()) return std::nullopt;
    return inFlight_.front().due + latency_;
}

}  // namespace vardeck::sim
