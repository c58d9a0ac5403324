#include "z4link/VersionEffects.h"

#include <initializer_list>

namespace vardeck {
namespace {

using Property = ControlEffect::Property;

void set(std::vector<ControlEffect>& out, std::initializer_list<const char*> controls, Property property,
         bool value) {
    for (const char* name : controls) out.push_back({name, property, value});
}
void show(std::vector<ControlEffect>& out, std::initializer_list<const char*> controls) {
    set(out, controls, Property::Visible, true);
}
void hide(std::vector<ControlEffect>& out, std::initializer_list<const char*> controls) {
    set(out, controls, Property::Visible, false);
}

}  // namespace

std::vector<ControlEffect> versionEffects(int v, int type) {
    std::vector<ControlEffect> out;
    if (v > 15) set(out, {"Hibakeress1"}, Property::Enabled, true);  // "Monitor"
    if (v > 28) show(out, {"Szoftverfrissts1"});
    if (type == 100) {
        hide(out, {"Label64", "Karbantarts1", "SajtProfil1", "Naplokiolvassa1"});
        set(out, {"Bektsirajz1", "GSMraszinkronozsa1"}, Property::Enabled, false);
    }
    if (v < 18 || type == 80) hide(out, {kStatusViewTemperature});
    return out;
}

}  // namespace vardeck
