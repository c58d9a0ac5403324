// Which controls a model and a firmware version show: the page set-up of a hand-over
// and the adaptation to the firmware version.
#include <initializer_list>

#include "z4config/Z4Editor.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

void show(const ControlRegistry& r, std::initializer_list<const char*> names, bool visible) {
    for (const char* n : names) r.get<Control>(n).setVisible(visible);
}

void enable(const ControlRegistry& r, std::initializer_list<const char*> names, bool enabled) {
    for (const char* n : names) r.get<Control>(n).setEnabled(enabled);
}

}  // namespace

void Z4Editor::setUpForDeviceType(int code) {
    deviceType_ = code;
    const ControlRegistry& r = registry_;
    show(r, {"TabSheet21", "SpinEdit11", "SpinEdit12", "SpinEdit13", "SpinEdit14"}, false);
    show(r, {"TabSheet16"}, code == kTypeZ4 || code == kTypeZ1);
    show(r, {"MaskEdit5", "MaskEdit6", "MaskEdit7", "MaskEdit8"}, code != kTypeZ1);
    if (code == kTypeZ1) show(r, {"ComboKi2", "KI2SECMIN", "SpinKI2", "CheckBox1KI2", "CheckBox2KI2"}, false);
    if (code == kTypeCid) {
        enable(r, {"CheckEgyeb1", "SpinEdit4", "SpinEdit5", "ComboBox12", "Edit8"}, false);
        show(r, {"CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6"}, false);
        show(r, {"TabSheet21", "SpinEdit11", "SpinEdit12", "SpinEdit13", "SpinEdit14"}, true);
    }
}

void Z4Editor::adaptToFirmware(int version, int brandCode) {
    firmwareVersion_ = version;
    const ControlRegistry& r = registry_;
    if (version > 17 && deviceType_ == kTypeZ4) show(r, {"CheckEgyeb3"}, true);
    if (version > 18) show(r, {"CheckEgyeb4"}, true);
    if (version > 19) show(r, {"CheckEgyeb5"}, true);
    if (version > 22) show(r, {"CheckEgyeb6"}, true);
    if (version < 34) show(r, {"TabSheet24", "best15", "best25", "best35", "best45", "best95", "best105"}, false);
    if (version < 35) show(r, {"Label138", "CIDelet", "SpinEdit17", "ELETcid", "Label129"}, false);
    if (version < 36) show(r, {"best16", "best26", "best36", "best46", "best96", "best106"}, false);
    if (version < 38) show(r, {"ComboBox20", "Label175"}, false);
    if (version < 40) show(r, {"CheckEgyeb2_1", "TabSheet27"}, false);
    if (version < 41) show(r, {"best17", "best27", "best37", "best47", "best97", "best107"}, false);
    if (version > 33) show(r, {"TabSheet24"}, true);
    if (version > 34) show(r, {"Button16"}, true);
    if (deviceType_ == kTypeCid) show(r, {"CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6", "Edit8"}, false);
    if (version < 18 || deviceType_ == kTypeZ1) show(r, {"TabSheet16"}, false);
    if (brandCode == 20) show(r, {"CheckEgyeb3", "CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6"}, false);
}

}  // namespace vardeck::z4config
