#pragma once
#include <string>
#include <vector>

#include "z4link/VersionEffects.h"
#include "z4link/Z4Link.h"

namespace vardeck {

struct VerifyDifference;

// What the transfer engine shows and asks on the configurator screen. The
// screen model implements it; every call comes on the user-interface thread,
// from inside tick(), a receive notification or a user action of the engine.
// The defaults do nothing (and answer questions with No), so a tool without a
// window overrides only what it uses.
class TransferListener {
public:
    virtual ~TransferListener() = default;

    // Status bar: panel 0 the port name, panel 2 the firmware version, panel 3
    // the operation text.
    virtual void setStatusPanel(int /*panel*/, const std::string& /*text*/) {}

    // The progress gauge `kijelzo`.
    virtual void setGaugeMax(int /*max*/) {}
    virtual void setGaugeProgress(int /*progress*/) {}
    virtual void setGaugeVisible(bool /*visible*/) {}

    // `BitBtn1` ("Elküldés") and `BitBtn2` ("Olvasás") together.
    virtual void setTransferButtonsEnabled(bool /*enabled*/) {}

    // `Label99`: the PC time, on every tick.
    virtual void showTime(const ModuleClockTime& /*now*/) {}

    // A modal message, and a Yes/No question (true for Yes).
    virtual void showMessage(const std::string& /*text*/) {}
    virtual bool askYesNo(const std::string& /*question*/) { return false; }

    // Before a write all: every editor page brings its controls up to date.
    virtual void refreshEditorPages() {}
    // The editor is encoded into the image (before a write) or filled from it
    // (after a complete read).
    virtual void encodeImage() {}
    virtual void decodeImage() {}
    // After a byte-wise or 256-byte read: the output 2 time unit `KI2SECMIN`
    // goes back to its first item.
    virtual void resetOutputTimeUnit() {}

    // After a firmware version reply: controls that depend on the version.
    virtual void applyControlEffects(const std::vector<ControlEffect>& /*effects*/) {}
    // The version reply that follows a firmware download closes its view.
    virtual void closeFirmwareView() {}
    // The system beep (a failed data-image upload beeps four times).
    virtual void beep() {}
    // A verify after write ended; empty when the module holds what was written.
    virtual void verified(const std::vector<VerifyDifference>& /*differences*/) {}
};

}  // namespace vardeck
