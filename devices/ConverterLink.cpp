// The converter screen's side of the line: the send timer, the frames of each
// protocol state and the replies that move the state on.
#include "devices/ConverterScreen.h"

#include "brand/Brand.h"
#include "devices/StoredPort.h"
#include "serial/CommChannel.h"
#include "settings/Settings.h"
#include "z4link/Frame.h"

namespace vardeck::devices {

void ConverterScreen::adasTimer() {
    adas.setInterval(kTickMs);
    // Nothing to send and no port to give back: the timer rests until a hand-over,
    // a transfer or a command needs it (wakeSendTimer).
    if (state_ == kIdle && !holdsChannel_ && holdOff_ == 0) {
        adas.stop();
        return;
    }
    // The search still has the device: wait until it lets go.
    if (env_.searchHoldsChannel && env_.searchHoldsChannel()) return;
    if (state_ == kIdle) {
        if (holdsChannel_) {
            channel_.Close();
            holdsChannel_ = false;
        }
        return;
    }
    if (!holdsChannel_ || !channel_.IsOpen()) {
        openStoredPort(channel_, env_.brand, cbr9600);
        // A port that did not open is tried again on the next tick.
        holdsChannel_ = channel_.IsOpen();
    }
    if (holdOff_ > 0) {
        --holdOff_;
        return;
    }
    sendStep();
}

void ConverterScreen::sendStep() {
    switch (state_) {
        case kVersionQuery: sendFrame(0x00, 0x00, 0xFE, 0x00); break;
        case kReading: sendFrame(static_cast<uint8_t>(address_ >> 8), 0x00, static_cast<uint8_t>(address_), 0x00); break;
        case kWriting:
            sendFrame(static_cast<uint8_t>(address_ >> 8), 0x01, static_cast<uint8_t>(address_),
                      image_[static_cast<std::size_t>(index_)]);
            break;
        case kRestart:
            sendFrame(0x00, 0xFF, 0xAA, 0x00);
            state_ = kIdle;
            break;
        case kTelnetMode:
            sendFrame(0x00, 0xFE, 0xBB, 0x00);
            state_ = kIdle;
            break;
        case kGsmRouteMode:
            sendFrame(0x00, 0xFD, 0xBB, 0x00);
            state_ = kIdle;
            break;
        default: break;
    }
}

void ConverterScreen::sendFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame frame = makeFrame(p0, p1, p2, p3);
    channel_.Write(frame.data(), static_cast<int>(frame.size()));
    reply_.reset();
}

void ConverterScreen::AsynComm321RxChar(int count) {
    if (!reply_.collect(channel_, count)) return;
    if (!frameIsValid(reply_.bytes())) {
        reply_.reset();
        return;
    }
    holdOff_ = kHoldOffTicks;
    validReply(reply_[3]);
}

void ConverterScreen::validReply(uint8_t data) {
    switch (state_) {
        case kVersionQuery:
            Label6.setCaption("szoftver verzio> 1." + std::to_string(data));
            state_ = kIdle;
            setButtonsEnabled(true);
            break;
        case kReading:
            image_[static_cast<std::size_t>(index_)] = data;
            advanceTransfer();
            break;
        case kWriting:
            // A wrong echo is ignored: the timer sends the byte again.
            if (data == image_[static_cast<std::size_t>(index_)]) advanceTransfer();
            break;
        default: break;
    }
}

void ConverterScreen::wakeSendTimer() {
    if (!adas.enabled()) adas.start();
}

void ConverterScreen::startTransfer(int state, int count, int endState) {
    const bool lineOpen = holdsChannel_ && channel_.IsOpen();
    state_ = state;
    wakeSendTimer();
    address_ = 0;
    index_ = 0;
    remaining_ = count;
    endState_ = endState;
    reply_.reset();
    ProgressBar1.setMax(count);
    ProgressBar1.setProgress(0);
    ProgressBar1.setVisible(true);
    setButtonsEnabled(false);
    // A closed line is opened by the next tick, which then sends.
    if (lineOpen) sendStep();
}

void ConverterScreen::advanceTransfer() {
    ++index_;
    ++address_;
    --remaining_;
    ProgressBar1.setProgress(index_);
    if (remaining_ > 0) sendStep();
    else finishTransfer();
}

void ConverterScreen::finishTransfer() {
    const bool wasReading = state_ == kReading;
    state_ = endState_;
    ProgressBar1.setVisible(false);
    setButtonsEnabled(true);
    if (!wasReading) return;
    imageRead_ = true;
    if (writeAfterRead_) {
        // The read before a first write: the installer's fields go over what was read.
        writeAfterRead_ = false;
        encodeConverterImage(controls(), image_);
        startTransfer(kWriting, kConverterWriteSize, kWritten);
        return;
    }
    decodeConverterImage(image_, controls());
    tidyFields();
}

}  // namespace vardeck::devices
