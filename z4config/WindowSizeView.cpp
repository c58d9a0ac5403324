#include "z4config/WindowSizeView.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

constexpr int kRestartNoteBrand = 50;

ComboBox& addSizes(ControlRegistry& r) {
    auto& group = r.add<ComboBox>("RadioGroup1", std::vector<std::string>{"600*480", "800 X 600", "1024*768", "1280*1024", "1600*1280"}, 1);
    group.setCaption(WindowSizeView::kDesignGroupCaption);
    return group;
}

Label& addNote(ControlRegistry& r) {
    auto& note = r.add<Label>("Label1", "a modósításokhoz újrainditás szükséges");
    note.setVisible(false);
    return note;
}

}  // namespace

WindowSizeView::WindowSizeView(int brandCode, SettingsAccess settings)
    : brandCode_(brandCode), settings_(std::move(settings)), RadioGroup1(addSizes(registry_)),
      Button1(registry_.add<Button>("Button1", kDesignButtonCaption)), Label1(addNote(registry_)) {}

void WindowSizeView::activate() {
    const std::string stored = settings_.get(kMonitorSetting);
    const std::string value = stored.empty() ? std::string("1") : stored;
    if (stored.empty()) settings_.set(kMonitorSetting, value);
    if (value.size() == 1 && value[0] >= '0' && value[0] - '0' < RadioGroup1.count()) RadioGroup1.setItemIndex(value[0] - '0');
    Label1.setVisible(brandCode_ == kRestartNoteBrand);
}

bool WindowSizeView::confirm(Dialogs& dialogs, const MessageLookup& messages) {
    if (RadioGroup1.itemIndex() >= 0) settings_.set(kMonitorSetting, std::to_string(RadioGroup1.itemIndex()));
    if (brandCode_ != kRestartNoteBrand) dialogs.showMessage(lookUp(messages, kRestartMessage));
    return true;
}

}  // namespace vardeck::z4config
