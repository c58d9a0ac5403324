#pragma once
#include <functional>
#include <string>

#include "devices/GprsModuleControls.h"
#include "devices/GprsModuleLine.h"
#include "shell/SearchControls.h"
#include "shell/SearchHost.h"
#include "brand/ModelTexts.h"
#include "z4link/SixByteCollector.h"

namespace vardeck {

class CommChannel;
class Form8Model;

namespace devices {
class GprsModuleConfigurator;
}

// The protocol side of the device search, run by the main view Form1: it probes
// the line with the identification frame and the second probe, identifies the
// device type from the first valid answer, flashes the model's panel on the search
// view and, two seconds later, hands the device to its configurator. Form1 is also
// the screen of the 8-input GPRS module (code 30): the module's transfer runs on the
// search's channel, protocol state, reply buffer and send timer (the line it uses).
class Form1Model : public controls::ControlOwner, public SearchSide, public devices::GprsModuleLine {
public:
    struct Environment {
        int brand = 1;
        ShellNavigator* navigator = nullptr;
        DispatchTarget* dispatch = nullptr;
        std::string startDir;  // stored as "StartDir" at every activation
        // True while the hand-over must wait (the first start's language question is
        // open): the search goes on, the device is handed over once it is answered.
        std::function<bool()> handOverHeld;
    };

    // Protocol states of the search.
    static constexpr int kIdle = 0;
    static constexpr int kProbeA = 10;  // identification frame
    static constexpr int kProbeB = 11;  // second probe
    static constexpr int kFramesPerPhase = 4;
    static constexpr int kHoldOffTicks = 3;
    static constexpr int kSendInterval = 150;
    static constexpr int kFirstSendDelay = 3000;
    static constexpr int kDemoFirmwareVersion = 50;

    Form1Model(CommChannel& channel, Form8Model& searchView, Environment env);
    ~Form1Model() override;

    // --- Events ------------------------------------------------------------------
    // Every activation of Form1 starts the search afresh.
    void FormActivate();
    void adasTimer();        // send timer
    void vilogoTimer();      // panel flash
    void ablakSTARTTimer();  // dispatch (one shot)
    void AsynComm321RxChar(int count);

    // --- SearchSide --------------------------------------------------------------
    void closeSearchChannel() override;
    void startDemo(int panelNumber) override;
    void searchViewActivated() override;
    void searchViewClosed() override;

    // --- The GPRS module's screen ---------------------------------------------------
    // The module's logic, working on the module controls of this view.
    void attachGprsModule(devices::GprsModuleConfigurator& module) { gprs_ = &module; }
    devices::GprsModuleConfigurator* gprsModule() const { return gprs_; }
    // True once a module of code 30 has been handed over (or its demo started):
    // the view shows the module's controls from then on.
    bool servesAsGprsModule() const { return servesAsGprs_; }
    void BitBtn1Click();  // write the module's settings
    void BitBtn2Click();  // read them
    // The module screen's rule for a control the installer changed.
    void gprsControlChanged(const std::string& name);

    // --- GprsModuleLine: the state and line shared with the module's transfer -------
    int state() const override { return state_; }
    void setState(int state) override;
    void beginTransfer() override;
    void sendFrame(const Frame& frame) override;
    int phaseCounter() const { return phase_; }
    int holdOff() const { return holdOff_; }
    SixByteCollector& reply() { return reply_; }
    CommChannel& channel() { return channel_; }
    // Whether the send timer believes the channel is open (it closes it when idle).
    bool channelMarkedOpen() const { return markedOpen_; }

    // --- Search results ----------------------------------------------------------
    int typeCode() const { return typeCode_; }          // last identified code
    int dispatchCode() const { return dispatchCode_; }  // the code the pending hand-over uses
    int flashPanel() const { return flashPanel_; }      // 0: none
    int sentCount() const { return txCount_; }
    int replyCount() const { return rxCount_; }
    int badCount() const { return badCount_; }
    // --- Controls ----------------------------------------------------------------
    controls::Form& Form1 = registry_.add<controls::Form>("Form1", "Start....");
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", kNoDeviceFoundText);
    // The 8-input GPRS module's controls (empty client code, closed, at creation);
    // its write and read are enabled by its hand-over.
    devices::GprsModuleControls gprs{registry_};
    controls::Button& BitBtn1 = gprs.BitBtn1;
    controls::Button& BitBtn2 = gprs.BitBtn2;
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Kilépés");
    controls::ModelTimer& adas = timers_.add("adas", kFirstSendDelay, true);
    controls::ModelTimer& vilogo = timers_.add("vilogo", 200);
    controls::ModelTimer& ablakSTART = timers_.add("ablakSTART", 2000);

    // BitBtn3: Form1 is the main view, so leaving it ends the program.
    void BitBtn3Click();

private:
    void sendStep();
    void sendProbe(const uint8_t* frame, int nextStateAfterPhase);
    void identified(int code);
    // Notes the code and panel and starts the timers, unless a hand-over is pending.
    void scheduleHandover(int code, int panel, bool flash, int demoFirmware);
    void showStatus(int panel, const std::string& text);

    CommChannel& channel_;
    Form8Model& view_;
    Environment env_;
    devices::GprsModuleConfigurator* gprs_ = nullptr;
    bool servesAsGprs_ = false;
    SixByteCollector reply_;
    int state_ = kIdle;
    int phase_ = 0;
    int holdOff_ = 0;
    int typeCode_ = 0;
    int dispatchCode_ = 0;
    int demoFirmware_ = 0;
    int flashPanel_ = 0;
    bool markedOpen_ = false;
    bool closeOnNextFlash_ = false;
    int txCount_ = 0;
    int rxCount_ = 0;
    int badCount_ = 0;
};

}  // namespace vardeck
