#pragma once
#include <string>
#include <vector>

#include "z4config/WindowSizeView.h"
#include "z4config/Z4MenuViews.h"
#include "z4config/Z4Messages.h"
#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

namespace vardeck::z4screen {

// The views the configurator's menu bar opens modally.
enum class MenuView {
    Wiring,                // Z4Form4, "Bekötési rajz"
    InstallerDescription,  // leiras, "Telepítői leírás"
    Contact,               // Z4Form8, "Contact"
    WindowSize,            // Z4Form7, "Képernyő felbontás beállítása"
    Status,                // Z4Form2, "Modul állapot"
    Monitor,               // Z4Form3, "Monitor"
    EventLog,              // z4Form5, "Naplo kiolvasása"
    SignalChart,           // Z4Form6, "Térerő"
    SmsCentre,             // SMSk, "SMS központ telefonszám"
    Balance,               // MESS1, "Egyenleg lekérdezés (T-Mobile)"
    Firmware,              // Z4Form9, "Szoftver frissítés"
};

// One terminal of a model's connector, as the wiring picture labels and wires it.
struct WiringTerminal {
    enum class Kind { Supply, Ground, Input, Tamper, Output, PhoneLine };
    std::string name;
    Kind kind;
};
// The connector of each model, left to right; the antennas are drawn apart from it.
std::vector<WiringTerminal> wiringTerminals(int deviceType);
bool hasGpsAntenna(int deviceType);

// The wiring-picture view Z4Form4: its page TabSheet4 with the module's wiring
// (Image1) and the wiring of the second output (Image2, not on a one-output model).
class WiringView : public controls::ControlOwner {
public:
    // Caption, page title and pictures for the connected model and the brand.
    void activate(int deviceType, int brandCode);
    int deviceType() const { return deviceType_; }

    controls::Form& Z4Form4 = registry_.add<controls::Form>("Z4Form4", "Bekötési rajz");
    controls::Page& TabSheet4 = registry_.add<controls::Page>("TabSheet4", "Bekötés");
    controls::Picture& Image1 = registry_.add<controls::Picture>("Image1");
    controls::Picture& Image2 = registry_.add<controls::Picture>("Image2");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", z4config::kCloseButtonCaption);

private:
    int deviceType_ = 0;
};

// The installer-description view: a read-only text of the model's terminals and
// wiring, and a button that closes the view.
class InstallerDescriptionView : public controls::ControlOwner {
public:
    void activate(int deviceType);

    controls::Form& leiras = registry_.add<controls::Form>("leiras", "Telepítői leírás");
    controls::Label& Memo1 = registry_.add<controls::Label>("Memo1");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", z4config::kCloseButtonCaption);
};

// The contact view Z4Form8: the brand picture, the text of the start directory's
// "\contact.txt" and a button that closes the view.
class ContactView : public controls::ControlOwner {
public:
    // Empties the text and fills it from the file (nothing when the file is missing or
    // unreadable; a long or binary file shows its readable beginning with a note).
    void activate(const std::string& contactPath, const std::string& brandPicture,
                  const z4config::MessageLookup& messages);

    controls::Form& Z4Form8 = registry_.add<controls::Form>("Z4Form8", "Contact");
    controls::Picture& Image1 = registry_.add<controls::Picture>("Image1");
    controls::Label& Memo1 = registry_.add<controls::Label>("Memo1", z4config::kContactDesignText);
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", z4config::kCloseButtonCaption);
};

// The views of the menu bar, created with the configurator and kept for the run.
struct MenuViews {
    explicit MenuViews(int brandCode, z4config::SettingsAccess settings) : windowSize(brandCode, std::move(settings)) {}

    WiringView wiring;
    InstallerDescriptionView installer;
    ContactView contact;
    z4config::WindowSizeView windowSize;
};

}  // namespace vardeck::z4screen
