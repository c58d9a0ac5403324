#include "z4link/GsmCommandStates.h"

#include <algorithm>

#include "z4link/AtReply.h"
#include "z4link/GsmModeStates.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kSmsCentreCountdown = 20;
constexpr int kBalanceCountdown = 300;
constexpr int kBalanceShortened = 10;
constexpr int kBalanceEnough = 50;     // bytes after which the answer is taken soon
constexpr int kBalanceStart = 29;
constexpr int kPinConfirmCountdown = 10;
constexpr int kImeiEcho = 3;           // "CGSN" of the echo
constexpr int kImeiMinimum = 27;
constexpr int kImeiStart = 10;
constexpr int kImeiLength = 16;
constexpr char kCtrlZ = 26;

// A double quote would end a quoted field early; the modem never gets one inside.
std::string unquoted(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

}  // namespace

std::string pinLine(const std::string& pin) { return "AT+CPIN=\"" + unquoted(pin) + "\"\r"; }
std::string lockReleaseLine(const std::string& pin) { return "AT+CLCK=\"SC\",0,\"" + unquoted(pin) + "\"\r"; }
std::string smsCentreLine(const std::string& number) { return "AT+CSCA=\"" + unquoted(number) + "\",145\r\n"; }
std::string balanceLine() { return "ATD*102#;\r\n"; }
std::string dataCallLine(const std::string& number) { return "ATD" + number + "\r"; }
std::string voiceCallLine(const std::string& number) { return "ATD" + number + ";\r"; }
std::string smsSendLine(const std::string& number) { return "AT+CMGS=\"" + unquoted(number) + "\"\r"; }

std::string balanceText(const ReceiveBuffer& rx) {
    std::string out;
    for (int p = kBalanceStart; p < rx.fill(); ++p) {
        uint8_t c = rx.at(p);
        if (c == 224 || c == 232 || c == 242 || c == 236) ++c;
        out += static_cast<char>(c);
    }
    return out;
}

GsmCommandStates::GsmCommandStates(TransferEngine& engine, GsmModeStates& gsm) : engine_(engine), gsm_(gsm) {
    engine.addStates(*this);
}

bool GsmCommandStates::handles(int state) const {
    switch (state) {
        case z4state::kPinEntry:
        case z4state::kPinEntryWait:
        case z4state::kPinLockRelease:
        case z4state::kPinLockReleaseWait:
        case z4state::kSmsCentre:
        case z4state::kBalanceQuery:
        case z4state::kDataCall:
        case z4state::kVoiceCall:
        case z4state::kSmsTest:
        case z4state::kSmsTestText:
        case z4state::kImei: return true;
        default: return false;
    }
}

bool GsmCommandStates::ownReplyShape(int state) const {
    return state == z4state::kPinEntryWait || state == z4state::kPinLockReleaseWait ||
           state == z4state::kSmsCentre || state == z4state::kBalanceQuery || state == z4state::kImei;
}

void GsmCommandStates::startPinOff(const std::string& pin) {
    pin_ = pin;
    gsm_.enter(z4state::kPinEntry, true);
}

void GsmCommandStates::startSmsCentre(const std::string& number) {
    number_ = number;
    gsm_.enter(z4state::kSmsCentre, false);
}

void GsmCommandStates::startBalance() { gsm_.enter(z4state::kBalanceQuery, true); }

void GsmCommandStates::startDataCall(const std::string& number) {
    number_ = number;
    gsm_.enter(z4state::kDataCall, true);
}

void GsmCommandStates::startVoiceCall(const std::string& number) {
    number_ = number;
    gsm_.enter(z4state::kVoiceCall, true);
}

void GsmCommandStates::startSmsTest(const std::string& number, const std::string& text) {
    number_ = number;
    smsText_ = text;
    gsm_.enter(z4state::kSmsTest, true);
}

void GsmCommandStates::startImei() { gsm_.enter(z4state::kImei, true); }

void GsmCommandStates::send(TransferEngine& engine, int state) {
    Z4Link& link = engine.link();
    TransferVariables& v = engine.vars();
    switch (state) {
        case z4state::kPinEntry:
            link.sendAtLine(pinLine(pin_));
            engine.showStatusMessage("SIM PIN CODE OFF, Waiting...");
            v.state = z4state::kPinEntryWait;
            wait_ = kPinWait;
            break;
        case z4state::kPinLockRelease:
            link.sendAtLine(lockReleaseLine(pin_));
            engine.showStatusMessage("SIM PIN CODE OFF, Waiting...");
            v.state = z4state::kPinLockReleaseWait;
            wait_ = kLockWait;
            break;
        case z4state::kPinEntryWait:
        case z4state::kPinLockReleaseWait: waitForPin(engine); break;
        case z4state::kSmsCentre:
            link.sendAtLine(smsCentreLine(number_));
            v.countdown = kSmsCentreCountdown;
            break;
        case z4state::kBalanceQuery:
            if (link.rx().fill() < 2) {
                link.sendAtLine(balanceLine());
                v.countdown = kBalanceCountdown;
                break;
            }
            if (onBalance) onBalance(balanceText(link.rx()));
            link.resetReceive();
            v.state = z4state::kLeaveMode;
            break;
        case z4state::kDataCall:
        case z4state::kVoiceCall:
            link.sendAtLine(state == z4state::kDataCall ? dataCallLine(number_) : voiceCallLine(number_));
            v.state = z4state::kIdle;
            engine.showStatusMessage("Test send...");
            if (onSent) onSent();
            break;
        case z4state::kSmsTest:
            link.sendAtLine(smsSendLine(number_));
            v.state = z4state::kSmsTestText;
            break;
        case z4state::kSmsTestText:
            link.sendAtLine(smsText_ + kCtrlZ);
            v.state = z4state::kIdle;
            engine.showStatusMessage("Teszt SMS küldése");
            if (onSent) onSent();
            break;
        case z4state::kImei: link.sendAtLine("AT+CGSN\r"); break;
        default: break;
    }
}

void GsmCommandStates::waitForPin(TransferEngine& engine) {
    if (--wait_ > 0) return;
    engine.showStatusMessage("SIM PIN CODE OFF, ERROR");
    engine.vars().state = z4state::kIdle;
    engine.listener().showMessage(engine.message("ERROR PIN CODE"));
    if (onPinDone) onPinDone(false);
}

void GsmCommandStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    TransferVariables& v = engine.vars();
    switch (state) {
        case z4state::kPinEntryWait:
            // After the 15-byte echo of the PIN line and CR LF.
            if (okAt(rx, kPinEntryOkPosition)) {
                v.state = z4state::kPinLockRelease;
                engine.showStatusMessage("PIN CODE OK");
                v.countdown = kPinConfirmCountdown;
            }
            break;
        case z4state::kPinLockReleaseWait:
            if (lockReleaseConfirmed(rx)) {
                v.state = z4state::kIdle;
                engine.showStatusMessage("PIN CODE OFF");
                if (onPinDone) onPinDone(true);
            }
            break;
        case z4state::kSmsCentre:
            if (endsWithOkCrLf(rx)) {
                v.state = z4state::kIdle;
                rx.clear();
                if (onSmsCentreSet) onSmsCentreSet();
            } else if (rx.fill() > 6) {
                rx.clear();  // the echo; the "OK" comes with a later notification
            }
            break;
        case z4state::kBalanceQuery:
            if (rx.fill() > kBalanceEnough && v.countdown > kBalanceShortened) v.countdown = kBalanceShortened;
            break;
        case z4state::kImei:
            if (rx.fill() > kImeiMinimum && rx.at(kImeiEcho) == 'C' && rx.at(kImeiEcho + 1) == 'G' &&
                rx.at(kImeiEcho + 2) == 'S' && rx.at(kImeiEcho + 3) == 'N') {
                std::string imei;
                for (int p = kImeiStart; p < kImeiStart + kImeiLength; ++p) imei += static_cast<char>(rx.at(p));
                while (!imei.empty() && (imei.back() == '\r' || imei.back() == '\n')) imei.pop_back();
                engine.listener().showMessage("IMEI number: " + imei);
                if (onImei) onImei(imei);
                v.state = z4state::kIdle;
                rx.clear();
            }
            break;
        default: break;
    }
}

}  // namespace vardeck
