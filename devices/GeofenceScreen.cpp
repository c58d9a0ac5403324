#include "devices/GeofenceScreen.h"

#include <algorithm>

#include "brand/Brand.h"
#include "controls/Utf8.h"
#include "devices/GeofenceCoordinates.h"
#include "devices/StoredPort.h"
#include "serial/CommChannel.h"
#include "settings/Settings.h"
#include "z4config/Cp1250.h"
#include "z4link/Frame.h"

namespace vardeck::devices {
namespace {

constexpr uint8_t kReadByte = 0x00;
constexpr uint8_t kWriteByte = 0x01;
constexpr uint8_t kBlockRead = 0x40;
constexpr uint8_t kBlockWrite = 0x80;
constexpr uint8_t kPhoneEnd = '*';
constexpr int kPageSize = 256;
constexpr int kCoordinatesPerRow = 4;
constexpr int kReadGaugeMax = 253;
constexpr int kWriteGaugeMax = 200;
constexpr int kReadCount = GeofenceScreen::kImageSize;     // addresses 0 to 49
constexpr int kWriteCount = GeofenceScreen::kPhoneLength;  // addresses 30 to 45
constexpr const char* kHeaders[] = {"Latitude min", "Longitude min", "Latitude max", "Longitude max"};

bool isTablePage(int page) { return page >= GeofenceScreen::kFirstPage && page < GeofenceScreen::kEndPage; }
bool isBlockOffset(int offset) { return offset >= 0 && offset < kPageSize && offset % GeofenceScreen::kBlockSize == 0; }

}  // namespace

GeofenceScreen::GeofenceScreen(CommChannel& channel, DeviceScreenEnvironment env)
    : channel_(channel), env_(std::move(env)) {
    buttonsEnabled(false);
    ProgressBar1.setVisible(false);
    adas.onTimer = [this] { adasTimer(); };
    channel_.OnRxChar = [this](CommChannel&, int count) { AsynComm321RxChar(count); };
    FormActivate();
}

GeofenceScreen::~GeofenceScreen() { channel_.OnRxChar = nullptr; }

void GeofenceScreen::handOver() {
    state_ = kVersionQuery;
    holdOff_ = 0;
    emptyReceiveBuffer();
    buttonsEnabled(false);
    // The first tick comes a full delay after the hand-over, when the search has let
    // go of the port.
    adas.stop();
    adas.setInterval(kFirstSendDelay);
    adas.start();
}

bool GeofenceScreen::ready() const { return state_ == kIdle && BitBtn1.enabled() && BitBtn2.enabled(); }

bool GeofenceScreen::busy() const {
    return state_ == kReadingBytes || state_ == kWritingBytes || state_ == kReadingBlocks ||
           state_ == kWritingBlocks;
}

void GeofenceScreen::controlChanged(const std::string& name) {
    // A text set from outside is held to what the field takes.
    if (name == "Edit1" && Edit1.length() > static_cast<std::size_t>(kPhoneLength)) {
        Edit1.setText(controls::utf8Left(Edit1.text(), kPhoneLength));
    }
}

bool GeofenceScreen::click(const std::string& name) {
    if (name == "BitBtn2") BitBtn2Click();
    else if (name == "BitBtn1") BitBtn1Click();
    else if (name == "BitBtn4") BitBtn4Click();
    else return false;
    return true;
}

void GeofenceScreen::FormActivate() {
    for (int col = 1; col <= kCoordinatesPerRow; ++col) StringGrid1.setCell(0, col, kHeaders[col - 1]);
    for (int row = 1; row <= kTableRows; ++row) StringGrid1.setCell(row, 0, std::to_string(row));
}

void GeofenceScreen::buttonsEnabled(bool on) {
    BitBtn1.setEnabled(on);
    BitBtn2.setEnabled(on);
}

// --- Send timer and send step ----------------------------------------------------

void GeofenceScreen::adasTimer() {
    adas.setInterval(kSendInterval);
    // Nothing to send and no port to give back: the timer rests until a hand-over or
    // a transfer starts it again.
    if (state_ == kIdle && !holdsChannel_ && holdOff_ == 0) {
        adas.stop();
        return;
    }
    if (env_.searchHoldsChannel && env_.searchHoldsChannel()) return;
    if (state_ == kIdle) {
        if (holdsChannel_) {
            channel_.Close();
            holdsChannel_ = false;
        }
        return;
    }
    if (!holdsChannel_) {
        openStoredPort(channel_, env_.brand, cbr9600);
        holdsChannel_ = true;
    }
    if (holdOff_ > 0) {
        --holdOff_;
        return;
    }
    sendStep();
}

void GeofenceScreen::sendStep() {
    uint8_t frame[kFrameSize];
    const auto high = static_cast<uint8_t>(address_ >> 8);
    const auto low = static_cast<uint8_t>(address_ & 0xFF);
    switch (state_) {
        case kVersionQuery: fillFrame(frame, 0x00, 0x00, 0xFE, 0x00); break;
        case kReadingBytes: fillFrame(frame, high, kReadByte, low, 0x00); break;
        case kWritingBytes:
            if (index_ < 0 || index_ >= kImageSize) return;
            fillFrame(frame, high, kWriteByte, low, image_[static_cast<std::size_t>(index_)]);
            break;
        case kReadingBlocks:
            if (!isTablePage(page_) || !isBlockOffset(offset_)) return endTransfer();
            fillFrame(frame, 0x00, kBlockRead, static_cast<uint8_t>(page_), static_cast<uint8_t>(offset_));
            break;
        case kWritingBlocks: return sendBlockWrite();
        default: return;
    }
    // Emptied before writing: the reply may be announced before Write returns.
    emptyReceiveBuffer();
    channel_.Write(frame, static_cast<int>(kFrameSize));
}

// The block frame, the 64 bytes of two table rows and a closing 0, in one write.
void GeofenceScreen::sendBlockWrite() {
    // Only the unit's table pages are ever written.
    if (!isTablePage(page_) || !isBlockOffset(offset_)) return endTransfer();
    std::array<uint8_t, kFrameSize + kBlockSize + 1> out{};
    fillFrame(out.data(), 0x00, kBlockWrite, static_cast<uint8_t>(page_), static_cast<uint8_t>(offset_));
    const auto block = encodeBlock();
    std::copy(block.begin(), block.end(), out.begin() + kFrameSize);
    emptyReceiveBuffer();
    channel_.Write(out.data(), static_cast<int>(out.size()));
}

// --- Receiving -------------------------------------------------------------------

void GeofenceScreen::AsynComm321RxChar(int count) {
    // Every announced byte is read, so that none linger in the channel.
    if (count <= 0) return;
    std::vector<uint8_t> received(static_cast<std::size_t>(count));
    const int taken = channel_.Read(received.data(), count);
    // A notification that brought nothing completes nothing.
    if (taken <= 0) return;
    collect(received.data(), std::min(taken, count));
    if (state_ == kReadingBlocks) {
        if (fill_ == kBlockReplySize && !overlong_) receiveBlock();
        return;
    }
    if (fill_ != kReplySize) return;
    if (!frameIsValid(rx_.data())) {
        emptyReceiveBuffer();
        return;
    }
    receiveSixByteReply(rx_.data());
}

void GeofenceScreen::collect(const uint8_t* bytes, int count) {
    if (state_ != kReadingBlocks) {
        // Bytes that would pass six are dropped together with those collected.
        if (fill_ + count > kReplySize) {
            emptyReceiveBuffer();
            return;
        }
    } else if (overlong_) {
        return;
    } else if (fill_ + count > kBlockReplySize) {
        // A block reply is 65 bytes: what came is no block, and a block taken from its
        // first 65 bytes is not one either.
        emptyReceiveBuffer();
        overlong_ = true;
        unconfirmedBlock_.reset();
        return;
    }
    std::copy(bytes, bytes + count, rx_.begin() + fill_);
    fill_ += count;
}

void GeofenceScreen::receiveSixByteReply(const uint8_t* reply) {
    holdOff_ = kHoldOffTicks;
    switch (state_) {
        case kVersionQuery:
            Label6.setCaption("szoftver verzio> 1." + std::to_string(reply[3]));
            state_ = kIdle;
            buttonsEnabled(true);
            break;
        case kReadingBytes:
            if (index_ < 0 || index_ >= kImageSize) return;
            image_[static_cast<std::size_t>(index_)] = reply[3];
            byteDone();
            break;
        case kWritingBytes:
            // Another echo than the byte sent: the timer sends the frame again.
            if (index_ < 0 || index_ >= kImageSize || reply[3] != image_[static_cast<std::size_t>(index_)]) return;
            byteDone();
            break;
        case kWritingBlocks: blockDone(); break;
        default: break;
    }
}

void GeofenceScreen::byteDone() {
    ++index_;
    ++address_;
    ProgressBar1.setProgress(ProgressBar1.progress() + 1);
    if (--remaining_ > 0) {
        sendStep();
        return;
    }
    // The bytes are done; the table blocks start from the timer.
    if (state_ == kReadingBytes) showPhoneNumber();
    state_ = endState_;
    page_ = kFirstPage;
    offset_ = 0;
    row_ = 1;
    unconfirmedBlock_.reset();
}

// A block reply carries no check of its own: a byte spoilt on the line would show as a
// wrong coordinate and be written back later, and junk before a reply would shift every
// block after it. So a block is taken only when two replies agree, the second one to a
// request the timer sent after the first reply had been followed by silence (bytes
// after a complete reply drop it, see collect()).
void GeofenceScreen::receiveBlock() {
    std::array<uint8_t, kBlockSize> block{};
    std::copy_n(rx_.begin(), kBlockSize, block.begin());
    if (!unconfirmedBlock_ || *unconfirmedBlock_ != block) {
        unconfirmedBlock_ = block;  // the timer asks again
        return;
    }
    unconfirmedBlock_.reset();
    if (env_.dialogs) env_.dialogs->beep();
    decodeBlock(block.data());
    blockDone();
}

void GeofenceScreen::blockDone() {
    row_ += 2;
    offset_ += kBlockSize;
    if (offset_ >= kPageSize) {
        offset_ = 0;
        ++page_;
        ProgressBar1.setProgress(ProgressBar1.progress() + kPageProgress);
    }
    if (page_ >= kEndPage) {
        endTransfer();
        return;
    }
    sendStep();
}

void GeofenceScreen::endTransfer() {
    state_ = kIdle;
    buttonsEnabled(true);
    ProgressBar1.setVisible(false);
}

// --- Read and write ----------------------------------------------------------------

void GeofenceScreen::startTransfer(int state, int address, int remaining, int endState, int gaugeMax) {
    // A screen in a state holds the channel already and may send at once.
    const bool wasActive = state_ != kIdle;
    state_ = state;
    if (!adas.enabled()) adas.start();
    address_ = address;
    index_ = address;
    remaining_ = remaining;
    endState_ = endState;
    unconfirmedBlock_.reset();
    emptyReceiveBuffer();
    if (wasActive && holdsChannel_) sendStep();
    ProgressBar1.setMax(gaugeMax);
    ProgressBar1.setProgress(0);
    ProgressBar1.setVisible(true);
    buttonsEnabled(false);
}

void GeofenceScreen::BitBtn2Click() {
    if (!BitBtn2.enabled()) return;
    startTransfer(kReadingBytes, 0, kReadCount, kReadingBlocks, kReadGaugeMax);
}

bool GeofenceScreen::BitBtn1Click() {
    if (!BitBtn1.enabled()) return false;
    if (const auto bad = firstBadCell()) {
        StringGrid1.select(bad->first, bad->second);
        if (env_.dialogs) env_.dialogs->showMessage(kBadCoordinateText);
        return false;
    }
    storePhoneNumber();
    startTransfer(kWritingBytes, kPhoneAddress, kWriteCount, kWritingBlocks, kWriteGaugeMax);
    return true;
}

void GeofenceScreen::BitBtn4Click() {
    if (showWiringDiagram) showWiringDiagram();
}

std::optional<std::pair<int, int>> GeofenceScreen::firstBadCell() const {
    for (int row = 1; row <= kTableRows; ++row) {
        for (int col = 1; col <= kCoordinatesPerRow; ++col) {
            if (!geofence::cellValue(StringGrid1.cell(row, col))) return std::make_pair(row, col);
        }
    }
    return std::nullopt;
}

// --- Table blocks and phone number -------------------------------------------------

void GeofenceScreen::decodeBlock(const uint8_t* block) {
    for (int k = 0; k < 2 * kCoordinatesPerRow; ++k) {
        const int row = row_ + k / kCoordinatesPerRow;
        if (row < 1 || row > kTableRows) continue;
        const int32_t value = geofence::decodeWord(block + k * geofence::kWordSize);
        StringGrid1.setCell(row, 1 + k % kCoordinatesPerRow, geofence::valueText(value));
    }
}

std::array<uint8_t, GeofenceScreen::kBlockSize> GeofenceScreen::encodeBlock() const {
    std::array<uint8_t, kBlockSize> block{};
    for (int k = 0; k < 2 * kCoordinatesPerRow; ++k) {
        const int row = row_ + k / kCoordinatesPerRow;
        int32_t value = 0;
        if (row >= 1 && row <= kTableRows) {
            value = geofence::cellValue(StringGrid1.cell(row, 1 + k % kCoordinatesPerRow)).value_or(0);
        }
        const auto word = geofence::encodeWord(value);
        std::copy(word.begin(), word.end(), block.begin() + k * geofence::kWordSize);
    }
    return block;
}

// Edit1 shows the bytes from address 30 up to the "*", at most 17 of them (the 17th
// from address 46, which a write never sends).
void GeofenceScreen::showPhoneNumber() {
    constexpr int kMaxShown = kPhoneLength + 1;
    const auto begin = image_.begin() + kPhoneAddress;
    const auto end = std::find(begin, begin + kMaxShown, kPhoneEnd);
    Edit1.setText(z4config::cp1250ToUtf8(&*begin, static_cast<std::size_t>(end - begin)));
}

// The characters of Edit1 from address 30 on, the "*" right after the last one.
void GeofenceScreen::storePhoneNumber() {
    const std::vector<uint8_t> bytes = z4config::utf8ToCp1250(controls::utf8Left(Edit1.text(), kPhoneLength));
    const std::size_t count = std::min<std::size_t>(bytes.size(), kPhoneLength);
    std::copy_n(bytes.begin(), count, image_.begin() + kPhoneAddress);
    image_[kPhoneAddress + count] = kPhoneEnd;
}

std::unique_ptr<DeviceScreen> makeGeofenceScreen(CommChannel& channel, DeviceScreenEnvironment env) {
    return std::make_unique<GeofenceScreen>(channel, std::move(env));
}

}  // namespace vardeck::devices
