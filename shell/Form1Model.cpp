#include "shell/Form1Model.h"

#include "serial/CommChannel.h"
#include "brand/Brand.h"
#include "devices/GprsModuleConfigurator.h"
#include "devices/SixByteReply.h"
#include "shell/Form8Model.h"
#include "settings/Settings.h"
#include "z4link/Frame.h"

namespace vardeck {
namespace {

// What an identified code starts: the panel of the search view that flashes
// (0: none) and whether the flash timer runs at all.
struct HandoverStart {
    int code;
    int panel;
    bool flash;
};

constexpr HandoverStart kHandoverStarts[] = {
    {devicecode::kGprsModule, 4, true},  // Panel4, as its demo
    {devicecode::kConverter, 5, true},
    {devicecode::kTracker, 0, false},
    {devicecode::kGeofence, 0, false},
    {devicecode::kZ4, 3, true},
    {devicecode::kZ4Branded, 3, true},
    {devicecode::kZ1, 1, true},
    {devicecode::kZGps, 6, true},
    {devicecode::kZCid, 7, true},
};

// The demo item of each model panel.
struct DemoStart {
    int panel;
    int code;
    int firmware;
};

constexpr DemoStart kDemoStarts[] = {
    {1, devicecode::kZ1, Form1Model::kDemoFirmwareVersion},
    {3, devicecode::kZ4Branded, Form1Model::kDemoFirmwareVersion},
    {4, devicecode::kGprsModule, 0},
    {5, devicecode::kConverter, 0},
    {6, devicecode::kZGps, 0},
    {7, devicecode::kZCid, 0},
};

std::string withoutDevicePrefix(const std::string& name) {
    static const std::string prefix = "\\\\.\\";
    return name.compare(0, prefix.size(), prefix) == 0 ? name.substr(prefix.size()) : name;
}

}  // namespace

Form1Model::Form1Model(CommChannel& channel, Form8Model& searchView, Environment env)
    : channel_(channel), view_(searchView), env_(std::move(env)) {
    BitBtn1.setEnabled(false);
    BitBtn2.setEnabled(false);
    adas.onTimer = [this] { adasTimer(); };
    vilogo.onTimer = [this] { vilogoTimer(); };
    ablakSTART.onTimer = [this] { ablakSTARTTimer(); };
    reply_.reset();
    channel_.OnRxChar = [this](CommChannel&, int count) { AsynComm321RxChar(count); };
    view_.attachSearchSide(*this);
}

Form1Model::~Form1Model() { channel_.OnRxChar = nullptr; }

void Form1Model::showStatus(int panel, const std::string& text) {
    view_.StatusBar1.setPanel(panel, text);
}

void Form1Model::FormActivate() {
    const std::string& key = brandInfo(env_.brand).brandKey;
    std::string port = ReadSetting(key, "comport");
    if (port.empty()) port = "COM1";
    channel_.SetDeviceName(port);
    if (ReadSetting(key, "mode") == "TRAXO") {
        channel_.SetBaudRate(cbr4800);
        for (controls::Label* label : {&view_.Label2, &view_.Label4, &view_.Label5}) label->setCaption("TRAXO/4800");
    }
    channel_.Open();
    markedOpen_ = true;
    WriteSetting(key, "StartDir", env_.startDir);
    showStatus(0, withoutDevicePrefix(port));
    state_ = kProbeA;
    adas.start();
}

void Form1Model::adasTimer() {
    adas.setInterval(kSendInterval);
    if (state_ == kIdle) {
        // A device has been handed over: free the port for its screen, once. After
        // that the timer rests until a search or a transfer needs it again.
        if (!markedOpen_) {
            adas.stop();
            return;
        }
        channel_.Close();
        markedOpen_ = false;
    } else if (!markedOpen_) {
        channel_.Open();
        markedOpen_ = true;
    }
    if (holdOff_ > 0) {
        --holdOff_;
        return;
    }
    sendStep();
}

void Form1Model::sendStep() {
    ++txCount_;
    showStatus(2, "TX: " + std::to_string(txCount_));
    switch (state_) {
        case kProbeA: sendProbe(kIdentificationFrame.data(), kProbeB); break;
        case kProbeB: sendProbe(kSecondProbeFrame.data(), kProbeA); break;
        case devices::GprsModuleTransfer::kReadBytes:
        case devices::GprsModuleTransfer::kWriteBytes:
            if (gprs_) gprs_->sendStep();
            break;
        default: break;
    }
}

// Four frames of a phase, then one silent tick that switches to the other phase.
void Form1Model::sendProbe(const uint8_t* frame, int nextStateAfterPhase) {
    if (phase_ == kFramesPerPhase) {
        phase_ = 0;
        state_ = nextStateAfterPhase;
        return;
    }
    ++phase_;
    channel_.Write(frame, static_cast<int>(kFrameSize));
    reply_.restart();
}

void Form1Model::AsynComm321RxChar(int count) {
    const devices::ReplyOutcome outcome = devices::takeSixByteReply(reply_, channel_, count);
    if (outcome == devices::ReplyOutcome::Incomplete) return;
    ++rxCount_;
    showStatus(3, "RX: " + std::to_string(rxCount_));
    switch (outcome) {
        case devices::ReplyOutcome::WrongComplement:
            ++badCount_;
            showStatus(4, "BAD: " + std::to_string(badCount_));
            return;
        case devices::ReplyOutcome::Valid: break;
        default: return;
    }
    // The count stays at six: the next byte before the next send drops the reply.
    holdOff_ = kHoldOffTicks;
    if (state_ == kProbeA) {
        identified(reply_[3]);
    } else if (state_ >= devices::GprsModuleTransfer::kReadBytes && gprs_) {
        gprs_->validReply(reply_.bytes());
    }
}

void Form1Model::identified(int code) {
    typeCode_ = code;
    showStatus(1, "Gsm: " + std::to_string(code));
    for (const HandoverStart& start : kHandoverStarts) {
        if (start.code == code) {
            scheduleHandover(code, start.panel, start.flash, 0);
            return;
        }
    }
}

void Form1Model::startDemo(int panelNumber) {
    for (const DemoStart& demo : kDemoStarts) {
        if (demo.panel == panelNumber) {
            scheduleHandover(demo.code, demo.panel, true, demo.firmware);
            return;
        }
    }
}

void Form1Model::scheduleHandover(int code, int panel, bool flash, int demoFirmware) {
    // A hand-over already on its way keeps its device: a second answer (or a demo
    // click) within the two seconds does not switch it to another code.
    if (ablakSTART.enabled()) return;
    dispatchCode_ = code;
    demoFirmware_ = demoFirmware;
    flashPanel_ = panel;
    ablakSTART.start();
    if (flash) vilogo.start();
}

void Form1Model::vilogoTimer() {
    if (closeOnNextFlash_) {
        // Free the device for the configurator that is about to open.
        closeOnNextFlash_ = false;
        channel_.Close();
    }
    if (controls::Panel* panel = view_.panel(flashPanel_)) {
        panel->setColor(panel->color() == controls::kRed ? kSearchGrey : controls::kRed);
    }
}

void Form1Model::ablakSTARTTimer() {
    // The timer stays on: it tries again one interval later.
    if (env_.handOverHeld && env_.handOverHeld()) return;
    ablakSTART.stop();
    DispatchTarget* target = env_.dispatch;
    ShellNavigator* navigator = env_.navigator;
    const int code = dispatchCode_;
    if (target) target->hideZ4OptionalPages();
    rxCount_ = 0;
    state_ = kIdle;
    if (code == devicecode::kGprsModule) {
        Label3.setCaption(gprsModuleFoundText(env_.brand));
        BitBtn1.setEnabled(true);
        BitBtn2.setEnabled(true);
        servesAsGprs_ = true;
        if (target) target->showForm1AsGprs();
    } else {
        if (navigator) navigator->hideForm1();
        if (code == devicecode::kConverter) {
            Label3.setCaption(kConverterText);
            if (target) target->openForm5(1, kConverterText);
        } else if (code == devicecode::kGeofence) {
            Label3.setCaption(kGeofenceText);
            if (target) target->openForm7(1);
        } else if (code == devicecode::kTracker) {
            Label3.setCaption(kTrackerText);
            if (target) target->openTraxomain(0);
        } else if (isZ4FamilyCode(code)) {
            const ModelTexts texts = z4ModelTexts(env_.brand, code);
            Label3.setCaption(texts.label3);
            Z4Handover handover;
            handover.typeCode = code;
            handover.statusText = texts.statusText;
            handover.demoFirmwareVersion = demoFirmware_;
            handover.hideTemperatureField = code == devicecode::kZ4Branded ||
                                            code == devicecode::kZGps || code == devicecode::kZCid;
            if (target) target->openZ4Configurator(handover);
        }
    }
    searchViewClosed();
    if (target) target->closeSearchView();
}

void Form1Model::closeSearchChannel() { channel_.Close(); }

void Form1Model::BitBtn1Click() {
    if (gprs_) gprs_->BitBtn1Click();
}

void Form1Model::BitBtn2Click() {
    if (gprs_) gprs_->BitBtn2Click();
}

void Form1Model::gprsControlChanged(const std::string& name) {
    if (gprs_) gprs_->controlChanged(name);
}

void Form1Model::setState(int state) {
    state_ = state;
    if (state_ != kIdle) adas.start();
}

void Form1Model::beginTransfer() {
    // The module answered again after Form1 was shown (which restarts the search):
    // its repeated hand-over would end the transfer the installer has just started,
    // and it would only enable the buttons that are already enabled.
    if (ablakSTART.enabled() && dispatchCode_ == devicecode::kGprsModule) {
        ablakSTART.stop();
        vilogo.stop();
    }
    if (!markedOpen_) {
        channel_.Open();
        markedOpen_ = true;
    }
    holdOff_ = kHoldOffTicks;
    adas.start();
}

void Form1Model::sendFrame(const Frame& frame) {
    channel_.Write(frame.data(), static_cast<int>(frame.size()));
    reply_.reset();
}

void Form1Model::BitBtn3Click() {
    if (env_.navigator) env_.navigator->endProgram();
}

void Form1Model::searchViewActivated() { closeOnNextFlash_ = true; }

void Form1Model::searchViewClosed() { vilogo.stop(); }

}  // namespace vardeck
