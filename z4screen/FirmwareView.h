#pragma once
#include <string>

#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/FirmwareDownloadStates.h"

namespace vardeck::z4screen {

// The firmware view Z4Form9: the module's processor and firmware, "Download Start",
// the phase of the download and its progress; the FPGA phase's progress moves with
// the view's own 500 ms timer.
class FirmwareView : public controls::ControlOwner {
public:
    FirmwareView(FirmwareDownloadStates& states, const std::string& brandFirmwareLabel);

    void open();
    void close();
    void downloadClicked();  // Button1
    void timerTick();        // Timer1, during the FPGA phase

    controls::Form& Z4Form9 = registry_.add<controls::Form>("Z4Form9", "Firmware");
    controls::Label& Label1 =
        registry_.add<controls::Label>("Label1", "Firmware download FPGA (Tápot ne húzza le FPGA letöltésekor)");
    controls::Label& Label2 = registry_.add<controls::Label>("Label2", "?");
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", "SW:");
    controls::Label& Label4 = registry_.add<controls::Label>("Label4", "HW:");
    controls::Label& Label5 = registry_.add<controls::Label>("Label5", "BW:");
    controls::Label& Label6 = registry_.add<controls::Label>("Label6", "Nincs elérhető új Firmware!");
    controls::Button& Button1 = registry_.add<controls::Button>("Button1", "Download Start");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Kilépés");
    controls::Gauge& ProgressBar1 = registry_.add<controls::Gauge>("ProgressBar1", 255);
    controls::ModelTimer& Timer1 = timers_.add("Timer1", 500);

private:
    FirmwareDownloadStates& states_;
};

}  // namespace vardeck::z4screen
