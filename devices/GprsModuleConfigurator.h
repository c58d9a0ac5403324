#pragma once
#include <string>
#include <vector>

#include "devices/GprsModuleControls.h"
#include "devices/GprsModuleLine.h"
#include "devices/GprsModuleMemory.h"
#include "devices/GprsModuleTransfer.h"

namespace vardeck::devices {

// The 8-input GPRS module's screen logic: reading the module's settings into the
// controls, writing them back, and the rules that keep the fields consistent while
// the installer edits them. It works on controls and a line that others own (the
// main view's in the program), so it runs the same with or without the search.
class GprsModuleConfigurator {
public:
    // States of the line's protocol number besides the transfer's 100 and 101.
    static constexpr int kFirstAreaRead = 110;
    static constexpr int kAllRead = 120;
    static constexpr int kFirstAreaWritten = 130;
    static constexpr int kAllWritten = 131;
    static constexpr int kReadFrames = gprsmodule::kFirstAreaReadCount + gprsmodule::kSecondAreaReadCount;
    static constexpr int kWriteFrames = gprsmodule::kFirstAreaWriteCount + gprsmodule::kSecondAreaWriteCount;

    GprsModuleConfigurator(GprsModuleControls& controls, GprsModuleLine& line);

    // The device was handed over: the read and write buttons are enabled.
    void handOver();
    // BitBtn2 "Olvasás"; nothing happens while the button is disabled.
    void BitBtn2Click();
    // BitBtn1 "Elküldés"; false (nothing sent) while the button is disabled.
    bool BitBtn1Click();
    // The rule that follows a change of the named control (by the installer, or set
    // from outside); other names are ignored.
    void controlChanged(const std::string& name);

    // The line's send timer and receive routine.
    void sendStep() { transfer_.sendStep(); }
    void validReply(const uint8_t* reply) { transfer_.validReply(reply); }

    bool busy() const { return transfer_.running(); }
    bool ready() const;
    // The fields the installer edits, in screen order.
    std::vector<std::string> editableControls() const;
    const gprsmodule::WorkingCopy& workingCopy() const { return copy_; }

private:
    void stateEntered(int state);
    void showFirstArea();
    void showSecondArea();
    void fillFirstArea();
    void fillSecondArea();
    void transferEnded();
    void showProgressBar(int max);
    void clientCodeChanged();
    void clientCodeModeChanged();

    GprsModuleControls& c_;
    gprsmodule::WorkingCopy copy_{};
    // Bytes 0-3 as last read: what a list without a selection writes back.
    std::array<uint8_t, gprsmodule::kFirstAreaWriteCount> firstAreaAsRead_{};
    GprsModuleTransfer transfer_;
};

}  // namespace vardeck::devices
