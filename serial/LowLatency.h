#pragma once
#include <string>

namespace vardeck {

// USB serial adapters hold the bytes they receive until their latency timer fires
// (16 ms by default on the most common chips), which adds a timer period to every
// short reply. The drivers' low-latency mode (the serial flag ASYNC_LOW_LATENCY,
// set with TIOCSSERIAL) makes the common ones use a 1 ms timer instead.
//
// The channel asks for it when it opens a USB serial adapter and gives it back at
// close, so that no port is left in low-latency mode by the program.
enum class LowLatencyState {
    NotAsked,   // the channel is closed, or the device is no USB serial adapter
    On,         // switched on at open; switched off again at close
    AlreadyOn,  // the device was in low-latency mode already; it stays as it was
    Refused,    // the driver has no such mode, or refused it to this user
};

// "on", "already on", "refused by the driver", "not a USB serial adapter".
const char* lowLatencyText(LowLatencyState state);

// True when the terminal device at `path` (a symbolic link such as a
// /dev/serial/by-id name is followed) belongs to the USB serial adapter drivers:
// its sysfs device is on the "usb-serial" bus. `root` lets tests use a made-up tree.
bool isUsbSerialAdapter(const std::string& path, const std::string& root = "/");

// The driver's serial flags of one device. The terminal implementation reads and
// writes them with TIOCGSERIAL and TIOCSSERIAL; tests give a made-up driver.
class SerialFlags {
public:
    virtual ~SerialFlags() = default;
    // False when the driver does not give or take them.
    virtual bool read(int& flags) = 0;
    virtual bool write(int flags) = 0;
};

// The serial flags of an open terminal device.
class TerminalSerialFlags : public SerialFlags {
public:
    explicit TerminalSerialFlags(int fd) : fd_(fd) {}
    bool read(int& flags) override;
    bool write(int flags) override;

private:
    int fd_;
};

// Switches low-latency mode on where it is off. Never fails: a driver that refuses
// leaves the device as it was (Refused).
LowLatencyState enableLowLatency(SerialFlags& flags);
// Undoes what enableLowLatency did (only for On): clears the flag again, leaving
// every other flag as the driver holds it now.
void restoreLowLatency(SerialFlags& flags, LowLatencyState state);

}  // namespace vardeck
