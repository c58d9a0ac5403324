#include "z4screen/FirmwareView.h"

namespace vardeck::z4screen {

namespace {
constexpr int kFpgaSteps = 256;
}

FirmwareView::FirmwareView(FirmwareDownloadStates& states, const std::string& brandFirmwareLabel) : states_(states) {
    Z4Form9.setColor(controls::kRed);
    Label6.setVisible(false);
    Button1.setEnabled(false);
    if (!brandFirmwareLabel.empty()) Label2.setCaption(brandFirmwareLabel);
    Timer1.onTimer = [this] { timerTick(); };
    states_.onPhase = [this](const std::string& text) { Label1.setCaption(text); };
    states_.onProcessor = [this](const std::string& text) { Label2.setCaption(text); };
    states_.onIdentity = [this](const ProcessorIdentity& id) {
        const bool known = id.processor != 0;
        Label3.setCaption("SW:" + (known ? std::to_string(id.sw) : std::string("?")));
        Label4.setCaption("HW:" + (known ? std::to_string(id.hw) : std::string("?")));
        Label5.setCaption("BW:" + (known ? std::to_string(id.bw) : std::string("?")));
    };
    states_.onDownloadAllowed = [this](bool allowed) {
        Button1.setEnabled(allowed);
        Label6.setVisible(!allowed && states_.identity().processor != 0);
    };
    states_.onProgress = [this](int value) { ProgressBar1.setProgress(value); };
    states_.onFpgaStarted = [this] { Timer1.start(); };
}

void FirmwareView::open() {
    Label2.setCaption("?");
    states_.open();
}

void FirmwareView::close() {
    Timer1.stop();
    ProgressBar1.setProgress(0);
    states_.leave();
}

void FirmwareView::downloadClicked() {
    if (!Button1.enabled()) return;
    Button1.setEnabled(false);
    states_.startDownload();
}

void FirmwareView::timerTick() {
    if (ProgressBar1.progress() + 1 >= kFpgaSteps) {
        Timer1.stop();
        return;
    }
    ProgressBar1.setProgress(ProgressBar1.progress() + 1);
}

}  // namespace vardeck::z4screen
