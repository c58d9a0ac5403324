#pragma once
#include "serial/CommChannel.h"
#include "serial/Dispatcher.h"
#include "sim/SimEndpoint.h"

#include <deque>
#include <memory>

namespace vardeck::sim {

// A CommChannel with a simulated device on the other end, in the same process
// and on virtual time: no threads, no sleeps. Write() hands the bytes to the
// device at the channel's current time; the replies become readable, and are
// announced through OnRxChar, when the test pumps with deliver() or advance().
// With a dispatcher, every write also posts a deliver(), so a screen driven by
// an event loop gets its immediate replies without the test pumping by hand.
class LoopbackChannel : public CommChannel {
public:
    explicit LoopbackChannel(SimEndpoint& device, Dispatcher* dispatcher = nullptr);
    ~LoopbackChannel() override;

    void Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    int Write(const uint8_t* buffer, int count) override;
    int Read(uint8_t* buffer, int count) override;

    const std::string& DeviceName() const override { return deviceName_; }
    void SetDeviceName(const std::string& name) override { deviceName_ = name; }
    TBaudRate BaudRate() const override { return baudRate_; }
    void SetBaudRate(TBaudRate rate) override;

    // Moves the replies due by now into the input queue and, when any came,
    // notifies OnRxChar with the number waiting. Returns how many came.
    int deliver();
    // Lets time pass on the virtual clock, then delivers.
    int advance(SimTime elapsed);
    // Advances to the next moment the device has something to do (a reply byte
    // arriving, a time-out of its own), if any, and delivers.
    int advanceToNextEvent();
    SimTime now() const { return now_; }

    // Reply bytes take the time of the channel's line speed, byte by byte.
    void setPaced(bool paced);
    // The next `count` writes are refused (return 0) as if the previous write
    // were still in progress.
    void refuseWrites(int count) { refusedWrites_ = count; }
    // Everything written while open, in order, for tests.
    const Bytes& written() const { return written_; }
    std::size_t waiting() const { return input_.size(); }

private:
    void applyPace();

    SimEndpoint& device_;
    Dispatcher* dispatcher_;
    // Lets posted deliveries notice that the channel is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool open_ = false;
    bool paced_ = false;
    int refusedWrites_ = 0;
    std::string deviceName_ = "loopback";
    TBaudRate baudRate_ = cbr9600;
    SimTime now_{0};
    std::deque<uint8_t> input_;
    Bytes written_;
};

}  // namespace vardeck::sim
