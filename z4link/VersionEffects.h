#pragma once
#include <string>
#include <vector>

namespace vardeck {

// One change a firmware version reply makes to the configurator's controls:
// show or hide, enable or disable the control of that name. Controls not named
// keep whatever they had; the list is applied in order, so a later entry wins.
struct ControlEffect {
    enum class Property { Visible, Enabled };
    std::string control;
    Property property;
    bool value;

    bool operator==(const ControlEffect&) const = default;
};

// The module status view's temperature label and its edit, hidden together.
inline constexpr const char* kStatusViewTemperature = "Z4Form2.temperature";

// What the configurator adapts after the firmware version query outside the editor:
// the menu items, the label of the restore text on the "Egyéb" page and the status
// view's temperature field. The editor's own controls that depend on the version,
// the model and the brand follow Z4Editor::adaptToFirmware, which the screen runs
// with this list, so that every rule is written once.
std::vector<ControlEffect> versionEffects(int firmwareVersion, int deviceType);

}  // namespace vardeck
