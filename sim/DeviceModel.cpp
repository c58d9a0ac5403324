#include "sim/DeviceModel.h"

#include <algorithm>

namespace vardeck::sim {

DeviceModel::DeviceModel(int typeCode, std::size_t memorySize, uint8_t memoryFill)
    : typeCode_(typeCode), memory_(memorySize, memoryFill) {}

void DeviceModel::setNow(SimTime now) { now_ = std::max(now_, now); }

void DeviceModel::receive(std::span<const uint8_t> bytes, SimTime now) {
    setNow(now);
    expireRaw();
    onTime();
    if (booting()) {
        // A starting device's receiver is not listening yet: the bytes are lost.
        discardedBytes_ += bytes.size();
        return;
    }
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    processInput();
}

void DeviceModel::powerCycle(SimTime now, SimTime bootTime) {
    setNow(now);
    input_.clear();
    raw_.reset();
    emissions_.clear();
    bootedAt_ = now_ + bootTime;
    onPowerCycle();
}

void DeviceModel::advanceTo(SimTime now) {
    setNow(now);
    expireRaw();
    onTime();
}

std::optional<SimTime> DeviceModel::nextWakeup() const {
    std::optional<SimTime> wake = modelWakeup();
    if (raw_ && (!wake || raw_->deadline < *wake)) wake = raw_->deadline;
    return wake;
}

std::vector<Emission> DeviceModel::takeEmissions() {
    std::vector<Emission> out;
    out.swap(emissions_);
    return out;
}

void DeviceModel::processInput() {
    for (;;) {
        if (framingSuspended()) return;
        if (raw_) {
            if (input_.size() < raw_->count) return;
            Bytes payload(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(raw_->count));
            input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(raw_->count));
            RawHandler handler = std::move(raw_->handler);
            if (raw_->logIndex && *raw_->logIndex < frameLog_.size()) {
                Bytes& logged = frameLog_[*raw_->logIndex].payload;
                logged.insert(logged.end(), payload.begin(), payload.end());
            }
            raw_.reset();
            handler(payload);  // may ask for the next payload
            continue;
        }
        if (input_.size() < kFrameSize) return;
        Frame frame;
        std::copy_n(input_.begin(), kFrameSize, frame.begin());
        if (!frameIsValid(frame.data())) {
            // Not a frame here: it may start one byte later.
            input_.pop_front();
            ++discardedBytes_;
            continue;
        }
        input_.erase(input_.begin(), input_.begin() + kFrameSize);
        acceptFrame(frame);
    }
}

void DeviceModel::acceptFrame(const Frame& frame) {
    frameLog_.push_back(ReceivedFrame{now_, frame, false});
    // The handler may append to the log or the queues; index, not reference.
    const std::size_t logIndex = frameLog_.size() - 1;
    frameLog_[logIndex].handled = onFrame(frame);
}

void DeviceModel::send(Bytes bytes, SimTime after) {
    if (bytes.empty()) return;
    emissions_.push_back(Emission{now_ + after, std::move(bytes)});
}

void DeviceModel::sendAt(SimTime due, Bytes bytes) {
    if (bytes.empty()) return;
    emissions_.push_back(Emission{due, std::move(bytes)});
}

void DeviceModel::sendFrame(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, SimTime after) {
    const Frame frame = makeFrame(b0, b1, b2, b3);
    send(Bytes(frame.begin(), frame.end()), after);
}

void DeviceModel::expectRaw(std::size_t count, SimTime timeout, RawHandler handler) {
    std::optional<std::size_t> logIndex;
    if (!frameLog_.empty()) logIndex = frameLog_.size() - 1;
    raw_ = RawRequest{count, now_ + timeout, std::move(handler), logIndex};
}

void DeviceModel::clearFrameLog() {
    frameLog_.clear();
    // A payload still on its way has no log entry to go to any more.
    if (raw_) raw_->logIndex.reset();
    clearHistory();
}

void DeviceModel::expireRaw() {
    if (!raw_ || now_ < raw_->deadline) return;
    // The payload never completed: whatever came of it is not a frame either.
    const std::size_t partial = std::min(input_.size(), raw_->count);
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(partial));
    discardedBytes_ += partial;
    raw_.reset();
}

}  // namespace vardeck::sim
