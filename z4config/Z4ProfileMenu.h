#pragma once
#include <optional>
#include <string>

#include "z4config/ImageBinding.h"
#include "z4config/SettingsAccess.h"
#include "z4config/Z4Editor.h"
#include "z4config/Z4Messages.h"
#include "controls/Dialogs.h"

namespace vardeck::z4config {

// Opening a profile file for the editor's device type: when the file fits, its image
// bytes go into the image, its customer record into the fields, and the editor is
// decoded; otherwise nothing changes.
struct ProfileLoad {
    enum class Outcome { Loaded, Unreadable, TooShort, TooLong };
    Outcome outcome = Outcome::Unreadable;
    std::string reason;         // the system's reason when unreadable
    std::size_t fileSize = 0;   // bytes read (at most one more than a profile can have)
    std::size_t neededSize = 0; // the smallest profile the device type takes
};
ProfileLoad loadProfileFile(const std::string& path, Z4Editor& editor, Image& image);

// Saving the image (encoded by the caller) with the customer fields, each empty field
// as one space, in the editor too once the file is written. Returns the system's reason
// on failure (nothing changed then), else an empty text.
std::string saveProfileFile(const std::string& path, Z4Editor& editor, const Image& image);

// What the profile commands need from the program around them.
struct ProfileEnvironment {
    Dialogs* dialogs = nullptr;  // file choice and messages; without it the commands do nothing
    MessageLookup messages;      // empty: Hungarian texts
    SettingsAccess settings;     // "custom", "monitor"
    std::string personalProfilePath;  // "\custom.dat" of the start directory
    int brandCode = 1;
    std::string programTitle;  // the brand's program title, the version message of most brands
};

// Scaling of a window at its first activation of a run, from the setting "monitor":
// "0" 1/2, "1" 2/3, "3" 4/3, "4" 5/3; the scaled window moves to the screen position
// 5, 5. "2", a missing or any other value: neither scaled nor moved (no value).
struct WindowScale {
    int numerator;
    int denominator;
    int left = 5;
    int top = 5;
};
std::optional<WindowScale> windowScaleFor(const std::string& monitorValue);

// The customer panel's buttons, the personal profile ("Saját Profil": Ments1, ilts1),
// the activation steps that belong to them, and the menu bar's messages ("Help",
// "Verzió"). Works on the configurator's one image, shared with the transfer engine.
// The menu items themselves belong to the configurator screen, which calls these.
class Z4ProfileMenu {
public:
    Z4ProfileMenu(Z4Editor& editor, Image& image, ProfileEnvironment environment);

    // BitBtn7 "Mentés": encodes the editor, asks for a file ("dat"), fills every empty
    // customer field with one space and writes the profile. The file is replaced only
    // once the new one is complete. False when cancelled or failed (with a message).
    bool saveProfile(const EncodeContext& context);
    // BitBtn8 "Megnyitás": asks for a file, reads it and, when it fits the connected
    // device type, puts its image bytes into the image, fills the customer fields and
    // decodes the editor. A file that does not fit changes nothing and shows why.
    bool openProfile();
    // Ments1 "Mentés": image bytes 0 to 1023 as they stand (no encode) to "custom.dat".
    bool savePersonalProfile();
    // ilts1 "Tiltás": toggles the refusal and stores it as "custom" ("True"/"False").
    void togglePersonalProfileRefusal();
    // Checked at program start: the personal profile is refused.
    bool personalProfileRefused() const { return refused_; }

    // Activation: Edit6 takes the name of the device the search showed and Edit7 the
    // date and time, each only when empty.
    void fillCustomerDefaults(const std::string& deviceName, const std::string& dateTime);
    // Activation: "custom" = "True" checks ilts1 (no value unchecks it); when allowed,
    // "custom.dat" is loaded into image bytes 0 to 1023 and decoded. A missing file or
    // one of another size than 1024 bytes leaves image and editor as they were, silently.
    void applyPersonalProfile();
    // Activation: the first call of the run reads "monitor" (storing "2" when missing)
    // and tells how to scale the window; later calls give nothing.
    std::optional<WindowScale> firstActivationScale();

    // Help1 and Verzi1.
    void showHelp();
    void showVersion();
    std::string versionMessage() const;

private:
    void message(const char* hungarianKey, const std::string& details);

    Z4Editor& editor_;
    Image& image_;
    ProfileEnvironment env_;
    bool refused_ = true;
    bool activatedBefore_ = false;
};

}  // namespace vardeck::z4config
