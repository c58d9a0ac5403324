#pragma once
#include <cstdint>
#include <functional>
#include <span>

#include "devices/GprsModuleLine.h"

namespace vardeck::devices {

// The GPRS module's byte-wise transfer: consecutive addresses, one six-byte frame
// each, between the module and the screen's working copy. A valid reply (any valid
// reply: the module's answer is not matched to its address) stores the data byte
// when reading, and sends the next frame at once; a frame without a valid reply is
// repeated by the line's send timer, without limit. When the last frame has been
// answered the line enters the transfer's next state and onStateEntered runs.
class GprsModuleTransfer {
public:
    static constexpr int kReadBytes = 100;
    static constexpr int kWriteBytes = 101;

    GprsModuleTransfer(GprsModuleLine& line, std::span<uint8_t> workingCopy);

    // Reads `count` bytes from `address` into the working copy from position 0.
    void startRead(int address, int count, int nextState);
    // Writes the working copy from position 0 to `count` bytes from `address`.
    void startWrite(int address, int count, int nextState);
    bool running() const;

    // The send timer's step: the current frame once more.
    void sendStep();
    // A valid six-byte reply arrived.
    void validReply(const uint8_t* reply);

    // After every valid reply of a transfer (the progress gauge).
    std::function<void()> onProgress;
    // The line has entered the next state of a finished transfer.
    std::function<void(int state)> onStateEntered;

private:
    void start(int state, int address, int count, int nextState);
    void sendCurrent();

    GprsModuleLine& line_;
    std::span<uint8_t> copy_;
    int address_ = 0;
    int remaining_ = 0;
    int position_ = 0;
    int nextState_ = 0;
};

}  // namespace vardeck::devices
