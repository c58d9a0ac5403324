#pragma once
#include <functional>
#include <string>

#include "z4link/TransferEngineStates.h"

namespace vardeck {

class GsmModeStates;

// The single-command GSM operations, each through GSM modem mode: SIM PIN
// switch-off (35-38), SMS centre number (50), balance query (130), data and voice
// test calls (260, 270), test SMS (280, 281) and the IMEI query (290). Numbers, PIN
// and SMS text are the modem's bytes (code page 1250), set before the start.
class GsmCommandStates : public TransferStates {
public:
    static constexpr int kPinWait = 50;
    static constexpr int kLockWait = 10;

    GsmCommandStates(TransferEngine& engine, GsmModeStates& gsm);

    // Each start enters GSM modem mode; the SMS centre waits for the next tick.
    void startPinOff(const std::string& pin);
    void startSmsCentre(const std::string& number);
    void startBalance();
    void startDataCall(const std::string& number);
    void startVoiceCall(const std::string& number);
    void startSmsTest(const std::string& number, const std::string& text);
    void startImei();

    // The PIN switch-off ended: true when the PIN request is off.
    std::function<void(bool off)> onPinDone;
    std::function<void()> onSmsCentreSet;
    // The balance answer, bytes from position 29 with grave accents made acute.
    std::function<void(const std::string& text)> onBalance;
    // The IMEI answer's 16 characters from position 10 (line ends cut off).
    std::function<void(const std::string& imei)> onImei;
    // A test call or the test SMS went out.
    std::function<void()> onSent;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    void waitForPin(TransferEngine& engine);

    TransferEngine& engine_;
    GsmModeStates& gsm_;
    std::string pin_;
    std::string number_;
    std::string smsText_;
    int wait_ = 0;
};

// The modem lines of these operations, exactly as sent.
std::string pinLine(const std::string& pin);
std::string lockReleaseLine(const std::string& pin);
std::string smsCentreLine(const std::string& number);
std::string balanceLine();
std::string dataCallLine(const std::string& number);
std::string voiceCallLine(const std::string& number);
std::string smsSendLine(const std::string& number);
// A balance answer as shown: from position 29, 224/232/242/236 as 225/233/243/237.
std::string balanceText(const class ReceiveBuffer& rx);

}  // namespace vardeck
