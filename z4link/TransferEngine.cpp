// The machine itself: tick handler, send step, receive handler, the port, and
// the helpers the states share. The states live in TransferEngineRead.cpp,
// TransferEngineWrite.cpp and TransferEngineModule.cpp.
#include "z4link/TransferEngine.h"

#include <ctime>

#include "serial/CommChannel.h"
#include "z4link/Frame.h"
#include "z4link/ReplyChecks.h"

namespace vardeck {
namespace {

// Windows-style device paths ("\\.\COM12") are shown without their prefix.
constexpr std::string_view kDevicePathPrefix = "\\\\.\\";

ModuleClockTime systemLocalTime() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return ModuleClockTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// The engine's states whose replies are not six-byte frames.
bool engineOwnShape(int state) {
    return state == z4state::kSmallBlockRead || state == z4state::kLargeBlockRead ||
           state == z4state::kLargeBlockWrite;
}

}  // namespace

TransferEngine::TransferEngine(CommChannel& channel, Image& image, TransferListener& listener,
                               TransferEnvironment environment)
    : channel_(channel), image_(image), listener_(listener), env_(std::move(environment)), link_(channel) {
    channel_.OnRxChar = [this](CommChannel&, int count) { onRxChar(count); };
    channel_.OnError = [this](CommChannel&, int errors) { onChannelError(errors); };
}

TransferEngine::~TransferEngine() {
    channel_.OnRxChar = nullptr;
    channel_.OnError = nullptr;
}

std::string TransferEngine::text(TransferText id) const {
    return env_.text ? env_.text(id) : hungarianTransferText(id);
}

std::string TransferEngine::message(const std::string& hungarian) const {
    return env_.message ? env_.message(hungarian) : hungarian;
}

void TransferEngine::showStatusMessage(const std::string& hungarian) {
    listener_.setStatusPanel(3, message(hungarian));
}

ModuleClockTime TransferEngine::now() const { return env_.clock ? env_.clock() : systemLocalTime(); }

void TransferEngine::addStates(TransferStates& states) { extraStates_.push_back(&states); }

TransferStates* TransferEngine::statesFor(int state) const {
    for (TransferStates* s : extraStates_) {
        if (s->handles(state)) return s;
    }
    return nullptr;
}

// --- Tick ---------------------------------------------------------------------

void TransferEngine::tick() {
    listener_.showTime(now());
    if (env_.channelReleased && !env_.channelReleased()) return;

    if (vars_.versionPopup == 1) {
        vars_.versionPopup = 0;
        listener_.showMessage(text(TransferText::VersionMessage) + firmwareVersionText(vars_.firmwareVersion));
    }

    if (vars_.state != z4state::kIdle) {
        // A port that failed to open, or was closed after the device vanished,
        // is opened again, so an operation resumes when the device is back.
        if (!vars_.portOpen || !channel_.IsOpen()) openPort();
        if (vars_.countdown > 0) {
            --vars_.countdown;
        } else {
            sendStep();
        }
    }
    // Deliberately not "else": a send step above may have ended the operation.
    if (vars_.state == z4state::kIdle && vars_.portOpen) {
        if (vars_.countdown > 0) {
            --vars_.countdown;
        } else {
            vars_.portOpen = false;
            channel_.Close();
        }
    }
}

void TransferEngine::openPort() {
    vars_.portOpen = true;
    std::string name = env_.portName ? env_.portName() : std::string();
    if (name.empty()) name = "COM1";
    channel_.SetDeviceName(name);
    channel_.Open();
    std::string shown = name;
    if (shown.starts_with(kDevicePathPrefix)) shown.erase(0, kDevicePathPrefix.size());
    listener_.setStatusPanel(0, shown);
}

void TransferEngine::onChannelError(int errors) {
    // A negative value is the device gone for good (cable, USB adapter). Close
    // it; while an operation runs the next tick tries to open it again.
    if (errors < 0 && channel_.IsOpen()) channel_.Close();
}

// --- Send step ------------------------------------------------------------------

void TransferEngine::sendStep() {
    vars_.countdown = 5;
    const int state = vars_.state;
    if (sendEngineState(state)) return;
    if (TransferStates* s = statesFor(state)) s->send(*this, state);
}

// --- Receive handler --------------------------------------------------------------

bool TransferEngine::ownReplyShape(int state) const {
    if (engineOwnShape(state)) return true;
    const TransferStates* s = statesFor(state);
    return s != nullptr && s->ownReplyShape(state);
}

void TransferEngine::onRxChar(int count) {
    const int before = link_.rx().fill();
    link_.onRxChar(count);
    // A notification that brought nothing (its bytes were read already) is no
    // reply: handling the buffer again would re-accept a frame left in it and
    // push the repeat of the command back each time.
    if (link_.rx().fill() == before && before < ReceiveBuffer::kCapacity) return;
    const int state = vars_.state;
    if (ownReplyShape(state)) {
        receiveOwnShape(state);
    } else {
        receiveSixByte(state);
    }
}

void TransferEngine::receiveOwnShape(int state) {
    if (engineOwnShape(state)) {
        receiveEngineOwnShape(state);
    } else if (TransferStates* s = statesFor(state)) {
        s->receive(*this, state);
    }
}

void TransferEngine::receiveSixByte(int state) {
    if (link_.rx().fill() > static_cast<int>(kFrameSize)) {
        TransferStates* s = statesFor(state);
        if (s == nullptr || !s->overlong(*this, state)) link_.clearReceive();
        // A state that cut the buffer back to six bytes has them checked as a reply.
        if (link_.rx().fill() != static_cast<int>(kFrameSize)) return;
    }
    // Fewer than six bytes: wait. A wrong checksum resets the buffer.
    if (!link_.validateReplyFrame()) return;
    vars_.countdown = 5;
    if (receiveEngineSixByte(state)) return;
    if (TransferStates* s = statesFor(state)) s->receive(*this, state);
}

bool TransferEngine::sendEngineState(int state) {
    switch (state) {
        case z4state::kIdle: return true;
        case z4state::kLifeSignalTest:
            link_.sendLifeSignalTest();
            vars_.state = z4state::kIdle;
            return true;
        case z4state::kVersionQuery: sendVersionQuery(); return true;
        case z4state::kByteRead: sendByteRead(); return true;
        case z4state::kByteWrite: sendByteWrite(); return true;
        case z4state::kContactIdWrite: sendContactIdBlock(); return true;
        case z4state::kSmallBlockRead: sendSmallBlockRead(); return true;
        case z4state::kLargeBlockRead: sendLargeBlockRead(); return true;
        case z4state::kLargeBlockWrite: sendLargeBlockWrite(); return true;
        case z4state::kRestart:
            // No reply is awaited: the module restarts, and whatever it says
            // afterwards finds the machine idle.
            link_.sendRestart();
            vars_.state = z4state::kIdle;
            return true;
        case z4state::kSetClock: sendClockFrame(); return true;
        default: return false;
    }
}

bool TransferEngine::receiveEngineSixByte(int state) {
    switch (state) {
        case z4state::kIdle:
        case z4state::kLifeSignalTest:
        case z4state::kRestart: return true;  // nothing awaited
        case z4state::kVersionQuery: receiveVersionQuery(); return true;
        case z4state::kByteRead: receiveByteRead(); return true;
        case z4state::kByteWrite: receiveByteWrite(); return true;
        case z4state::kContactIdWrite: receiveContactIdBlock(); return true;
        case z4state::kSetClock: receiveClockReply(); return true;
        default: return false;
    }
}

void TransferEngine::receiveEngineOwnShape(int state) {
    switch (state) {
        case z4state::kSmallBlockRead: receiveSmallBlockRead(); break;
        case z4state::kLargeBlockRead: receiveLargeBlockRead(); break;
        case z4state::kLargeBlockWrite: receiveLargeBlockWrite(); break;
        default: break;
    }
}

// --- Close --------------------------------------------------------------------------

bool TransferEngine::confirmClose() {
    if (vars_.state == z4state::kIdle) return true;
    return listener_.askYesNo(text(TransferText::CloseQuestion));
}

void TransferEngine::shutdown() {
    vars_.state = z4state::kIdle;
    vars_.countdown = 0;
    if (vars_.portOpen) {
        vars_.portOpen = false;
        channel_.Close();
    }
}

void TransferEngine::abandonOperation() {
    if (vars_.state == z4state::kIdle) return;
    vars_.state = z4state::kIdle;
    if (gauge_.visible) {
        hideGauge();
        enableTransferButtons(true);
    }
}

// --- Screen helpers ---------------------------------------------------------------

void TransferEngine::showStatus(TransferText id) { listener_.setStatusPanel(3, text(id)); }

void TransferEngine::startGauge(int max) {
    gauge_ = TransferGauge{max, 0, true};
    listener_.setGaugeMax(max);
    listener_.setGaugeProgress(0);
    listener_.setGaugeVisible(true);
}

void TransferEngine::advanceGauge() {
    ++gauge_.progress;
    listener_.setGaugeProgress(gauge_.progress);
}

void TransferEngine::hideGauge() {
    gauge_.visible = false;
    listener_.setGaugeVisible(false);
}

void TransferEngine::enableTransferButtons(bool enabled) { listener_.setTransferButtonsEnabled(enabled); }

}  // namespace vardeck
