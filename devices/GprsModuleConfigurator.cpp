#include "devices/GprsModuleConfigurator.h"

#include <span>

#include "controls/DigitConversions.h"
#include "controls/Utf8.h"

namespace vardeck::devices {

using namespace gprsmodule;

namespace {

constexpr int kAutomaticItem = 0;  // of ugyfel
constexpr int kTypedItem = 1;

std::string upperAscii(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

}  // namespace

GprsModuleConfigurator::GprsModuleConfigurator(GprsModuleControls& controls, GprsModuleLine& line)
    : c_(controls), transfer_(line, copy_) {
    transfer_.onProgress = [this] { c_.kijelzo.setProgress(c_.kijelzo.progress() + 1); };
    transfer_.onStateEntered = [this](int state) { stateEntered(state); };
}

void GprsModuleConfigurator::handOver() {
    c_.BitBtn1.setEnabled(true);
    c_.BitBtn2.setEnabled(true);
}

bool GprsModuleConfigurator::ready() const {
    return c_.BitBtn1.enabled() && c_.BitBtn2.enabled() && !busy();
}

void GprsModuleConfigurator::BitBtn2Click() {
    if (!c_.BitBtn2.enabled()) return;
    showProgressBar(kReadFrames);
    transfer_.startRead(kFirstAreaAddress, kFirstAreaReadCount, kFirstAreaRead);
}

bool GprsModuleConfigurator::BitBtn1Click() {
    if (!c_.BitBtn1.enabled()) return false;
    fillFirstArea();
    showProgressBar(kWriteFrames);
    transfer_.startWrite(kFirstAreaAddress, kFirstAreaWriteCount, kFirstAreaWritten);
    return true;
}

void GprsModuleConfigurator::showProgressBar(int max) {
    c_.BitBtn1.setEnabled(false);
    c_.BitBtn2.setEnabled(false);
    c_.kijelzo.setMax(max);
    c_.kijelzo.setProgress(0);
    c_.kijelzo.setVisible(true);
}

void GprsModuleConfigurator::stateEntered(int state) {
    switch (state) {
        case kFirstAreaRead:
            showFirstArea();
            transfer_.startRead(kSecondAreaAddress, kSecondAreaReadCount, kAllRead);
            break;
        case kAllRead:
            showSecondArea();
            transferEnded();
            break;
        case kFirstAreaWritten:
            fillSecondArea();
            transfer_.startWrite(kSecondAreaAddress, kSecondAreaWriteCount, kAllWritten);
            break;
        case kAllWritten: transferEnded(); break;
        default: break;
    }
}

void GprsModuleConfigurator::transferEnded() {
    c_.BitBtn1.setEnabled(true);
    c_.BitBtn2.setEnabled(true);
    c_.kijelzo.setVisible(false);
}

void GprsModuleConfigurator::showFirstArea() {
    for (int i = 0; i < kFirstAreaWriteCount; ++i) firstAreaAsRead_[i] = copy_[i];
    c_.ComboBox1.setItemIndex(periodItem(copy_[kPeriodHigh] * 256 + copy_[kPeriodLow]));
    // A mode the list does not know leaves it without a selection.
    c_.ComboBox2.setItemIndex(copy_[kLineSimulator]);
    c_.ugyfel.setItemIndex(copy_[kClientCodeMode] == kAutomaticClientCode ? kAutomaticItem : kTypedItem);
    clientCodeModeChanged();
}

void GprsModuleConfigurator::showSecondArea() {
    for (const auto& code : c_.codes) {
        code.checkBox->setChecked(false);
        code.field->setEnabled(false);
    }
    const std::span<const uint8_t> copy(copy_);
    c_.Edit1.setText(BytesToDigitText(copy.subspan(kClientCodePosition, kClientCodeLength)));
    for (int i = 0; i < GprsModuleControls::kCodeCount; ++i) {
        const auto position = static_cast<std::size_t>(kCodePositions[i]);
        const auto& code = c_.codes[i];
        const bool on = codeIsOn(copy_[position]);
        code.checkBox->setChecked(on);
        code.field->setEnabled(on);
        code.field->setText(BytesToDigitText(copy.subspan(position, kCodeLength)));
    }
}

void GprsModuleConfigurator::fillFirstArea() {
    // A list without a selection (a value the module had that the list does not
    // know) writes back what was read, rather than a value the module never had.
    const int seconds = periodSeconds(c_.ComboBox1.itemIndex());
    if (seconds < 0) {
        copy_[kPeriodHigh] = firstAreaAsRead_[kPeriodHigh];
        copy_[kPeriodLow] = firstAreaAsRead_[kPeriodLow];
    } else {
        copy_[kPeriodHigh] = static_cast<uint8_t>(seconds >> 8);
        copy_[kPeriodLow] = static_cast<uint8_t>(seconds & 0xFF);
    }
    const int mode = c_.ComboBox2.itemIndex();
    copy_[kLineSimulator] = mode >= 0 ? static_cast<uint8_t>(mode) : firstAreaAsRead_[kLineSimulator];
    switch (c_.ugyfel.itemIndex()) {
        case kAutomaticItem: copy_[kClientCodeMode] = kAutomaticClientCode; break;
        case kTypedItem: copy_[kClientCodeMode] = kTypedClientCode; break;
        default: copy_[kClientCodeMode] = firstAreaAsRead_[kClientCodeMode]; break;
    }
}

void GprsModuleConfigurator::fillSecondArea() {
    // Positions no control fills (the two codes at 180 and 191) keep what the last
    // read left there.
    DigitTextToBytes(c_.Edit1.text(), kClientCodeLength, copy_, kClientCodePosition);
    for (int i = 0; i < GprsModuleControls::kCodeCount; ++i) {
        const auto position = static_cast<std::size_t>(kCodePositions[i]);
        const auto& code = c_.codes[i];
        DigitTextToBytes(code.field->text(), kCodeLength, copy_, kCodePositions[i]);
        if (!code.checkBox->checked()) copy_[position] = static_cast<uint8_t>(copy_[position] + kSwitchedOff);
    }
}

void GprsModuleConfigurator::controlChanged(const std::string& name) {
    if (name == "Edit1") {
        clientCodeChanged();
    } else if (name == "ugyfel") {
        clientCodeModeChanged();
    } else if (const GprsModuleControls::CodeControls* code = c_.codeOf(name)) {
        if (name == code->checkBox->name()) {
            code->field->setEnabled(code->checkBox->checked());
        } else {
            code->field->setText(TidyCodeFieldText(code->field->text()));
        }
    }
}

void GprsModuleConfigurator::clientCodeChanged() {
    // Characters are taken off the end until the rest is a digit text ("0" is no
    // digit here). Letters are upper-cased at once: the module's digit bytes only
    // know the capitals, and a lower-case letter would be written as a filler.
    std::string text = c_.Edit1.text();
    while (!IsDigitText(text)) text = controls::utf8Left(text, controls::utf8Length(text) - 1);
    c_.Edit1.setText(upperAscii(std::move(text)));
}

void GprsModuleConfigurator::clientCodeModeChanged() {
    if (c_.ugyfel.itemIndex() == kTypedItem) {
        c_.Edit1.setEnabled(true);
    } else if (c_.ugyfel.itemIndex() == kAutomaticItem) {
        c_.Edit1.setText("");
        c_.Edit1.setEnabled(false);
    }
}

std::vector<std::string> GprsModuleConfigurator::editableControls() const {
    std::vector<std::string> names{c_.ComboBox2.name(), c_.ugyfel.name(), c_.Edit1.name()};
    // Alarm codes in the first column, restore codes in the second. The telephone
    // line's boxes are not the installer's to switch; their codes are.
    for (const auto& code : c_.codes) {
        if (code.checkBox->enabled()) names.push_back(code.checkBox->name());
        names.push_back(code.field->name());
    }
    return names;
}

}  // namespace vardeck::devices
