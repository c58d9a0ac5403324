#pragma once
#include "serial/CommTypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vardeck {

// The seam between a screen and its serial line. Screens talk only to this
// interface: TAsynComm32 implements it on a real device, the simulator's
// loopback channel implements it in-process for the tests.
//
// All calls, and all notifications, happen on the user-interface thread.
class CommChannel {
public:
    virtual ~CommChannel() = default;

    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Starts sending; 0 and nothing sent while the previous write is still in progress.
    virtual int Write(const uint8_t* buffer, int count) = 0;
    // Copies up to count received bytes; returns how many were copied.
    virtual int Read(uint8_t* buffer, int count) = 0;

    virtual const std::string& DeviceName() const = 0;
    virtual void SetDeviceName(const std::string& name) = 0;
    virtual TBaudRate BaudRate() const = 0;
    virtual void SetBaudRate(TBaudRate rate) = 0;

    // Bytes are waiting: count is the number waiting in the input queue at the
    // moment of the notification (it may be 0 when they were already read).
    std::function<void(CommChannel& sender, int count)> OnRxChar;
    // Called at the end of every Open: provider subtype and the OS error (0 on success).
    std::function<void(CommChannel& sender, int providerSubType, int error)> OnOpen;
    // Line errors; the error word, or (on POSIX) a negative errno when the device was lost.
    std::function<void(CommChannel& sender, int errors)> OnError;
};

}  // namespace vardeck
