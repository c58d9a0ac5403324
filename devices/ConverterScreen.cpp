// The converter screen's controls and the installer's actions; the frames it
// exchanges with the converter are in ConverterLink.cpp.
#include "devices/ConverterScreen.h"

#include <map>
#include <memory>

#include "controls/DigitConversions.h"
#include "controls/Utf8.h"
#include "serial/CommChannel.h"

namespace vardeck::devices {
namespace {

constexpr const char* kAccountCodeMissing = "Rendszerüzenetek ügyfélazonositó kitoltése kötelező";
constexpr const char* kRestartQuestion = "Biztosan újra akarja inditani az átalakitót?";
constexpr const char* kTelnetQuestion = "Biztosan leállitja az átalakitót és belép TELNET módba?";
constexpr const char* kGsmRouteQuestion = "Biztosan leállitja az átalakitót és belép GSM ROUTE módba?";
constexpr const char* kVersionText = "Verzió: 1.0";
constexpr int kResetSensitivity = 510;
constexpr std::size_t kAccountCodeChars = 4;

// One pass of the account code rule: a text that is no digit text loses its last
// character; from four characters on it is upper-cased; it never grows past four.
std::string tidyAccountCode(const std::string& text) {
    std::u32string chars = controls::utf8Decode(text);
    if (!IsDigitText(text) && !chars.empty()) chars.pop_back();
    if (chars.size() > 3) {
        for (char32_t& c : chars)
            if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    }
    if (chars.size() > kAccountCodeChars) chars.resize(kAccountCodeChars);
    return controls::utf8Encode(chars);
}

}  // namespace

ConverterScreen::ConverterScreen(CommChannel& channel, DeviceScreenEnvironment env)
    : channel_(channel), env_(std::move(env)) {
    ProgressBar1.setVisible(false);
    setButtonsEnabled(false);
    adas.onTimer = [this] { adasTimer(); };
    channel_.OnRxChar = [this](CommChannel&, int count) { AsynComm321RxChar(count); };
}

ConverterScreen::~ConverterScreen() { channel_.OnRxChar = nullptr; }

void ConverterScreen::handOver() {
    Label3.setCaption(kConverterText);
    state_ = kVersionQuery;
    wakeSendTimer();
}

bool ConverterScreen::ready() const { return BitBtn1.enabled() && BitBtn2.enabled() && !busy(); }

bool ConverterScreen::busy() const {
    switch (state_) {
        case kVersionQuery:
        case kReading:
        case kWriting:
        case kRestart:
        case kTelnetMode:
        case kGsmRouteMode: return true;
        default: return false;
    }
}

std::vector<std::string> ConverterScreen::editableControls() const {
    std::vector<std::string> names;
    for (const ConverterField& field : converterFields()) {
        if (field.switchControl) names.push_back(field.switchControl);
        names.push_back(field.control);
    }
    return names;
}

void ConverterScreen::controlChanged(const std::string& name) {
    if (name == "CheckBox1") switchChanged(CheckBox1, Edit1);
    else if (name == "CheckBox2") switchChanged(CheckBox2, Edit2);
    else if (name == "CheckBox12") switchChanged(CheckBox12, Edit12);
    else if (name == "Edit1") codeEdited(Edit1);
    else if (name == "Edit2") codeEdited(Edit2);
    else if (name == "Edit12") codeEdited(Edit12);
    else if (name == "Edit10") accountCodeEdited();
}

bool ConverterScreen::click(const std::string& name) {
    static const std::map<std::string, void (ConverterScreen::*)(), std::less<>> commands = {
        {"BitBtn1", &ConverterScreen::BitBtn1Click},    {"BitBtn2", &ConverterScreen::BitBtn2Click},
        {"BitBtn3", &ConverterScreen::BitBtn3Click},    {"BitBtn4", &ConverterScreen::restart},
        {"Button1", &ConverterScreen::Button1Click},    {"elnetmode1", &ConverterScreen::switchToTelnet},
        {"GSMRoute1", &ConverterScreen::switchToGsmRoute}, {"Verzi1", &ConverterScreen::Verzi1Click},
        {"Leirs1", &ConverterScreen::Leirs1Click},
    };
    const auto command = commands.find(name);
    if (command == commands.end()) return false;
    if (controls().get<controls::Control>(name).enabled()) (this->*command->second)();
    return true;
}

void ConverterScreen::switchChanged(controls::CheckBox& box, controls::Edit& edit) { edit.setEnabled(box.checked()); }

void ConverterScreen::codeEdited(controls::Edit& edit) { edit.setText(TidyCodeFieldText(edit.text())); }

void ConverterScreen::accountCodeEdited() {
    edit10Color_ = kWhite;
    // Setting the text is a change of its own: the rule runs until the text stays.
    for (;;) {
        const std::string tidy = tidyAccountCode(Edit10.text());
        if (tidy == Edit10.text()) break;
        Edit10.setText(tidy);
    }
}

void ConverterScreen::tidyFields() {
    for (controls::Edit* code : {&Edit1, &Edit2, &Edit12}) codeEdited(*code);
    accountCodeEdited();
}

void ConverterScreen::setButtonsEnabled(bool on) {
    BitBtn1.setEnabled(on);
    BitBtn2.setEnabled(on);
}

void ConverterScreen::BitBtn2Click() {
    if (!BitBtn2.enabled()) return;
    startTransfer(kReading, kConverterImageSize, kIdle);
}

bool ConverterScreen::write() {
    if (!BitBtn1.enabled()) return false;
    if (controls::utf8Length(Edit10.text()) != kAccountCodeChars) {
        if (env_.dialogs) env_.dialogs->showMessage(kAccountCodeMissing);
        edit10Color_ = controls::kRed;
        return false;
    }
    if (!imageRead_) {
        // The write sends back 200 bytes, most of which the screen does not know;
        // they are read from the converter first, so that it gets its own values back.
        writeAfterRead_ = true;
        startTransfer(kReading, kConverterImageSize, kIdle);
        return true;
    }
    encodeConverterImage(controls(), image_);
    startTransfer(kWriting, kConverterWriteSize, kWritten);
    return true;
}

void ConverterScreen::BitBtn3Click() {
    if (closeScreen) closeScreen();
}

void ConverterScreen::Button1Click() { SpinEdit1.setValue(kResetSensitivity); }

void ConverterScreen::restart() { startCommand(kRestart, kRestartQuestion); }

void ConverterScreen::switchToTelnet() { startCommand(kTelnetMode, kTelnetQuestion); }

void ConverterScreen::switchToGsmRoute() { startCommand(kGsmRouteMode, kGsmRouteQuestion); }

void ConverterScreen::startCommand(int state, const char* question) {
    if (!env_.dialogs || !env_.dialogs->askYesNo(question)) return;
    if (state_ == kReading || state_ == kWriting) {
        // The transfer is abandoned; without this its buttons would stay disabled.
        writeAfterRead_ = false;
        ProgressBar1.setVisible(false);
        setButtonsEnabled(true);
    }
    state_ = state;
    wakeSendTimer();
}

void ConverterScreen::Verzi1Click() {
    if (env_.dialogs) env_.dialogs->showMessage(kVersionText);
}

void ConverterScreen::Leirs1Click() {
    if (openHelp) openHelp();
}

}  // namespace vardeck::devices

namespace vardeck::devices {

std::unique_ptr<DeviceScreen> makeConverterScreen(CommChannel& channel, DeviceScreenEnvironment env) {
    return std::make_unique<ConverterScreen>(channel, std::move(env));
}

}  // namespace vardeck::devices
