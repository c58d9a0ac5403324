#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ControlOwner.h"
#include "controls/Dialogs.h"

namespace vardeck {
class CommChannel;
}

namespace vardeck::devices {

// What a device screen gets from the program around it.
struct DeviceScreenEnvironment {
    int brand = 1;  // selects the settings key the port name is read from
    Dialogs* dialogs = nullptr;
    // True while the search still holds its own serial channel: a screen's send timer
    // waits until the device is free.
    std::function<bool()> searchHoldsChannel;
};

// A device screen as the window and the command line drive it: its controls and
// timers (ControlOwner), its read and write buttons and whether an operation runs.
// The four other devices (GPRS module, converter, geofence unit, tracker) each have
// one; `vardeck-cli device` runs them without a window on the same models.
class DeviceScreen : public controls::ControlOwner {
public:
    virtual ~DeviceScreen() = default;

    virtual int typeCode() const = 0;
    // The protocol state number of the screen.
    virtual int state() const = 0;
    // What the search's hand-over does to the screen: its starting state (the version
    // question, or idle) and its read and write buttons.
    virtual void handOver() = 0;
    // The read and write buttons are enabled (the device answered, nothing runs).
    virtual bool ready() const = 0;
    // True while a read or write is under way (its frames are still being sent).
    virtual bool busy() const = 0;
    // The read button. Nothing happens when the button is disabled.
    virtual void read() = 0;
    // The write button: the screen's checks, then the transfer. False when a check
    // refused the write (its message went to the dialogs) and nothing is sent.
    virtual bool write() = 0;
    // The control names `vardeck-cli device` exports and accepts, in screen order:
    // the fields an installer edits (buttons, labels and gauges are not among them).
    virtual std::vector<std::string> editableControls() const = 0;
    // The screen's rule after a control was set from outside (a JSON file): the same
    // rule a user's change of that control runs.
    virtual void controlChanged(const std::string& name) = 0;
    // A click on the button or menu item of that name, as the user would click it
    // (questions go to the dialogs). False when the screen has no such command.
    virtual bool click(const std::string& name) {
        (void)name;
        return false;
    }
};

}  // namespace vardeck::devices

namespace vardeck::devices {

// The screens by device type code (30, 50, 60, 61), each on a channel of its own.
// For the GPRS module (30) this is the module's screen with the send timer and reply
// buffer that Form1 otherwise shares with the search.
std::unique_ptr<DeviceScreen> makeGprsModuleScreen(CommChannel& channel, DeviceScreenEnvironment env);
std::unique_ptr<DeviceScreen> makeConverterScreen(CommChannel& channel, DeviceScreenEnvironment env);
std::unique_ptr<DeviceScreen> makeTrackerScreen(CommChannel& channel, DeviceScreenEnvironment env);
std::unique_ptr<DeviceScreen> makeGeofenceScreen(CommChannel& channel, DeviceScreenEnvironment env);

}  // namespace vardeck::devices
