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

// What the configurator adapts after the firmware version query: controls that
// only exist from some firmware version on, those a Z-CID (type 100) or a Z-1
// (type 80) lacks, and the brand's own exceptions.
std::vector<ControlEffect> versionEffects(int firmwareVersion, int deviceType, int brandCode);

}  // namespace vardeck
