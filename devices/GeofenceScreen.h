#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "devices/DeviceScreen.h"

namespace vardeck::devices {

// The GPS geofence unit's screen (Form7): the phone number the unit notifies, and its
// table of 64 position windows (latitude and longitude ranges). The phone number
// travels one byte a six-byte frame; the table in 64-byte blocks, two rows a block,
// from the unit's pages 114 to 121.
//
// Everything runs from the send timer and the receive notification: a valid reply
// sends the next frame at once, a missing one is repeated by the timer.
class GeofenceScreen : public DeviceScreen {
public:
    static constexpr int kTypeCode = 61;

    // Protocol states.
    static constexpr int kIdle = 0;
    static constexpr int kVersionQuery = 1;
    static constexpr int kReadingBytes = 100;
    static constexpr int kWritingBytes = 101;
    static constexpr int kReadingBlocks = 300;
    static constexpr int kWritingBlocks = 350;

    // The unit's memory: the bytes read one by one, the phone number among them.
    static constexpr int kImageSize = 50;
    static constexpr int kPhoneAddress = 30;
    static constexpr int kPhoneLength = 16;  // what Edit1 takes and a write sends
    // The position table: 64 rows, two a 64-byte block, four blocks a page.
    static constexpr int kTableRows = 64;
    static constexpr int kFirstPage = 114;
    static constexpr int kEndPage = 122;  // one past the last page
    static constexpr int kBlockSize = 64;
    static constexpr int kBlockReplySize = kBlockSize + 1;  // the block, then a byte not used
    static constexpr int kReplySize = 6;

    static constexpr int kFirstSendDelay = 1000;
    static constexpr int kSendInterval = 350;
    static constexpr int kHoldOffTicks = 3;
    static constexpr int kPageProgress = 30;
    static constexpr const char* kBadCoordinateText = "hiba GPS ertek";

    GeofenceScreen(CommChannel& channel, DeviceScreenEnvironment env);
    ~GeofenceScreen() override;

    // --- DeviceScreen -------------------------------------------------------------
    int typeCode() const override { return kTypeCode; }
    int state() const override { return state_; }
    void handOver() override;
    bool ready() const override;
    bool busy() const override;
    void read() override { BitBtn2Click(); }
    bool write() override { return BitBtn1Click(); }
    std::vector<std::string> editableControls() const override { return {"Edit1", "StringGrid1"}; }
    void controlChanged(const std::string& name) override;
    bool click(const std::string& name) override;

    // --- Events -------------------------------------------------------------------
    // Every activation of the window writes the table's header and row numbers again.
    void FormActivate();
    void adasTimer();
    void AsynComm321RxChar(int count);
    void BitBtn2Click();  // read
    bool BitBtn1Click();  // write; false when the table check refused it
    void BitBtn4Click();  // the wiring diagram

    // Opens the wiring-diagram view (the window's; nothing without a window).
    std::function<void()> showWiringDiagram;

    // --- Controls -----------------------------------------------------------------
    controls::Form& Form7 = registry_.add<controls::Form>("Form7", "Zelkor_MARLOW");
    controls::Label& Label1 = registry_.add<controls::Label>("Label1", "Értesitendő telefonszám:");
    controls::Edit& Edit1 = registry_.add<controls::Edit>("Edit1", "?", kPhoneLength);
    controls::Label& Label2 = registry_.add<controls::Label>("Label2", "Pozició minumum érték");
    controls::Label& Label3 = registry_.add<controls::Label>("Label3", "Pozició maximum érték");
    controls::Grid& StringGrid1 = registry_.add<controls::Grid>("StringGrid1", kTableRows + 1, 5, 1);
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Olvasás");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Elküldés");
    controls::Button& BitBtn4 = registry_.add<controls::Button>("BitBtn4", "Bekötési rajz");
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Kilépés");
    controls::Label& Label6 = registry_.add<controls::Label>("Label6");
    controls::Gauge& ProgressBar1 = registry_.add<controls::Gauge>("ProgressBar1", 253);
    controls::ModelTimer& adas = timers_.add("adas", kFirstSendDelay, true);

    // The unit's bytes 0 to 49 as last read (and as the next write sends them).
    const std::array<uint8_t, kImageSize>& image() const { return image_; }

private:
    void sendStep();
    void sendBlockWrite();
    void emptyReceiveBuffer() {
        fill_ = 0;
        overlong_ = false;
    }
    // Appends received bytes by the rules of the reply the state expects.
    void collect(const uint8_t* bytes, int count);
    void receiveSixByteReply(const uint8_t* reply);
    void receiveBlock();
    void byteDone();
    void blockDone();
    void endTransfer();
    void startTransfer(int state, int address, int remaining, int endState, int gaugeMax);
    void buttonsEnabled(bool on);
    // The first cell whose text would be written as a wrong coordinate: row, column.
    std::optional<std::pair<int, int>> firstBadCell() const;
    void decodeBlock(const uint8_t* block);
    std::array<uint8_t, kBlockSize> encodeBlock() const;
    void showPhoneNumber();
    void storePhoneNumber();

    CommChannel& channel_;
    DeviceScreenEnvironment env_;
    std::array<uint8_t, kImageSize> image_{};
    std::array<uint8_t, kBlockReplySize> rx_{};
    int fill_ = 0;
    int state_ = kIdle;
    int address_ = 0;
    int remaining_ = 0;
    int index_ = 0;
    int endState_ = kIdle;
    int page_ = kFirstPage;
    int offset_ = 0;
    int row_ = 1;
    int holdOff_ = 0;
    bool holdsChannel_ = false;
    // More bytes came than a block reply has: the line carries something else, and
    // everything up to the next request is dropped.
    bool overlong_ = false;
    // A block reply that came whole and was followed by silence; the block is taken
    // when the reply to the timer's next request brings the same bytes.
    std::optional<std::array<uint8_t, kBlockSize>> unconfirmedBlock_;
};

}  // namespace vardeck::devices
