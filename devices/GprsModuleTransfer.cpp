#include "devices/GprsModuleTransfer.h"

namespace vardeck::devices {
namespace {

constexpr uint8_t kReadCommand = 0x00;
constexpr uint8_t kWriteCommand = 0x01;

}  // namespace

GprsModuleTransfer::GprsModuleTransfer(GprsModuleLine& line, std::span<uint8_t> workingCopy)
    : line_(line), copy_(workingCopy) {}

void GprsModuleTransfer::startRead(int address, int count, int nextState) {
    start(kReadBytes, address, count, nextState);
}

void GprsModuleTransfer::startWrite(int address, int count, int nextState) {
    start(kWriteBytes, address, count, nextState);
}

bool GprsModuleTransfer::running() const {
    return line_.state() == kReadBytes || line_.state() == kWriteBytes;
}

void GprsModuleTransfer::start(int state, int address, int count, int nextState) {
    address_ = address;
    // Never more frames than the working copy has positions for.
    remaining_ = count < 0 ? 0 : (count > static_cast<int>(copy_.size()) ? static_cast<int>(copy_.size()) : count);
    position_ = 0;
    nextState_ = nextState;
    line_.setState(state);
    line_.beginTransfer();
    sendCurrent();
}

void GprsModuleTransfer::sendStep() {
    if (running()) sendCurrent();
}

void GprsModuleTransfer::sendCurrent() {
    if (remaining_ <= 0) return;
    const auto high = static_cast<uint8_t>(address_ >> 8);
    const auto low = static_cast<uint8_t>(address_ & 0xFF);
    const std::size_t position = static_cast<std::size_t>(position_);
    if (line_.state() == kReadBytes) {
        line_.sendFrame(makeFrame(high, kReadCommand, low, 0x00));
    } else {
        line_.sendFrame(makeFrame(high, kWriteCommand, low, copy_[position]));
    }
}

void GprsModuleTransfer::validReply(const uint8_t* reply) {
    if (!running() || remaining_ <= 0) return;
    if (line_.state() == kReadBytes) copy_[static_cast<std::size_t>(position_)] = reply[3];
    ++position_;
    --remaining_;
    ++address_;
    if (onProgress) onProgress();
    if (remaining_ > 0) {
        sendCurrent();
        return;
    }
    line_.setState(nextState_);
    if (onStateEntered) onStateEntered(nextState_);
}

}  // namespace vardeck::devices
