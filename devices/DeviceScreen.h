#pragma once
#include <functional>
#include <string>
#include <vector>

#include "controls/ControlOwner.h"
#include "controls/Dialogs.h"

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
};

}  // namespace vardeck::devices
