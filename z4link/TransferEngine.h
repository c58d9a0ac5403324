#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "z4link/TransferEngineStates.h"
#include "z4link/TransferListener.h"
#include "z4link/TransferStateNumbers.h"
#include "z4link/TransferTexts.h"
#include "z4link/Z4Link.h"

namespace vardeck {

class CommChannel;

// The engine's variables: plain numbers and flags, owned by the screen through
// the engine and open to the operations that add states.
struct TransferVariables {
    int state = z4state::kIdle;  // protocol state, 0 = idle
    int countdown = 0;           // ticks before the send step runs again (idle: before the port closes)
    bool portOpen = false;       // this screen holds the serial channel open
    int returnState = 0;         // entered after GSM modem mode is confirmed, and after a read
    int transferIndex = 0;       // image position, or block number / block address
    int transferAddress = 0;     // module address of the next byte-wise transfer
    int remaining = 0;           // bytes left byte-wise; block number of the Contact ID write
    int firmwareVersion = 0;     // in tenths (43 = 4.3), from the version query
    int deviceType = 0;          // device type code handed over by the search
    bool operationRunning = false;  // a transfer button found another operation running
    bool company = false;        // the company bytes 384..399 are written too
    bool clockOnly = false;      // the clock is set from the menu, not as the end of a write
    bool lineSimulator = false;  // the two-byte line-simulator write runs
    int versionPopup = 0;        // 2: show the version when it comes; 1: show it next tick; 3: close the firmware view
};

// What the engine takes from the world around it.
struct TransferEnvironment {
    // The "comport" setting of the screen, read each time the port opens;
    // empty (or no function) means "COM1".
    std::function<std::string()> portName;
    // The PC's local date and time (Label99, clock frame).
    std::function<ModuleClockTime()> clock;
    // False while the start screen still holds the serial port; the tick
    // then does nothing but show the time. No function: always released.
    std::function<bool()> channelReleased;
    // Message catalogue lookup; no function: the Hungarian texts.
    std::function<std::string(TransferText)> text;
    // The same catalogue by an entry's Hungarian text (the operations that add
    // states name their texts so); no function: the Hungarian text itself.
    std::function<std::string(const std::string&)> message;
};

// A byte the module holds other than it was written (verify after write).
struct VerifyDifference {
    int address = 0;
    uint8_t written = 0;
    uint8_t readBack = 0;
};

// The progress gauge as the engine last set it.
struct TransferGauge {
    int max = 0;
    int progress = 0;
    bool visible = false;
};

// The Z-4 configurator's transfer engine: one protocol state number shared by
// the send step (sends what the state asks for), the receive handler (checks a
// reply and moves the state on) and the tick handler (opens and closes the
// port, counts the tick countdown down and calls the send step again when no
// reply came in time). It reads and writes the configuration image, queries
// the firmware version, sets the module clock, restarts the module and sends
// the life-signal test; further operations add their states through
// addStates().
//
// Timing: the screen calls tick() every kTickPeriodMs. All countdowns count
// ticks; a command without an accepted reply goes out again after countdown + 1
// ticks, without limit. A reply that is accepted sends the next command at once
// from within the receive notification, so transfers run at the pace of the
// module's answers, not of the tick.
//
// The engine owns nothing of a window system and no thread: everything runs on
// the caller's thread, inside tick(), onRxChar() or a user action.
class TransferEngine {
public:
    // The tick: one timer standing in for the screen's five (one at 50 ms and
    // four at 1000 ms), about 24 ticks a second.
    static constexpr int kTickPeriodMs = 42;
    static constexpr int kImageSize = 8192;
    using Image = std::array<uint8_t, kImageSize>;

    // Takes over the channel's OnRxChar and OnError notifications.
    TransferEngine(CommChannel& channel, Image& image, TransferListener& listener,
                   TransferEnvironment environment = {});
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // --- Events ----------------------------------------------------------------
    void tick();
    // Receive notification: `count` bytes are waiting in the channel.
    void onRxChar(int count);

    // --- User actions ----------------------------------------------------------
    void readAll();             // `BitBtn2`, menu `Olvass1`
    void writeAll();            // `BitBtn1`, menu `Elklds1`
    void lineSimulatorWrite();  // `Button5` "PSTN send": image bytes 94 and 95
    // The version query of the screen's activation: only when idle.
    void queryVersionOnActivation();
    // Menu `GSMsoftververzi1`: query now and show the version in a message.
    void queryVersionFromMenu();
    void setClock();            // menu `GSMraszinkronozsa1`
    void restart();             // `BitBtn4`: asks first
    void lifeSignalTest();      // `Button16`
    // The screen is asked to close (`BitBtn3`, menu `Kilps1`, window close):
    // true when it may. While an operation runs the user is asked first.
    bool confirmClose();
    // Abandons any operation and closes the port (program end, tool exit).
    void shutdown();
    // Another operation takes the machine over: a read or write still running stops
    // here, and its gauge and buttons return to rest, so no button stays disabled
    // without an operation running. The port stays open.
    void abandonOperation();

    // --- Values the screen hands over -----------------------------------------
    void setDeviceType(int code) { vars_.deviceType = code; }
    void setFirmwareVersion(int version) { vars_.firmwareVersion = version; }
    // Read by the screen from the "company" setting when it is activated.
    void setCompanyFlag(bool company) { vars_.company = company; }
    // After a write all, read the written ranges back and compare (off by default).
    void setVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    bool verifyAfterWrite() const { return verifyAfterWrite_; }
    bool verifying() const { return verifying_; }
    const std::vector<VerifyDifference>& verifyDifferences() const { return differences_; }

    // --- The machine, for the operations that add states and for tests -------
    void addStates(TransferStates& states);
    void sendStep();
    TransferVariables& vars() { return vars_; }
    const TransferVariables& vars() const { return vars_; }
    Z4Link& link() { return link_; }
    Image& image() { return image_; }
    TransferListener& listener() { return listener_; }
    const TransferGauge& gauge() const { return gauge_; }
    std::string text(TransferText id) const;
    std::string message(const std::string& hungarian) const;
    // Status panel 3 with a catalogue entry named by its Hungarian text.
    void showStatusMessage(const std::string& hungarian);
    ModuleClockTime now() const;

    // Status panel 3.
    void showStatus(TransferText id);
    // Gauge maximum, progress 0, shown.
    void startGauge(int max);
    void advanceGauge();
    void hideGauge();
    void enableTransferButtons(bool enabled);

private:
    TransferStates* statesFor(int state) const;
    bool ownReplyShape(int state) const;
    void receiveOwnShape(int state);
    void receiveSixByte(int state);
    void openPort();
    void onChannelError(int errors);

    // Engine states: send step and reply rule (TransferEngineRead.cpp,
    // TransferEngineWrite.cpp, TransferEngineModule.cpp).
    bool sendEngineState(int state);
    bool receiveEngineSixByte(int state);
    void receiveEngineOwnShape(int state);
    void sendByteRead();
    void receiveByteRead();
    void finishByteRead();
    void sendSmallBlockRead();
    void receiveSmallBlockRead();
    void sendLargeBlockRead();
    void receiveLargeBlockRead();
    void sendByteWrite();
    void receiveByteWrite();
    void finishByteWrite();
    void sendContactIdBlock();
    void receiveContactIdBlock();
    void sendLargeBlockWrite();
    void receiveLargeBlockWrite();
    void sendVersionQuery();
    void receiveVersionQuery();
    void beginClock();  // the clock setting, from the menu or at the end of a block write
    void sendClockFrame();
    void receiveClockReply();
    // Verify after write (TransferEngineVerify.cpp).
    void startVerify();
    bool finishVerify();  // true when the read that ended was the verify read
    bool keptByModule(int address) const;

    CommChannel& channel_;
    Image& image_;
    TransferListener& listener_;
    TransferEnvironment env_;
    Z4Link link_;
    TransferVariables vars_;
    TransferGauge gauge_;
    std::vector<TransferStates*> extraStates_;
    bool verifyAfterWrite_ = false;
    bool verifyPending_ = false;  // this write all ends with a verify
    bool verifying_ = false;
    Image written_{};
    std::vector<VerifyDifference> differences_;
};

}  // namespace vardeck
