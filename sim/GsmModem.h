#pragma once
#include "sim/DeviceModel.h"
#include "sim/SimPhonebook.h"

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vardeck::sim {

// How long the modem takes to answer.
struct GsmModemTiming {
    // From the CR of a command line to its answer. The echo leaves at once, so
    // the LF of a line sent as CR LF is echoed before the answer, as on a real
    // modem, and an answer still ends in "OK" CR LF.
    SimTime answer = std::chrono::milliseconds(20);
    // From the balance dial line to the network's balance text.
    SimTime balance = std::chrono::milliseconds(1500);
    // From a data call's dial line to its failure (no data service on the SIM).
    SimTime dataCall = std::chrono::seconds(5);
};

// A Hungarian balance message written with grave accents (bytes 224, 232, 242
// and 236 where a, e, o and i with acute are meant), the way the network sends it.
Bytes defaultGsmBalanceText();

// What the modem and its SIM start with.
struct GsmModemSettings {
    std::string pin = "0000";
    std::string imei = "356938035643809";
    // The text of the balance answer, bytes as the network sends them.
    Bytes balanceText = defaultGsmBalanceText();
    SimPhonebook phonebook;
    GsmModemTiming timing;
};

// A call the modem was asked to make.
struct ModemCall {
    SimTime at;
    std::string number;
    bool voice;  // "ATD<number>;" voice, "ATD<number>" data
};

// A short message the modem sent.
struct ModemMessage {
    SimTime at;
    std::string number;
    Bytes text;  // without the Ctrl-Z
};

// The GSM modem inside a Z-4 module, with its SIM: bytes in, bytes out, on the
// time its caller hands in.
//
// Every byte is echoed at once. Command lines end with CR; an LF is dropped (it
// ends the CR LF of the previous line); a line longer than kMaxLine bytes is
// dropped whole without an answer. Bytes before the first "AT" of a line are
// ignored, and a line without "AT" gets no answer, as a real modem ignores what
// is not a command. Answers are framed "\r\n<text>\r\n" after GsmModemTiming::answer:
//   AT                         OK
//   AT+CPBS="SM"               OK (other phonebooks: ERROR)
//   AT+CPBR=n                  +CPBR: n,"number",129,"name" then OK; an empty
//                              location: OK, but ERROR for an empty location whose
//                              index is a multiple of 50 (SIMs differ in this);
//                              n outside 1-250: +CME ERROR: 21
//   AT+CPBW=n[,"number"[,type[,"name"]]]   stores (cut to 40 bytes each; an empty
//                              or missing number empties the location), OK;
//                              n outside 1-250: +CME ERROR: 21
//   AT+CPIN="pin"              OK for the SIM's PIN, else +CME ERROR: 16
//   AT+CLCK="SC",m,"pin"       m = 0 switches the PIN request off, 1 on: OK for
//                              the right PIN, else +CME ERROR: 16
//   AT+CSCA="number"[,type]    stores the SMS centre number, OK
//   ATD*102#;                  OK, then after GsmModemTiming::balance
//                              +CUSD: 0,"<balance text>",15
//   ATD<number>;               voice call: OK
//   ATD<number>                data call: NO CARRIER after GsmModemTiming::dataCall
//   AT+CMGS="number"           "\r\n> ", then the text up to Ctrl-Z (26), then
//                              +CMGS: n (1, 2, ...) and OK
//   AT+CGSN                    the 15-digit IMEI, then OK
//   anything else              ERROR (a malformed argument too)
// Command names are taken in either case; arguments as sent.
//
// The PIN request flag is kept for the program to switch off; the modem does not
// refuse commands while it is on (the module enters the PIN itself at start).
class GsmModem {
public:
    static constexpr std::size_t kMaxLine = 512;
    static constexpr uint8_t kCtrlZ = 26;

    explicit GsmModem(GsmModemSettings settings = {});

    // Bytes passed through from the cable at `now`. Times never go backwards.
    void receive(std::span<const uint8_t> bytes, SimTime now);
    // Time passes: answers that were due by now are released.
    void advanceTo(SimTime now);
    // When the next answer is due, if one is waiting.
    std::optional<SimTime> nextWakeup() const;
    // What the modem sent, oldest first, each with the time it left.
    std::vector<Emission> takeOutput();
    // The module stopped passing bytes: the line being collected, a message
    // being typed and the answers not yet sent are gone. The SIM keeps its data.
    void reset();

    SimPhonebook& phonebook() { return settings_.phonebook; }
    const SimPhonebook& phonebook() const { return settings_.phonebook; }
    bool pinRequest() const { return pinRequest_; }
    const std::string& smsCentre() const { return smsCentre_; }
    const GsmModemSettings& settings() const { return settings_; }

    // Every line received (up to and with its CR) and every message text (with
    // its Ctrl-Z), as received; LFs between lines are not part of any line.
    // Dropped overlong lines are not here.
    const std::vector<Bytes>& receivedLines() const { return lines_; }
    // Called with each such line as soon as it is complete (the modem log).
    void setLineObserver(std::function<void(const Bytes&)> observer) { lineObserver_ = std::move(observer); }
    const std::vector<ModemCall>& calls() const { return calls_; }
    const std::vector<ModemMessage>& messages() const { return messages_; }
    std::size_t droppedLines() const { return droppedLines_; }
    // Forgets the records above (a long-running simulator keeps no history).
    void clearHistory();

private:
    struct Pending {
        SimTime due;
        Bytes bytes;
    };

    void takeByte(uint8_t byte);
    void completeLine();
    void completeMessage();
    void record(const Bytes& line);
    void execute(const std::string& command);
    void dial(const std::string& dialString);
    void phonebookRead(const std::string& args);
    void phonebookWrite(const std::string& args);
    void lockFacility(const std::string& args);

    void emit(Bytes bytes);
    void answer(const std::string& text, SimTime after = SimTime{0});
    void answerLine(const std::string& text) { answer("\r\n" + text + "\r\n"); }
    void ok() { answerLine("OK"); }
    void error() { answerLine("ERROR"); }
    void cmeError(int code) { answerLine("+CME ERROR: " + std::to_string(code)); }

    GsmModemSettings settings_;
    bool pinRequest_ = true;
    std::string smsCentre_;
    int messagesSent_ = 0;

    Bytes line_;
    bool lineTooLong_ = false;
    std::optional<std::string> messageNumber_;  // collecting a message's text for this number

    SimTime now_{0};
    std::vector<Emission> output_;
    std::vector<Pending> pending_;  // ordered by due time

    std::vector<Bytes> lines_;
    std::function<void(const Bytes&)> lineObserver_;
    std::vector<ModemCall> calls_;
    std::vector<ModemMessage> messages_;
    std::size_t droppedLines_ = 0;
};

}  // namespace vardeck::sim
