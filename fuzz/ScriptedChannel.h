#pragma once
// A serial channel for the fuzz targets: hands a screen the bytes the script delivers
// and keeps only the last frame the screen wrote, so that a long script costs no more
// than its steps. A port that is closed receives nothing, as a real one does.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "serial/CommChannel.h"
#include "z4link/Frame.h"

namespace vardeck::fuzz {

class ScriptedChannel : public CommChannel {
public:
    void Open() override { open_ = !refuseOpen; }
    void Close() override {
        open_ = false;
        input_.clear();
        at_ = 0;
    }
    bool IsOpen() const override { return open_; }
    int Write(const uint8_t* buffer, int count) override {
        if (count <= 0) return 0;
        if (onWrite) onWrite({buffer, static_cast<std::size_t>(count)});
        if (count >= static_cast<int>(kFrameSize)) {
            Frame f{};
            std::copy_n(buffer, kFrameSize, f.begin());
            lastFrame = f;
            ++frames;
        }
        return count;
    }
    int Read(uint8_t* buffer, int count) override {
        const int n = std::min(count, waiting());
        if (n <= 0) return 0;
        std::memcpy(buffer, input_.data() + at_, static_cast<std::size_t>(n));
        at_ += static_cast<std::size_t>(n);
        if (at_ == input_.size()) {
            input_.clear();
            at_ = 0;
        }
        return n;
    }
    const std::string& DeviceName() const override { return name_; }
    void SetDeviceName(const std::string& name) override { name_ = name; }
    TBaudRate BaudRate() const override { return baud_; }
    void SetBaudRate(TBaudRate rate) override { baud_ = rate; }

    // Bytes from the device: queued, then one notification with the waiting count.
    void deliver(std::span<const uint8_t> bytes) {
        if (!open_ || bytes.empty()) return;
        input_.insert(input_.end(), bytes.begin(), bytes.end());
        if (OnRxChar) OnRxChar(*this, waiting());
    }
    int waiting() const { return static_cast<int>(input_.size() - at_); }

    // The port's next openings fail (a device unplugged, a port taken by another program).
    bool refuseOpen = false;
    // The first six bytes of the last write of six bytes or more, and how many such writes came.
    std::optional<Frame> lastFrame;
    unsigned frames = 0;
    // Every write as it is made (the seed recorder hands them to a simulated device).
    std::function<void(std::span<const uint8_t>)> onWrite;

private:
    bool open_ = false;
    std::vector<uint8_t> input_;
    std::size_t at_ = 0;
    std::string name_ = "COM1";
    TBaudRate baud_ = cbr9600;
};

}  // namespace vardeck::fuzz
