#include "devices/GprsModuleControls.h"

namespace vardeck::devices {
namespace {

constexpr const char* kEmptyCode = "FFFFFFFFFFF";
constexpr std::size_t kClientCodeLength = 4;
constexpr std::size_t kCodeLength = 11;

std::string checkBoxCaption(int index) {
    if (index < 8) return "Bemenet" + std::to_string(index + 1) + " riasztás";
    if (index == 8) return "Tamper riasztás";
    if (index == 9) return "Telefon v. riasztás";
    if (index < 18) return "Bemenet" + std::to_string(index - 9) + " visszaállás";
    if (index == 18) return "Tamper visszaállás";
    return "Telefon v. visszaállás";
}

// Each check box with its code field, which stays closed until the box is ticked.
std::array<GprsModuleControls::CodeControls, GprsModuleControls::kCodeCount> makeCodeControls(
    controls::ControlRegistry& r) {
    std::array<GprsModuleControls::CodeControls, GprsModuleControls::kCodeCount> codes{};
    for (int i = 0; i < GprsModuleControls::kCodeCount; ++i) {
        codes[i].checkBox = &r.add<controls::CheckBox>("CheckBox" + std::to_string(i + 1), checkBoxCaption(i));
        codes[i].field = &r.add<controls::Edit>("Edit" + std::to_string(i + 2), kEmptyCode, kCodeLength);
        codes[i].field->setEnabled(false);
    }
    return codes;
}

}  // namespace

GprsModuleControls::GprsModuleControls(controls::ControlRegistry& r)
    : Label1(r.add<controls::Label>("Label1", "Életjel:")),
      ComboBox1(r.add<controls::ComboBox>("ComboBox1", std::vector<std::string>{"1 perces", "10 perces", "1 órás"})),
      Label2(r.add<controls::Label>("Label2", "Vonalszimulátor:")),
      ComboBox2(r.add<controls::ComboBox>(
          "ComboBox2",
          std::vector<std::string>{"Kikapcsolva", "DTMF Contact ID", "4/2 pulse 1400Hz", "4/2 pulse 2300Hz"}, 0)),
      ugyfel(r.add<controls::ComboBox>("ugyfel", std::vector<std::string>{"Automatikus", "Kézi"}, 0)),
      Edit1(r.add<controls::Edit>("Edit1", "", kClientCodeLength)),
      codes(makeCodeControls(r)),
      BitBtn1(r.add<controls::Button>("BitBtn1", "Elküldés")),
      BitBtn2(r.add<controls::Button>("BitBtn2", "Olvasás")),
      kijelzo(r.add<controls::Gauge>("kijelzo")) {
    ComboBox1.setEnabled(false);
    ugyfel.setCaption("4 jegyű Ügyfélkód:");
    // With the automatic client code the field stays empty and closed.
    Edit1.setEnabled(false);
    // The telephone-line codes are shown as the module has them, not switched here.
    codes[9].checkBox->setEnabled(false);
    codes[19].checkBox->setEnabled(false);
    BitBtn1.setEnabled(false);
    BitBtn2.setEnabled(false);
    kijelzo.setVisible(false);
}

const GprsModuleControls::CodeControls* GprsModuleControls::codeOf(const std::string& name) const {
    for (const CodeControls& code : codes)
        if (code.checkBox->name() == name || code.field->name() == name) return &code;
    return nullptr;
}

}  // namespace vardeck::devices
