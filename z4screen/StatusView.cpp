#include "z4screen/StatusView.h"

namespace vardeck::z4screen {

using namespace controls;

namespace {

constexpr Rgb kNeutral = kButtonFace;
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkGreen{0, 128, 0};
constexpr Rgb kBrightGreen{0, 255, 0};
// Cycles that may be missed before the link counts as lost (seconds).
constexpr int kLinkSeconds = 3;

Rgb onOff(bool on) { return on ? kRed : kGreen; }

}  // namespace

Rgb signalBandColor(SignalBand band) {
    switch (band) {
        case SignalBand::BrightGreen: return kBrightGreen;
        case SignalBand::Green: return kDarkGreen;
        case SignalBand::Blue: return kBlue;
        case SignalBand::Yellow: return kYellow;
        case SignalBand::Red: break;
    }
    return kRed;
}

StatusView::StatusView() {
    for (Edit* e : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7}) e->setEnabled(false);
    Label5.setVisible(false);
    Timer1.onTimer = [this] { secondElapsed(); };
}

void StatusView::open(const Setup& setup) {
    setup_ = setup;
    last_.reset();
    linkCounter_ = 0;
    for (Panel* p : {&Panel1, &Panel2, &Panel3, &Panel4}) p->setColor(kNeutral);
    StatusBar1.setColor(kRed);
    StatusBar1.setPanel(0, "");
    StatusBar1.setPanel(1, "");
    TILed1.setLit(false);

    const bool temperature = !setup.temperatureHidden && setup.brandCode != 50;
    Label11.setVisible(temperature);
    Edit3.setVisible(temperature);
    // Brand 50's units have no second output.
    Panel8.setVisible(setup.brandCode != 50);
    Label13.setVisible(setup.brandCode != 50);

    const bool contactId = reportsLastContactId(setup.deviceType, setup.firmwareVersion);
    for (Control* c : std::initializer_list<Control*>{&Label15, &Edit4, &Label16, &Edit5, &Label17, &Edit6, &Label18,
                                                      &Edit7})
        c->setVisible(contactId);
    if (contactId) {
        Z4Form2.editPlacement().height = kContactIdHeight;
    } else {
        Z4Form2.editPlacement().height.reset();
    }

    if (!scaled_) {
        scaled_ = true;
        pendingScale_ = setup.scale;
    }
    Timer1.start();
}

std::optional<z4config::WindowScale> StatusView::takeWindowScale() {
    auto scale = pendingScale_;
    pendingScale_.reset();
    return scale;
}

void StatusView::showCycle(const StatusBlock& block, int length, const z4config::MessageLookup& messages) {
    const ModuleStatus s = decodeModuleStatus(block, length, setup_.deviceType, setup_.firmwareVersion);
    last_ = s;
    linkCounter_ = kLinkSeconds;
    TILed1.setLit(true);
    ++connections_;
    Label5.setCaption("Connect: " + std::to_string(connections_));

    showPanels(s);
    Edit2.setText(z4config::lookUp(messages, s.registrationText));
    Edit1.setText(z4config::lookUp(messages, s.errorText));
    Gauge1.setProgress(s.signal);
    Gauge1.setColor(signalBandColor(s.band));
    if (setup_.deviceType != 100) StatusBar1.setPanel(0, z4config::lookUp(messages, "GSM Time: ") + s.gsmTime);
    Edit3.setText(std::to_string(s.temperature));
    if (s.hasLastContactId) {
        Edit4.setText(s.lastContactId);
        Edit5.setText(s.account);
        Edit6.setText(s.partitionZone);
        Edit7.setText(s.event);
    }
}

void StatusView::showPanels(const ModuleStatus& s) {
    const int type = setup_.deviceType;
    Panel* inputs[] = {&Panel1, &Panel2, &Panel3, &Panel4};
    for (int i = 0; i < 4; ++i) {
        // The Z-1 has no inputs 3 and 4; the Contact ID model shows none of them.
        const bool absent = type == 100 || (type == 80 && i >= 2);
        inputs[i]->setColor(absent ? kNeutral : onOff(s.inputs[static_cast<std::size_t>(i)]));
    }
    Panel5.setColor(onOff(s.tamper));
    Panel6.setColor(type == 80 || type == 100 ? kNeutral : onOff(s.supply));
    Panel7.setColor(type == 100 ? kNeutral : onOff(s.output1));
    Panel8.setColor(type == 80 || type == 100 ? kNeutral : onOff(s.output2));
    Panel9.setColor(onOff(s.armed));
}

void StatusView::secondElapsed() {
    TILed1.setLit(false);
    if (linkCounter_ > 0) {
        --linkCounter_;
        StatusBar1.setPanel(1, "COM OK");
        StatusBar1.setColor(kNeutral);
    } else {
        StatusBar1.setPanel(1, "COM ERROR");
        StatusBar1.setColor(kRed);
    }
}

}  // namespace vardeck::z4screen
