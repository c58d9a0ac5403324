#pragma once
#include "serial/CustomAsynComm32.h"

namespace vardeck {

// The serial channel component every device screen owns. Properties and defaults:
//   DeviceName "COM2" (see PortNames.h for the names it takes), BaudRate cbr9600,
//   Parity paNone, Stopbits sb10, Databits da8, MonitorEvents all nine events,
//   ReadBufferSize 4096, WriteBufferSize 2048, FlowControl fcDefault,
//   XonChar 17, XoffChar 19, Options empty.
// The line setters change an open device at once, without reopening it;
// DeviceName, MonitorEvents and the queue sizes take effect at the next Open.
// ReadBufferSize is the size of the channel's input queue (4096 when not above 0);
// the driver sizes its own output queue, so WriteBufferSize is kept but changes
// nothing on POSIX. A setter given 4 data bits or 1.5 stop bits stores the value
// but leaves an open device unchanged; the next Open then fails with EINVAL.
class TAsynComm32 : public TCustomAsynComm32 {
public:
    explicit TAsynComm32(Dispatcher& dispatcher) : TCustomAsynComm32(dispatcher) {}

    const std::string& DeviceName() const override { return deviceName_; }
    void SetDeviceName(const std::string& name) override { deviceName_ = name; }

    TBaudRate BaudRate() const override { return line_.baudRate; }
    void SetBaudRate(TBaudRate rate) override { setLine(line_.baudRate, rate, LineItem::BaudRate); }
    TParity Parity() const { return line_.parity; }
    void SetParity(TParity parity) { setLine(line_.parity, parity, LineItem::Parity); }
    TStopbits Stopbits() const { return line_.stopbits; }
    void SetStopbits(TStopbits bits) { setLine(line_.stopbits, bits, LineItem::Stopbits); }
    TDatabits Databits() const { return line_.databits; }
    void SetDatabits(TDatabits bits) { setLine(line_.databits, bits, LineItem::Databits); }
    TFlowControl FlowControl() const { return line_.flowControl; }
    void SetFlowControl(TFlowControl flow) { setLine(line_.flowControl, flow, LineItem::FlowControl); }
    char XonChar() const { return line_.xonChar; }
    void SetXonChar(char c) { setLine(line_.xonChar, c, LineItem::XonXoff); }
    char XoffChar() const { return line_.xoffChar; }
    void SetXoffChar(char c) { setLine(line_.xoffChar, c, LineItem::XonXoff); }
    TAsynComm32Options Options() const { return line_.options; }
    void SetOptions(TAsynComm32Options options) { setLine(line_.options, options, LineItem::Options); }

    TC32EventType MonitorEvents() const { return monitorEvents_; }
    void SetMonitorEvents(TC32EventType events) { monitorEvents_ = events; }
    int32_t ReadBufferSize() const { return readBufferSize_; }
    void SetReadBufferSize(int32_t size) { readBufferSize_ = size; }
    int32_t WriteBufferSize() const { return writeBufferSize_; }
    void SetWriteBufferSize(int32_t size) { writeBufferSize_ = size; }

private:
    // Stores a line setting and pushes it to the device when the channel is open.
    template <typename T>
    void setLine(T& field, T value, LineItem item) {
        field = value;
        ApplyLineItem(item);
    }
};

}  // namespace vardeck
