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

std::vector<ControlEffect> versionEffects(int v, int type, int brand) {
    std::vector<ControlEffect> out;
    if (v > 15) set(out, {"Hibakeress1"}, Property::Enabled, true);  // "Monitor"
    if (v > 17 && type == 70) show(out, {"CheckEgyeb3"});
    if (v > 18) show(out, {"CheckEgyeb4"});
    if (v > 19) show(out, {"CheckEgyeb5"});
    if (v > 22) show(out, {"CheckEgyeb6"});
    if (v > 28) show(out, {"Szoftverfrissts1"});
    if (v < 34) hide(out, {"TabSheet24", "best15", "best25", "best35", "best45", "best95", "best105"});
    if (v < 35) hide(out, {"Label138", "CIDelet", "SpinEdit17", "ELETcid", "Label129"});
    if (v < 36) hide(out, {"best16", "best26", "best36", "best46", "best96", "best106"});
    if (v < 38) hide(out, {"ComboBox20", "Label175"});
    if (v < 40) hide(out, {"CheckEgyeb2_1", "TabSheet27"});
    if (v < 41) hide(out, {"best17", "best27", "best37", "best47", "best97", "best107"});
    if (v > 33) show(out, {"TabSheet24"});
    if (v > 34) show(out, {"Button16"});
    if (type == 100) {
        hide(out, {"CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6", "Label64", "Edit8", "Karbantarts1", "SajtProfil1",
                   "Naplokiolvassa1"});
        set(out, {"Bektsirajz1", "GSMraszinkronozsa1"}, Property::Enabled, false);
    }
    if (v < 18 || type == 80) hide(out, {"TabSheet16", kStatusViewTemperature});
    if (brand == 20) hide(out, {"CheckEgyeb3", "CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6"});
    return out;
}

}  // namespace vardeck
