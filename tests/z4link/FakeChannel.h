#pragma once
#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "serial/CommChannel.h"

namespace vardeck::testing {

// A scripted serial channel: records what the screen writes, opens and closes, and
// hands it bytes through OnRxChar the way the real channel does (the count is what
// is waiting in the queue).
class FakeChannel : public CommChannel {
public:
    void Open() override {
        open_ = true;
        ++openCount;
        openedNames.push_back(name_);
    }
    void Close() override {
        if (open_) ++closeCount;
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    int Write(const uint8_t* buffer, int count) override {
        writes.emplace_back(buffer, buffer + count);
        if (!open_) writesWhileClosed++;
        return count;
    }
    int Read(uint8_t* buffer, int count) override {
        const int n = std::min<int>(count, static_cast<int>(input_.size()));
        for (int i = 0; i < n; ++i) {
            buffer[i] = input_.front();
            input_.pop_front();
        }
        return n;
    }
    const std::string& DeviceName() const override { return name_; }
    void SetDeviceName(const std::string& name) override { name_ = name; }
    TBaudRate BaudRate() const override { return baud_; }
    void SetBaudRate(TBaudRate rate) override { baud_ = rate; }

    // Queues bytes and notifies once with the waiting count.
    void deliver(const std::vector<uint8_t>& bytes) {
        input_.insert(input_.end(), bytes.begin(), bytes.end());
        if (OnRxChar) OnRxChar(*this, static_cast<int>(input_.size()));
    }
    int waiting() const { return static_cast<int>(input_.size()); }

    std::vector<std::vector<uint8_t>> writes;
    std::vector<std::string> openedNames;
    int openCount = 0;
    int closeCount = 0;
    int writesWhileClosed = 0;

private:
    bool open_ = false;
    std::string name_ = "COM2";
    TBaudRate baud_ = cbr9600;
    std::deque<uint8_t> input_;
};

}  // namespace vardeck::testing
