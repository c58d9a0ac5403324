#include "sim/LoopbackChannel.h"

#include <algorithm>

namespace vardeck::sim {

LoopbackChannel::LoopbackChannel(SimEndpoint& device, Dispatcher* dispatcher)
    : device_(device), dispatcher_(dispatcher) {}

LoopbackChannel::~LoopbackChannel() { *alive_ = false; }

void LoopbackChannel::Open() {
    open_ = true;
    input_.clear();
    if (OnOpen) OnOpen(*this, 0, 0);
}

void LoopbackChannel::Close() {
    open_ = false;
    // What was received and not read is gone with the port, and so are the
    // replies still on their way: nobody listens for them.
    input_.clear();
    device_.discardInFlight();
}

void LoopbackChannel::SetBaudRate(TBaudRate rate) {
    baudRate_ = rate;
    applyPace();
}

void LoopbackChannel::setPaced(bool paced) {
    paced_ = paced;
    applyPace();
}

void LoopbackChannel::applyPace() {
    device_.setByteTime(paced_ ? SimEndpoint::byteTimeAt(baudRateValue(baudRate_)) : SimTime{0});
}

int LoopbackChannel::Write(const uint8_t* buffer, int count) {
    if (!open_ || count <= 0 || buffer == nullptr) return 0;
    if (refusedWrites_ > 0) {
        --refusedWrites_;
        return 0;
    }
    written_.insert(written_.end(), buffer, buffer + count);
    device_.receive(std::span<const uint8_t>(buffer, static_cast<std::size_t>(count)), now_);
    if (dispatcher_) {
        std::weak_ptr<bool> alive = alive_;
        dispatcher_->post([this, alive] {
            if (auto flag = alive.lock(); flag && *flag) deliver();
        });
    }
    return count;
}

int LoopbackChannel::Read(uint8_t* buffer, int count) {
    if (buffer == nullptr || count <= 0) return 0;
    const int n = std::min(count, static_cast<int>(input_.size()));
    std::copy_n(input_.begin(), n, buffer);
    input_.erase(input_.begin(), input_.begin() + n);
    return n;
}

int LoopbackChannel::deliver() {
    device_.advanceTo(now_);
    const Bytes arrived = device_.takeDue(now_);
    // Bytes reaching a closed port are lost, as on a real line.
    if (!open_ || arrived.empty()) return 0;
    input_.insert(input_.end(), arrived.begin(), arrived.end());
    if (OnRxChar) OnRxChar(*this, static_cast<int>(input_.size()));
    return static_cast<int>(arrived.size());
}

int LoopbackChannel::advance(SimTime elapsed) {
    now_ += std::max(elapsed, SimTime{0});
    return deliver();
}

int LoopbackChannel::advanceToNextEvent() {
    const std::optional<SimTime> next = device_.nextEvent();
    if (next && *next > now_) now_ = *next;
    return deliver();
}

}  // namespace vardeck::sim
