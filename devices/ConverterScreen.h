#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "brand/ModelTexts.h"
#include "controls/Controls.h"
#include "controls/Rgb.h"
#include "controls/ScreenControls.h"
#include "devices/ConverterFields.h"
#include "devices/ConverterHelp.h"
#include "devices/DeviceScreen.h"
#include "z4link/SixByteCollector.h"

namespace vardeck::devices {

// The GPRS-to-Contact-ID converter's screen Form5. It asks the converter for its
// software version, then reads its 253 bytes and writes the first 200 back one byte
// a frame, and sends the restart, TELNET and GSM ROUTE commands. Everything runs from
// the send timer `adas` and the channel's receive notifications: a frame without a
// valid reply is simply sent again on a later tick.
class ConverterScreen : public DeviceScreen {
public:
    // Protocol states.
    static constexpr int kIdle = 0;
    static constexpr int kVersionQuery = 1;
    static constexpr int kReading = 100;
    static constexpr int kWriting = 101;
    static constexpr int kWritten = 130;
    static constexpr int kRestart = 200;
    static constexpr int kTelnetMode = 210;
    static constexpr int kGsmRouteMode = 220;

    static constexpr int kFirstTickMs = 1000;
    static constexpr int kTickMs = 350;
    // Ticks without a frame after a valid reply.
    static constexpr int kHoldOffTicks = 3;

    static constexpr controls::Rgb kWhite{255, 255, 255};

    ConverterScreen(CommChannel& channel, DeviceScreenEnvironment env);
    ~ConverterScreen() override;

    // --- DeviceScreen ------------------------------------------------------------
    int typeCode() const override { return devicecode::kConverter; }
    int state() const override { return state_; }
    // The search's hand-over: Label3 names the converter and the version question starts.
    void handOver() override;
    bool ready() const override;
    bool busy() const override;
    void read() override { BitBtn2Click(); }
    bool write() override;
    std::vector<std::string> editableControls() const override;
    void controlChanged(const std::string& name) override;
    // A disabled button or item takes no click, as on the screen.
    bool click(const std::string& name) override;

    // --- Events --------------------------------------------------------------------
    void adasTimer();
    void AsynComm321RxChar(int count);

    // --- User actions --------------------------------------------------------------
    void BitBtn2Click();  // "Olvasás"
    void BitBtn1Click() { write(); }
    void BitBtn3Click();  // "Kilépés": closes the screen, which ends the program
    void Button1Click();  // "Reset"
    // Each asks its question first; Yes sends the command frame on the next tick.
    void restart();
    void switchToTelnet();
    void switchToGsmRoute();
    void Verzi1Click();
    void Leirs1Click();

    // --- What the window shows beyond the controls ---------------------------------
    controls::Rgb Edit10Color() const { return edit10Color_; }
    ConverterHelp& help() { return help_; }
    // The window's part: close this screen (BitBtn3), open the help view modally.
    std::function<void()> closeScreen;
    std::function<void()> openHelp;

    const std::array<uint8_t, kConverterImageSize>& image() const { return image_; }

    // --- Controls ----------------------------------------------------------------
    controls::Form& Form5 = registry_.add<controls::Form>("Form5", "Konverter");
    controls::MenuItem& Extra1 = registry_.add<controls::MenuItem>("Extra1", "Extra");
    controls::MenuItem& elnetmode1 = registry_.add<controls::MenuItem>("elnetmode1", "Telnet mode");
    controls::MenuItem& GSMRoute1 = registry_.add<controls::MenuItem>("GSMRoute1", "GSM Route");
    controls::MenuItem& Verzi1 = registry_.add<controls::MenuItem>("Verzi1", "Verzió");
    controls::MenuItem& Help1 = registry_.add<controls::MenuItem>("Help1", "Help");
    controls::MenuItem& Leirs1 = registry_.add<controls::MenuItem>("Leirs1", "Leirás");
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", kConverterText);
    controls::Label& Label6 = registry_.add<controls::Label>("Label6");
    controls::ComboBox& ComboBox1 = registry_.add<controls::ComboBox>(
        "ComboBox1", std::vector<std::string>{"Nem használt", "GPRS külső porton", "GPRS külső porton, LAN tiltva"}, 0);
    controls::Edit& Edit3 = registry_.add<controls::Edit>("Edit3", "Edit3_nincs adat", kAccessPointMaxChars);
    controls::ComboBox& ComboBox2 = registry_.add<controls::ComboBox>(
        "ComboBox2", std::vector<std::string>{"Nincs használva", "ContactID konvertálatlan", "ContactID_Enigma"}, 0);
    controls::ComboBox& ComboBox3 = registry_.add<controls::ComboBox>(
        "ComboBox3", std::vector<std::string>{"Nem használva", "Bekapcsolva"}, 0);
    controls::SpinEdit& SpinEdit1 = registry_.add<controls::SpinEdit>("SpinEdit1", 1, 5000, 1);
    controls::Button& Button1 = registry_.add<controls::Button>("Button1", "Reset");
    controls::Edit& Edit10 = registry_.add<controls::Edit>("Edit10", "", 4);
    controls::CheckBox& CheckBox1 = registry_.add<controls::CheckBox>("CheckBox1", "Modul leszakadás", true);
    controls::Edit& Edit1 = registry_.add<controls::Edit>("Edit1", "FFFFFFFFFFF", 11);
    controls::CheckBox& CheckBox2 = registry_.add<controls::CheckBox>("CheckBox2", "szerver leszakadás", true);
    controls::Edit& Edit2 = registry_.add<controls::Edit>("Edit2", "FFFFFFFFFFF", 11);
    controls::CheckBox& CheckBox12 = registry_.add<controls::CheckBox>("CheckBox12", "szerver visszaállás", true);
    controls::Edit& Edit12 = registry_.add<controls::Edit>("Edit12", "FFFFFFFFFFF", 11);
    controls::Gauge& ProgressBar1 = registry_.add<controls::Gauge>("ProgressBar1", kConverterImageSize);
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Olvasás");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Elküldés");
    controls::Button& BitBtn4 = registry_.add<controls::Button>("BitBtn4", "újrainditás");
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Kilépés");
    controls::ModelTimer& adas = timers_.add("adas", kFirstTickMs, true);

private:
    void sendStep();
    void sendFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3);
    void validReply(uint8_t data);
    // One byte of the transfer is done: the next address, or the end of the transfer.
    void advanceTransfer();
    void finishTransfer();
    void startTransfer(int state, int count, int endState);
    void wakeSendTimer();
    // The command states send one frame; a transfer they interrupt ends here.
    void startCommand(int state, const char* question);
    void setButtonsEnabled(bool on);
    void switchChanged(controls::CheckBox& box, controls::Edit& edit);
    void codeEdited(controls::Edit& edit);
    void accountCodeEdited();
    // The rules of the edits after their texts were set by decoding.
    void tidyFields();

    CommChannel& channel_;
    DeviceScreenEnvironment env_;
    ConverterHelp help_;
    std::array<uint8_t, kConverterImageSize> image_{};
    SixByteCollector reply_;
    // Idle until the hand-over: asking for the version from program start would take
    // the port from whichever screen the search hands its device to.
    int state_ = kIdle;
    int address_ = 0;
    int index_ = 0;
    int remaining_ = 0;
    int endState_ = kIdle;
    int holdOff_ = 0;
    bool holdsChannel_ = false;
    // The image holds what the converter last gave; until then a write reads first.
    bool imageRead_ = false;
    bool writeAfterRead_ = false;
    controls::Rgb edit10Color_ = kWhite;
};

}  // namespace vardeck::devices
