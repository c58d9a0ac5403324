// What the transfer engine shows and asks, on the configurator's controls.
#include <cstdio>

#include "brand/Brand.h"
#include "settings/Settings.h"
#include "z4config/ImageBinding.h"
#include "controls/Controls.h"
#include "z4screen/ConfiguratorControls.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::z4screen {

using namespace controls;

void Z4Configurator::setStatusPanel(int panel, const std::string& text) {
    if (panel < 0 || panel >= editor_.StatusBar1.count()) return;
    editor_.StatusBar1.setPanel(panel, text);
    changed();
}

void Z4Configurator::setGaugeMax(int max) {
    targets_.get<ProgressGauge>("kijelzo").setMax(max);
    changed();
}

void Z4Configurator::setGaugeProgress(int progress) {
    targets_.get<ProgressGauge>("kijelzo").setProgress(progress);
    changed();
}

void Z4Configurator::setGaugeVisible(bool visible) {
    targets_.get<ProgressGauge>("kijelzo").setVisible(visible);
    changed();
}

void Z4Configurator::setTransferButtonsEnabled(bool enabled) {
    targets_.enable({"BitBtn1", "BitBtn2"}, enabled);
    changed();
}

void Z4Configurator::showTime(const ModuleClockTime& now) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    Control& clock = *targets_.find("Label99");
    if (clock.caption() == text) return;
    clock.setCaption(text);
    changed();
}

void Z4Configurator::showMessage(const std::string& text) { dialogs_.showMessage(text); }

bool Z4Configurator::askYesNo(const std::string& question) { return dialogs_.askYesNo(question); }

void Z4Configurator::refreshEditorPages() { editor_.refreshPagesBeforeWrite(); }

z4config::EncodeContext Z4Configurator::encodeContext() const {
    return {ReadSetting(brandKey(), "company"), brandInfo(brand_).imageCompanyName};
}

void Z4Configurator::encodeImage() { z4config::encodeImage(editor_, image_, encodeContext()); }

void Z4Configurator::decodeImage() {
    z4config::decodeImage(image_, editor_);
    imageLoaded();
}

// The editor now shows a configuration from a module or a file: its values are the
// user's, and the header counter counts the header that came with it.
void Z4Configurator::imageLoaded() {
    targets_.markLoaded();
    editor_.userChanged("Edit12");
    changed();
}

// After a read the second output's time shows in seconds again; the spin edit follows
// the unit, so it shows the output time rather than a count of minutes.
void Z4Configurator::resetOutputTimeUnit() {
    editor_.setTimeUnit(2, z4config::kSecondsItem);
    changed();
}

// The version reply adapts the editor's controls through the editor (which keeps the
// version for its accent warning too) and the rest of the screen through the engine's
// list; the two never name the same control.
void Z4Configurator::applyControlEffects(const std::vector<ControlEffect>& effects) {
    editor_.adaptToFirmware(engine_->vars().firmwareVersion, brand_);
    for (const ControlEffect& effect : effects) {
        if (effect.control == kStatusViewTemperature) {
            if (effect.property == ControlEffect::Property::Visible && !effect.value) statusTemperatureHidden_ = true;
            continue;
        }
        Control* control = targets_.find(effect.control);
        if (!control) continue;
        if (effect.property == ControlEffect::Property::Visible) control->setVisible(effect.value);
        else control->setEnabled(effect.value);
    }
    keepNotYetAvailableDisabled();
    changed();
}

}  // namespace vardeck::z4screen

namespace vardeck::z4screen {

// A failed verify lists where the module differs: address, written, read back.
void Z4Configurator::verified(const std::vector<VerifyDifference>& differences) {
    if (differences.empty()) return;
    constexpr std::size_t kShown = 20;
    std::string text = catalogue_.text(hungarianTransferText(TransferText::VerifyFailed));
    for (std::size_t i = 0; i < differences.size() && i < kShown; ++i) {
        const VerifyDifference& d = differences[i];
        char line[64];
        std::snprintf(line, sizeof line, "\n%5d: 0x%02X / 0x%02X", d.address, d.written, d.readBack);
        text += line;
    }
    if (differences.size() > kShown) text += "\n... (" + std::to_string(differences.size()) + ")";
    dialogs_.showMessage(text);
    changed();
}

}  // namespace vardeck::z4screen
