#include "devices/TrackerScreen.h"

#include "brand/Brand.h"
#include "devices/StoredPort.h"
#include "serial/CommChannel.h"
#include "settings/Settings.h"
#include "z4config/Cp1250.h"
#include "z4link/Frame.h"

#include <algorithm>

namespace vardeck::devices {

namespace {

constexpr uint8_t kAck = 0xAB;
constexpr uint8_t kReadByte = 0x00;
constexpr uint8_t kWriteByte = 0x01;
constexpr uint8_t kReadBlock = 0x40;
constexpr uint8_t kWriteBlock = 0x80;
constexpr int kReplySize = static_cast<int>(kFrameSize);
constexpr int kBlockReplySize = static_cast<int>(kTrackerBlockSize) + 1;  // data and their sum
constexpr std::size_t kAddressLength = 15;
constexpr std::size_t kPortLength = 5;
constexpr std::size_t kApnMaxLength = 32;

bool isAddressCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

}  // namespace

TrackerScreen::TrackerScreen(CommChannel& channel, DeviceScreenEnvironment env)
    : channel_(channel), env_(std::move(env)) {
    ProgressBar1.setVisible(false);
    setButtonsEnabled(true);
    adas.onTimer = [this] { adasTimer(); };
    channel_.OnRxChar = [this](CommChannel&, int count) { AsynComm321RxChar(count); };
}

TrackerScreen::~TrackerScreen() { channel_.OnRxChar = nullptr; }

void TrackerScreen::handOver() {
    state_ = kIdle;
    setButtonsEnabled(true);
}

bool TrackerScreen::ready() const { return state_ == kIdle && BitBtn1.enabled() && BitBtn2.enabled(); }

std::vector<std::string> TrackerScreen::editableControls() const {
    return {"Edit1", "Edit2", "Edit3", "CheckBox1"};
}

void TrackerScreen::controlChanged(const std::string& name) {
    if (name == "Edit1" || name == "Edit2" || name == "Edit3") checkLastAddressCharacter();
}

bool TrackerScreen::click(const std::string& name) {
    if (name == "BitBtn2" || name == "Olvass1") {
        read();
    } else if (name == "BitBtn1" || name == "Irs1") {
        write();
    } else if (name == "BitBtn3" || name == "Kilps1") {
        if (closeWindow) closeWindow();
    } else if (name == "wavecom1") {
        wavecom1.setChecked(!wavecom1.checked());
    } else if (name == "Verzi2") {
        if (env_.dialogs) env_.dialogs->showMessage("PC szoftver verzió: 1.0");
    } else if (name == "IPcim1" || name == "IPcim2") {
        Edit1.setText(name == "IPcim1" ? kPreset1 : kPreset2);
        checkLastAddressCharacter();
    } else {
        return false;
    }
    return true;
}

// Every change of the three fields looks at the last character of the address:
// only digits and points belong there.
void TrackerScreen::checkLastAddressCharacter() {
    const std::string& text = Edit1.text();
    // Nothing typed yet (or the field was just emptied): nothing to look at.
    if (text.empty() || isAddressCharacter(text.back())) return;
    Edit1.setText("");
    if (env_.dialogs) env_.dialogs->showMessage("Nem megfelelo karakter");
}

// --- Buttons -----------------------------------------------------------------------

void TrackerScreen::read() {
    // The menu item runs the button's action; neither runs while the other is off.
    if (!BitBtn2.enabled() || state_ != kIdle) return;
    if (oldFormat()) {
        startBlockTransfer(kOldRead, "Olvasás /régi/");
    } else {
        sbar1.setPanel(4, "Olvasás /új/");
        startByteTransfer(kNewRead);
    }
}

bool TrackerScreen::write() {
    if (!BitBtn1.enabled() || state_ != kIdle) return false;
    if (!checkServerAddress()) return false;
    if (oldFormat()) {
        // The block goes out after it has been read; it carries the address checked now.
        blockAddress_ = Edit1.text();
        startBlockTransfer(kOldReadBeforeWrite, "írás /régi/");
        return true;
    }
    if (Edit2.length() != kPortLength) return refuse("Nem megfelelő hosszúságú a megadott PORT cim");
    if (Edit3.length() > kApnMaxLength) {
        return refuse("Túl hosszú APN név Kérem vegye fel a kapcsolatot a fejlesztőkkel...");
    }
    encodeTrackerFields({CheckBox1.checked(), Edit1.text(), Edit2.text(), Edit3.text()}, image_);
    startByteTransfer(kNewWrite);
    return true;
}

// Fifteen characters with points at characters 4, 8 and 12: "010.001.002.003".
bool TrackerScreen::checkServerAddress() {
    if (Edit1.length() != kAddressLength) return refuse("Nem megfelelő hosszúságú a megadott IP cim");
    // One byte a character, as the tracker gets it.
    const std::vector<uint8_t> chars = z4config::utf8ToCp1250(Edit1.text());
    for (std::size_t point : {3u, 7u, 11u}) {
        if (point >= chars.size() || chars[point] != '.') return refuse("Tizedespont nem megfelelő helyen...");
    }
    return true;
}

bool TrackerScreen::refuse(const char* message) {
    if (env_.dialogs) env_.dialogs->showMessage(message);
    return false;
}

// The buttons and their menu items are off while a transfer runs, so that a second
// operation cannot start over it (a write during a read would send the half-read
// image back to the tracker).
void TrackerScreen::setButtonsEnabled(bool on) {
    for (controls::Control* c : std::initializer_list<controls::Control*>{&BitBtn1, &BitBtn2, &Olvass1, &Irs1}) {
        c->setEnabled(on);
    }
}

void TrackerScreen::wakeSendTimer() {
    if (!adas.enabled()) adas.start();
}

void TrackerScreen::startByteTransfer(int state) {
    state_ = state;
    wakeSendTimer();
    address_ = 0;
    index_ = 0;
    remaining_ = static_cast<int>(kTrackerImageSize);
    fill_ = 0;
    ProgressBar1.setProgress(0);
    ProgressBar1.setVisible(true);
    setButtonsEnabled(false);
}

void TrackerScreen::startBlockTransfer(int state, const char* operationText) {
    sbar1.setPanel(4, operationText);
    page_ = kAddressPage;
    offset_ = 0;
    state_ = state;
    wakeSendTimer();
    setButtonsEnabled(false);
}

// --- Send timer ----------------------------------------------------------------------

void TrackerScreen::adasTimer() {
    adas.setInterval(kTickMs);
    // Nothing to send and no port to give back: the timer rests until a transfer
    // starts (wakeSendTimer).
    if (state_ == kIdle && !holdsChannel_ && holdOff_ == 0) {
        adas.stop();
        return;
    }
    // The search still has the port: the device is not ours yet.
    if (env_.searchHoldsChannel && env_.searchHoldsChannel()) return;
    if (state_ == kIdle) {
        if (holdsChannel_) {
            channel_.Close();
            holdsChannel_ = false;
        }
    } else {
        openChannelIfNeeded();
    }
    if (holdOff_ > 0) {
        --holdOff_;
        return;
    }
    if (state_ != kIdle) sendStep();
}

void TrackerScreen::openChannelIfNeeded() {
    // A port that failed to open is tried again on the next tick.
    if (holdsChannel_ && channel_.IsOpen()) return;
    const std::string port = openStoredPort(channel_, env_.brand, cbr4800);
    holdsChannel_ = true;
    sbar1.setPanel(1, port);
}

void TrackerScreen::sendStep() {
    ++sentFrames_;
    sbar1.setPanel(0, "TX>" + std::to_string(sentFrames_));
    fill_ = 0;
    const auto high = static_cast<uint8_t>(address_ >> 8);
    const auto low = static_cast<uint8_t>(address_ & 0xFF);
    switch (state_) {
        case kNewRead: sendFrame(high, kReadByte, low, 0); break;
        case kNewWrite:
            if (index_ < static_cast<int>(image_.size())) sendFrame(high, kWriteByte, low, image_[index_]);
            break;
        case kOldRead:
        case kOldReadBeforeWrite: sendFrame(0, kReadBlock, page_, offset_); break;
        case kOldWrite: sendBlockWrite(); break;
        default: break;
    }
}

void TrackerScreen::sendFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame frame = makeFrame(p0, p1, p2, p3);
    channel_.Write(frame.data(), kReplySize);
}

// Header, the 64 data bytes with the new address in them, their data sum: one write.
void TrackerScreen::sendBlockWrite() {
    std::array<uint8_t, kFrameSize + kTrackerBlockSize + 1> out{};
    fillFrame(out.data(), 0, kWriteBlock, page_, offset_);
    TrackerBlock data = block_;
    putBlockServerAddress(blockAddress_, data);
    std::copy(data.begin(), data.end(), out.begin() + kFrameSize);
    out.back() = dataSum(data.data(), data.size());
    channel_.Write(out.data(), static_cast<int>(out.size()));
}

// --- Receive ---------------------------------------------------------------------------

void TrackerScreen::AsynComm321RxChar(int count) {
    bool arrived = false;
    uint8_t chunk[128];
    while (count > 0) {
        const int n = channel_.Read(chunk, std::min(count, static_cast<int>(sizeof chunk)));
        if (n <= 0) break;
        count -= n;
        arrived = true;
        for (int i = 0; i < n; ++i) {
            if (fill_ < kReceiveCapacity) received_[static_cast<std::size_t>(fill_)] = chunk[i];
            // The count stops one past the capacity: "more than a block".
            if (fill_ <= kReceiveCapacity) ++fill_;
        }
    }
    if (!arrived) return;
    if (state_ == kOldRead || state_ == kOldReadBeforeWrite) blockReply();
    else sixByteReply();
}

void TrackerScreen::blockReply() {
    if (fill_ != kBlockReplySize) return;
    if (received_[kTrackerBlockSize] != dataSum(received_.data(), kTrackerBlockSize)) {
        // The timer asks for the block again on its next tick.
        ++badBlocks_;
        sbar1.setPanel(2, "Error>" + std::to_string(badBlocks_));
        return;
    }
    if (env_.dialogs) env_.dialogs->beep();
    TrackerBlock block{};
    std::copy_n(received_.begin(), kTrackerBlockSize, block.begin());
    if (state_ == kOldRead) {
        Edit1.setText(blockServerAddress(block));
        state_ = kIdle;
        setButtonsEnabled(true);
        return;
    }
    block_ = block;
    state_ = kOldWrite;
    sendStep();
}

void TrackerScreen::sixByteReply() {
    if (fill_ > kReplySize) fill_ = 0;
    if (fill_ != kReplySize) return;
    // Whatever this reply was, the next one starts an empty buffer: a stale reply that
    // is ignored below must not push the awaited one past six bytes.
    fill_ = 0;
    if (!frameIsValid(received_.data())) return;
    holdOff_ = kHoldOffTicks;
    const uint8_t* r = received_.data();
    const bool fromTracker = r[0] == kAck;
    // Byte replies name the address they belong to, so a late answer to the previous
    // frame is never taken for this one.
    const bool thisAddress = r[2] == static_cast<uint8_t>(address_ & 0xFF);
    switch (state_) {
        case kNewWrite:
            if (fromTracker && thisAddress && index_ < static_cast<int>(image_.size()) && r[3] == image_[index_]) {
                byteAccepted();
            }
            break;
        case kNewRead:
            if (fromTracker && thisAddress && index_ < static_cast<int>(image_.size())) {
                image_[static_cast<std::size_t>(index_)] = r[3];
                byteAccepted();
            }
            break;
        case kOldWrite:
            state_ = kIdle;
            setButtonsEnabled(true);
            break;
        default: break;
    }
}

void TrackerScreen::byteAccepted() {
    ++index_;
    ++address_;
    --remaining_;
    ProgressBar1.setProgress(index_);
    if (remaining_ > 0) {
        sendStep();
        return;
    }
    if (state_ == kNewWrite) {
        finish("Irás OK.");
        return;
    }
    finish("Összes adat kiolvasása sikeres!");
    const TrackerFields fields = decodeTrackerFields(image_);
    CheckBox1.setChecked(fields.sensorDisabled);
    Edit1.setText(fields.serverAddress);
    Edit2.setText(fields.port);
    Edit3.setText(fields.apn);
}

void TrackerScreen::finish(const char* operationText) {
    state_ = kIdle;
    sbar1.setPanel(4, operationText);
    ProgressBar1.setVisible(false);
    setButtonsEnabled(true);
}

std::unique_ptr<DeviceScreen> makeTrackerScreen(CommChannel& channel, DeviceScreenEnvironment env) {
    return std::make_unique<TrackerScreen>(channel, std::move(env));
}

}  // namespace vardeck::devices
