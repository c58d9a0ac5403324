#pragma once
#include <functional>
#include <string>

#include "shell/SearchControls.h"
#include "shell/SearchHost.h"
#include "brand/ModelTexts.h"
#include "z4link/SixByteCollector.h"

namespace vardeck {

class CommChannel;
class Form1Model;
class Form8Model;

// The 8-input GPRS module transfer that Form1 runs in the protocol states 100 and
// above, on the same channel, reply buffer and send timer as the search.
class GprsTransfer {
public:
    virtual ~GprsTransfer() = default;
    // The send timer's step in states 100 and 101 (after the hold-off ran out).
    virtual void sendStep(Form1Model& form1) = 0;
    // A valid six-byte reply in a state of 100 or above (the hold-off is already set).
    virtual void validReply(Form1Model& form1, const uint8_t* reply) = 0;
};

// The protocol side of the device search, run by the main view Form1: it probes
// the line with the identification frame and the second probe, identifies the
// device type from the first valid answer, flashes the model's panel on the search
// view and, two seconds later, hands the device to its configurator.
class Form1Model : public controls::ControlOwner, public SearchSide {
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

    // --- State shared with the GPRS module transfer --------------------------------
    void setGprsTransfer(GprsTransfer* transfer) { transfer_ = transfer; }
    int state() const { return state_; }
    void setState(int state) { state_ = state; }
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
    // The 8-input GPRS module's write and read, enabled by its hand-over, and the exit.
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Elküldés");
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Olvasás");
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
    GprsTransfer* transfer_ = nullptr;
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
