#pragma once
#include <functional>
#include <optional>
#include <string>

#include "z4config/Z4Messages.h"
#include "z4config/Z4ProfileMenu.h"
#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/ModuleStatus.h"

namespace vardeck::z4screen {

// The module status view Z4Form2: the live status of the module as the status
// polling reads it, cycle after cycle, with the link watch ("COM OK" while cycles
// complete, "COM ERROR" about three seconds after the last one).
class StatusView : public controls::ControlOwner {
public:
    // How the view is opened: the model and firmware of the module and the brand.
    struct Setup {
        int deviceType = 0;
        int firmwareVersion = 0;
        bool temperatureHidden = false;  // the hand-over or the firmware hid it
        int brandCode = 0;
        std::optional<z4config::WindowScale> scale;  // the first opening of the run only
    };

    StatusView();

    // The menu action and the activation: the view starts empty and red until the
    // first cycle completes.
    void open(const Setup& setup);
    void close() { Timer1.stop(); }
    // A complete status cycle.
    void showCycle(const StatusBlock& block, int length, const z4config::MessageLookup& messages);
    // The one-second timer Timer1.
    void secondElapsed();
    // How the first opening of the run scales the window, once.
    std::optional<z4config::WindowScale> takeWindowScale();

    const std::optional<ModuleStatus>& lastStatus() const { return last_; }
    int connections() const { return connections_; }
    int linkCounter() const { return linkCounter_; }

    controls::Form& Z4Form2 = registry_.add<controls::Form>("Z4Form2", "Modul állapot");
    controls::Label& Label1 = registry_.add<controls::Label>("Label1", "Be1:");
    controls::Label& Label2 = registry_.add<controls::Label>("Label2", "Be2:");
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", "Be3:");
    controls::Label& Label4 = registry_.add<controls::Label>("Label4", "Be4:");
    controls::Panel& Panel1 = registry_.add<controls::Panel>("Panel1");
    controls::Panel& Panel2 = registry_.add<controls::Panel>("Panel2");
    controls::Panel& Panel3 = registry_.add<controls::Panel>("Panel3");
    controls::Panel& Panel4 = registry_.add<controls::Panel>("Panel4");
    controls::Label& Label9 = registry_.add<controls::Label>("Label9", "Tamper:");
    controls::Panel& Panel5 = registry_.add<controls::Panel>("Panel5");
    controls::Label& Label10 = registry_.add<controls::Label>("Label10", "Tápfesz:");
    controls::Panel& Panel6 = registry_.add<controls::Panel>("Panel6");
    controls::Label& Label12 = registry_.add<controls::Label>("Label12", "Ki1");
    controls::Panel& Panel7 = registry_.add<controls::Panel>("Panel7");
    controls::Label& Label13 = registry_.add<controls::Label>("Label13", "Ki2");
    controls::Panel& Panel8 = registry_.add<controls::Panel>("Panel8");
    controls::Label& Label14 = registry_.add<controls::Label>("Label14", "Élesítés:");
    controls::Panel& Panel9 = registry_.add<controls::Panel>("Panel9");
    controls::Label& Label7 = registry_.add<controls::Label>("Label7", "Hibakód:");
    controls::Edit& Edit1 = registry_.add<controls::Edit>("Edit1");
    controls::Label& Label8 = registry_.add<controls::Label>("Label8", "GSM Státusz:");
    controls::Edit& Edit2 = registry_.add<controls::Edit>("Edit2");
    controls::Label& Label6 = registry_.add<controls::Label>("Label6", "Térerő");
    controls::Gauge& Gauge1 = registry_.add<controls::Gauge>("Gauge1", 31);
    controls::Label& Label11 = registry_.add<controls::Label>("Label11", "Hőméséklet:");
    controls::Edit& Edit3 = registry_.add<controls::Edit>("Edit3");
    controls::Label& Label15 = registry_.add<controls::Label>("Label15", "Utolsó CID kód:");
    controls::Edit& Edit4 = registry_.add<controls::Edit>("Edit4");
    controls::Label& Label16 = registry_.add<controls::Label>("Label16", "Ügyfélkód:");
    controls::Edit& Edit5 = registry_.add<controls::Edit>("Edit5");
    controls::Label& Label17 = registry_.add<controls::Label>("Label17", "Part+Zóna:");
    controls::Edit& Edit6 = registry_.add<controls::Edit>("Edit6");
    controls::Label& Label18 = registry_.add<controls::Label>("Label18", "Eseménykód:");
    controls::Edit& Edit7 = registry_.add<controls::Edit>("Edit7");
    // The connection counter, kept hidden.
    controls::Label& Label5 = registry_.add<controls::Label>("Label5");
    controls::Lamp& TILed1 = registry_.add<controls::Lamp>("TILed1");
    controls::StatusBar& StatusBar1 = registry_.add<controls::StatusBar>("StatusBar1", 2);
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Kilépés");
    controls::ModelTimer& Timer1 = timers_.add("Timer1", 1000);

    // The view is this tall when it shows the last Contact ID message.
    static constexpr int kContactIdHeight = 620;

private:
    void showPanels(const ModuleStatus& s);

    Setup setup_;
    std::optional<ModuleStatus> last_;
    int linkCounter_ = 0;
    int connections_ = 0;
    bool scaled_ = false;
    std::optional<z4config::WindowScale> pendingScale_;
};

// The gauge colour of a signal band.
controls::Rgb signalBandColor(SignalBand band);

}  // namespace vardeck::z4screen
