#pragma once
#include "serial/C32Device.h"
#include "serial/C32Thread.h"
#include "serial/CommChannel.h"
#include "serial/CommTypes.h"
#include "serial/Dispatcher.h"
#include "serial/HandOver.h"
#include "serial/LineSettings.h"
#include "serial/LowLatency.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vardeck {

// The serial channel's state and operations on a POSIX terminal device.
// TAsynComm32 publishes the properties; this class holds them and does the work.
//
// Every operation and every notification runs on the thread that owns the
// dispatcher (the user-interface thread). Open starts a reader thread (TC32Thread)
// that hands each line event over through the dispatcher and waits until it has
// been served; the event handler then queries the line status once and calls the
// notifications in a fixed order. The dispatcher must outlive the channel.
//
// Open opens the device exclusively: flock(LOCK_EX | LOCK_NB) keeps out every
// other channel and every program that locks too (also a second open by root),
// and TIOCEXCL keeps out other programs of ordinary users.
class TCustomAsynComm32 : public CommChannel {
public:
    using TNotifyEvent = std::function<void(CommChannel& sender)>;

    explicit TCustomAsynComm32(Dispatcher& dispatcher);
    ~TCustomAsynComm32() override;
    TCustomAsynComm32(const TCustomAsynComm32&) = delete;
    TCustomAsynComm32& operator=(const TCustomAsynComm32&) = delete;

    // Closes the channel if it is open, then opens DeviceName with the current
    // properties. Ends by calling OnOpen(provider subtype, errno) in every case:
    // (kProviderRs232, 0) on success; (0, errno) on failure, the channel closed.
    // EINVAL: 4 data bits or 1.5 stop bits; EBUSY: held by another channel or
    // program; ENOTTY: not a terminal; ENOENT: no such device (also for a name
    // that stands for no device).
    void Open() override;
    // Stops the reader thread (dropping a hand-over not yet served), discards
    // received bytes and a write still in progress, closes the device.
    void Close() override;
    bool IsOpen() const override;
    // Sends without blocking. Returns the byte count when the device took all of
    // them at once; 0 when the rest goes on in the background (the write is then
    // in progress), when the previous write is still in progress (nothing sent),
    // when the device refused it, on a closed channel or a lost device.
    int Write(const uint8_t* buffer, int count) override;
    // Copies up to count received bytes; returns how many were copied.
    int Read(uint8_t* buffer, int count) override;
    // Whether the open device is in its driver's low-latency mode (see LowLatency.h):
    // Open asks for it on a USB serial adapter, Close switches it off again.
    LowLatencyState LowLatency() const { return lowLatency_; }

    TNotifyEvent OnBreak;
    TNotifyEvent OnCTS;
    TNotifyEvent OnDSR;
    TNotifyEvent OnRing;
    TNotifyEvent OnRLSD;
    TNotifyEvent OnRxFlag;
    TNotifyEvent OnTxEmpty;

protected:
    // Pushes one changed line setting to the open device at once (nothing when
    // closed). On EINVAL (4 data bits, 1.5 stop bits) the device stays unchanged.
    void ApplyLineItem(LineItem item);

    std::string deviceName_ = "COM2";
    LineSettings line_;
    TC32EventType monitorEvents_ = kAllC32Events;
    int32_t readBufferSize_ = 4096;
    int32_t writeBufferSize_ = 2048;

private:
    // Opens and configures the device; returns 0 or an errno (the channel then stays closed).
    int OpenDevice();
    // The event handler: runs on the user-interface thread for one event mask.
    void HandleEvents(TC32EventType events);

    Dispatcher& dispatcher_;
    int fd_ = -1;
    std::unique_ptr<C32Device> device_;
    std::shared_ptr<HandOver> handOver_;
    std::unique_ptr<TC32Thread> thread_;
    // Counts closes; shared so that a notification can tell, after calling out,
    // whether its owner closed, reopened or destroyed the channel meanwhile.
    std::shared_ptr<unsigned> closeCount_ = std::make_shared<unsigned>(0);
    // The line status of the last event: error word and bytes waiting.
    int lastErrors_ = 0;
    int lastWaiting_ = 0;
    LowLatencyState lowLatency_ = LowLatencyState::NotAsked;
};

}  // namespace vardeck
