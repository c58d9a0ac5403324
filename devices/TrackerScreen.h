#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "devices/DeviceScreen.h"
#include "devices/TrackerImage.h"

namespace vardeck::devices {

// The screen of the GPRS tracker (code 60), traxomain: the server address and
// port the tracker reports to, its access point name and whether its motion
// sensor is off. It talks at 4800 bit/s in one of two formats: the new one moves
// the settings bytes 0-254 one a frame; the old one ("wavecom") moves one 64-byte
// block at page 98 that holds only the server address.
//
// Everything runs from the send timer and the receive notification: a valid
// reply sends the next frame at once, a missing one is repeated by the timer.
class TrackerScreen : public DeviceScreen {
public:
    static constexpr int kTypeCode = 60;
    // Protocol states.
    static constexpr int kIdle = 0;
    static constexpr int kNewRead = 100;
    static constexpr int kNewWrite = 101;
    static constexpr int kOldRead = 300;
    static constexpr int kOldReadBeforeWrite = 301;
    static constexpr int kOldWrite = 302;

    static constexpr int kFirstTickMs = 1000;
    static constexpr int kTickMs = 350;
    static constexpr int kHoldOffTicks = 3;
    static constexpr uint8_t kAddressPage = 98;

    // The server addresses of the "IP cimek" menu, in the form the tracker takes.
    static constexpr const char* kPreset1 = "192.000.002.010";
    static constexpr const char* kPreset2 = "198.051.100.020";

    TrackerScreen(CommChannel& channel, DeviceScreenEnvironment env);
    ~TrackerScreen() override;

    // --- DeviceScreen -------------------------------------------------------------
    int typeCode() const override { return kTypeCode; }
    int state() const override { return state_; }
    void handOver() override;
    bool ready() const override;
    bool busy() const override { return state_ != kIdle; }
    void read() override;
    bool write() override;
    std::vector<std::string> editableControls() const override;
    void controlChanged(const std::string& name) override;

    // --- Events -------------------------------------------------------------------
    void adasTimer();
    void AsynComm321RxChar(int count);
    // A click on a button or menu item, by control name; false for another name.
    bool click(const std::string& name) override;
    // Closes the window (the program ends with it); set by the view.
    std::function<void()> closeWindow;

    bool oldFormat() const { return wavecom1.checked(); }
    const TrackerImage& image() const { return image_; }
    int sentFrames() const { return sentFrames_; }
    int badBlocks() const { return badBlocks_; }

    // --- Controls -----------------------------------------------------------------
    controls::Form& traxomain = registry_.add<controls::Form>("traxomain", "TRAXO konfigurációs lap");
    controls::MenuItem& Parancsok1 = registry_.add<controls::MenuItem>("Parancsok1", "Parancsok");
    controls::MenuItem& Olvass1 = registry_.add<controls::MenuItem>("Olvass1", "Olvasás");
    controls::MenuItem& Irs1 = registry_.add<controls::MenuItem>("Irs1", "Irás");
    controls::MenuItem& Egyb1 = registry_.add<controls::MenuItem>("Egyb1", "Egyéb");
    controls::MenuItem& Kilps1 = registry_.add<controls::MenuItem>("Kilps1", "Kilépés");
    controls::MenuItem& wavecom1 = registry_.add<controls::MenuItem>("wavecom1", "wavecom", true);
    controls::MenuItem& Verzi2 = registry_.add<controls::MenuItem>("Verzi2", "Verzió");
    controls::MenuItem& IPcimek1 = registry_.add<controls::MenuItem>("IPcimek1", "IP cimek");
    controls::MenuItem& IPcim1 = registry_.add<controls::MenuItem>("IPcim1", "Teszt szerver 1 (192.0.2.10)");
    controls::MenuItem& IPcim2 = registry_.add<controls::MenuItem>("IPcim2", "Teszt szerver 2 (198.51.100.20)");
    controls::Label& Label1 = registry_.add<controls::Label>("Label1", "IP>");
    controls::Edit& Edit1 = registry_.add<controls::Edit>("Edit1", "", 15);
    controls::Label& Label2 = registry_.add<controls::Label>("Label2", "PORT>");
    controls::Edit& Edit2 = registry_.add<controls::Edit>("Edit2", "", 5);
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", "APN Név>");
    controls::Edit& Edit3 = registry_.add<controls::Edit>("Edit3", "", 32);
    controls::CheckBox& CheckBox1 = registry_.add<controls::CheckBox>("CheckBox1", "G sensor tiltása");
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Olvasás");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Elküldés");
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Kilépés");
    controls::Gauge& ProgressBar1 = registry_.add<controls::Gauge>("ProgressBar1", static_cast<int>(kTrackerImageSize));
    controls::StatusBar& sbar1 = registry_.add<controls::StatusBar>("sbar1", 5);
    controls::ModelTimer& adas = timers_.add("adas", kFirstTickMs, true);

private:
    void sendStep();
    void sendFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3);
    void sendBlockWrite();
    void blockReply();
    void sixByteReply();
    void byteAccepted();
    void finish(const char* operationText);
    void setButtonsEnabled(bool on);
    bool refuse(const char* message);
    bool checkServerAddress();
    void checkLastAddressCharacter();
    void startByteTransfer(int state);
    void wakeSendTimer();
    void startBlockTransfer(int state, const char* operationText);
    void openChannelIfNeeded();

    CommChannel& channel_;
    DeviceScreenEnvironment env_;
    TrackerImage image_{};
    TrackerBlock block_{};
    std::string blockAddress_;  // the address the old-format write puts into the block
    static constexpr int kReceiveCapacity = kTrackerBlockSize + 1;
    std::array<uint8_t, kReceiveCapacity> received_{};
    int fill_ = 0;  // may pass the capacity: what came beyond it is not kept
    int state_ = kIdle;
    int address_ = 0;
    int remaining_ = 0;
    int index_ = 0;
    int holdOff_ = 0;
    uint8_t page_ = kAddressPage;
    uint8_t offset_ = 0;
    int sentFrames_ = 0;
    int badBlocks_ = 0;
    bool holdsChannel_ = false;
};

}  // namespace vardeck::devices
