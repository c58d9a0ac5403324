#include "serial/CustomAsynComm32.h"

#include "serial/CommStatus.h"
#include "serial/ExclusiveOpen.h"
#include "serial/LowLatency.h"
#include "serial/LowLatencyRestorer.h"
#include "serial/PortNames.h"

#include <termios.h>

#include <cerrno>

namespace vardeck {

TCustomAsynComm32::TCustomAsynComm32(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

TCustomAsynComm32::~TCustomAsynComm32() {
    Close();
    ++*closeCount_;  // a notification running this destruction must not go on
}

void TCustomAsynComm32::Open() {
    Close();
    int error = OpenDevice();
    auto onOpen = OnOpen;
    if (onOpen) onOpen(*this, error == 0 ? kProviderRs232 : 0, error);
}

int TCustomAsynComm32::OpenDevice() {
    int fd = -1;
    const std::string path = devicePathFor(deviceName_);
    if (int e = openExclusive(path, fd); e != 0) return e;
    if (int e = applyLineSettings(fd, line_); e != 0) {
        closeExclusive(fd);
        return e;
    }
    // A USB adapter passes replies on at once instead of holding them for its
    // latency timer; Close gives the setting back.
    LowLatencyState lowLatency = LowLatencyState::NotAsked;
    if (isUsbSerialAdapter(path)) {
        TerminalSerialFlags flags(fd);
        lowLatency = enableLowLatency(flags);
        // A signal that ends the program still gives the setting back.
        if (lowLatency == LowLatencyState::On) rememberLowLatencyPort(fd);
    }
    const size_t queueSize = readBufferSize_ > 0 ? static_cast<size_t>(readBufferSize_) : 4096;
    auto device = std::make_unique<C32Device>(fd, queueSize);
    device->bitsPerSecond.store(baudRateValue(line_.baudRate));
    device->stripNulls.store(line_.options.contains(osNullStrip));
    // The driver sizes its own queues on POSIX: writeBufferSize_ has nothing to set.

    auto handOver = HandOver::create([this](TC32EventType events) { HandleEvents(events); });
    auto thread = std::make_unique<TC32Thread>(*device, monitorEvents_, handOver, dispatcher_);
    if (int e = thread->Start(); e != 0) {
        thread.reset();
        forgetLowLatencyPort(fd);
        TerminalSerialFlags flags(fd);
        restoreLowLatency(flags, lowLatency);
        closeExclusive(fd);
        return e;
    }
    fd_ = fd;
    lowLatency_ = lowLatency;
    device_ = std::move(device);
    handOver_ = std::move(handOver);
    thread_ = std::move(thread);
    return 0;
}

void TCustomAsynComm32::Close() {
    if (fd_ < 0) return;
    ++*closeCount_;
    handOver_->drop();
    thread_->Terminate();
    thread_->WaitFor();
    thread_.reset();
    handOver_.reset();
    ::tcflush(fd_, TCIFLUSH);  // received bytes nobody read are gone, as with a purge
    forgetLowLatencyPort(fd_);
    TerminalSerialFlags flags(fd_);
    restoreLowLatency(flags, lowLatency_);
    lowLatency_ = LowLatencyState::NotAsked;
    closeExclusive(fd_);
    fd_ = -1;
    device_.reset();
}

bool TCustomAsynComm32::IsOpen() const { return fd_ >= 0; }

int TCustomAsynComm32::Write(const uint8_t* buffer, int count) {
    if (fd_ < 0 || device_->lostError.load() != 0) return 0;
    int taken = 0;
    switch (device_->output.start(fd_, buffer, count, taken)) {
    case PendingOutput::Start::Sent:
        return taken;
    case PendingOutput::Start::Queued:
        thread_->Wake();  // the reader thread now waits for room on the device
        return 0;
    case PendingOutput::Start::Busy:
    case PendingOutput::Start::Failed:
        return 0;
    }
    return 0;
}

int TCustomAsynComm32::Read(uint8_t* buffer, int count) {
    if (fd_ < 0 || count <= 0) return 0;
    auto got = device_->input.take(fd_, buffer, count, device_->stripNulls.load());
    if (got.freedRoom) thread_->Wake();
    return got.count;
}

void TCustomAsynComm32::ApplyLineItem(LineItem item) {
    if (fd_ < 0) return;
    // A refused value (EINVAL) leaves the device as it was; there is nobody to tell.
    (void)updateLineSetting(fd_, line_, item);
    device_->bitsPerSecond.store(baudRateValue(line_.baudRate));
    device_->stripNulls.store(line_.options.contains(osNullStrip));
}

void TCustomAsynComm32::HandleEvents(TC32EventType events) {
    if (fd_ < 0) return;
    // The line status, once for this event: the error word and the bytes waiting.
    int lost = device_->lostError.load();
    lastErrors_ = lost != 0 ? -lost : device_->lineErrors.exchange(0);
    lastWaiting_ = device_->input.waiting(fd_);
    const int errors = lastErrors_;
    const int waiting = lastWaiting_;

    // A notification may close, reopen or destroy the channel: then stop at once.
    // Each handler is copied first so that it may also replace itself.
    auto life = closeCount_;
    const unsigned closes = *life;
    auto notify = [&](TC32EventState event, const TNotifyEvent& handler) {
        if (*life != closes || !events.contains(event) || !handler) return;
        auto call = handler;
        call(*this);
    };
    notify(evBreak, OnBreak);
    notify(evCTS, OnCTS);
    notify(evDSR, OnDSR);
    if (*life == closes && events.contains(evError) && OnError) {
        auto call = OnError;
        call(*this, errors);
    }
    notify(evRing, OnRing);
    notify(evRlsd, OnRLSD);
    if (*life == closes && events.contains(evRxChar) && OnRxChar) {
        auto call = OnRxChar;
        call(*this, waiting);
    }
    notify(evRxFlag, OnRxFlag);
    notify(evTxEmpty, OnTxEmpty);
}

}  // namespace vardeck
