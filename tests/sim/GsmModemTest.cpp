// The GSM modem on its own, on simulated time: echo, answers, and the positions
// at which the program's reply checks find them.
#include "sim/GsmModem.h"
#include "sim/ModemLog.h"
#include "z4link/AtReply.h"
#include "z4link/ReceiveBuffer.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vardeck;
using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

ReceiveBuffer received(const Bytes& bytes) {
    ReceiveBuffer rx;
    rx.append(bytes.data(), static_cast<int>(bytes.size()));
    return rx;
}

// The program's end of the line: sends a line and collects the echo and the
// answers that came within `wait`.
struct Line {
    GsmModem modem;
    SimTime clock{0};

    Bytes take() {
        Bytes out;
        for (const Emission& e : modem.takeOutput()) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
        return out;
    }
    Bytes send(const std::string& line, SimTime wait = 100ms) {
        modem.receive(text(line), clock);
        clock += wait;
        modem.advanceTo(clock);
        return take();
    }
};

}  // namespace

TEST(GsmModem, EchoesAtOnceAndAnswersBehindTheEchoWhereTheProgramLooks) {
    Line line;
    line.modem.receive(text("AT\r"), 0ms);
    // The echo leaves at once, the answer a moment later.
    EXPECT_EQ(line.take(), text("AT\r"));
    ASSERT_TRUE(line.modem.nextWakeup());
    line.modem.advanceTo(*line.modem.nextWakeup());
    const Bytes all = text("AT\r") + line.take();
    EXPECT_EQ(all, text("AT\r\r\nOK\r\n"));
    EXPECT_TRUE(okAt(received(all), kAtProbeOkPosition));

    // A line sent with CR LF: its LF is echoed before the answer, which still
    // ends the bytes with "OK" CR LF.
    const Bytes select = line.send("AT+CPBS=\"SM\"\r\n");
    EXPECT_EQ(select, text("AT+CPBS=\"SM\"\r\n\r\nOK\r\n"));
    EXPECT_TRUE(endsWithOkCrLf(received(select)));
    EXPECT_EQ(line.send("AT+CPBS=\"ME\"\r"), text("AT+CPBS=\"ME\"\r\r\nERROR\r\n"));

    const Bytes imei = line.send("AT+CGSN\r");
    EXPECT_EQ(std::string(imei.begin() + 3, imei.begin() + 7), "CGSN");
    EXPECT_EQ(std::string(imei.begin() + 10, imei.begin() + 25), "356938035643809");
    EXPECT_EQ(imei, text("AT+CGSN\r\r\n356938035643809\r\n\r\nOK\r\n"));
    EXPECT_EQ(line.send("AT+XYZ\r"), text("AT+XYZ\r\r\nERROR\r\n"));
}

TEST(GsmModem, PinEntryAndLockReleaseAnswerAtTheFixedPositions) {
    Line line;
    const Bytes pin = line.send("AT+CPIN=\"0000\"\r");
    EXPECT_TRUE(okAt(received(pin), kPinEntryOkPosition)) << std::string(pin.begin(), pin.end());
    EXPECT_EQ(line.send("AT+CPIN=\"1234\"\r"), text("AT+CPIN=\"1234\"\r\r\n+CME ERROR: 16\r\n"));

    EXPECT_TRUE(line.modem.pinRequest());
    EXPECT_EQ(line.send("AT+CLCK=\"SC\",0,\"9999\"\r"), text("AT+CLCK=\"SC\",0,\"9999\"\r\r\n+CME ERROR: 16\r\n"));
    EXPECT_TRUE(line.modem.pinRequest());
    const Bytes lock = line.send("AT+CLCK=\"SC\",0,\"0000\"\r");
    EXPECT_EQ(lock.size(), 28u);
    EXPECT_TRUE(lockReleaseConfirmed(received(lock)));
    EXPECT_FALSE(line.modem.pinRequest());
}

TEST(GsmModem, PhonebookReadAndWrite) {
    Line line;
    // An empty location: "OK" CR LF right after the 12-byte echo and CR LF, or
    // "ERROR" for the locations whose index is a multiple of 50.
    const Bytes empty = line.send("AT+CPBR=001\r");
    EXPECT_EQ(empty, text("AT+CPBR=001\r\r\nOK\r\n"));
    const ReceiveBuffer emptyRx = received(empty);
    EXPECT_TRUE(okAt(emptyRx, 14) && emptyRx.at(16) == '\r' && emptyRx.at(17) == '\n');
    EXPECT_TRUE(errorAt(received(line.send("AT+CPBR=050\r")), 14));
    EXPECT_EQ(line.send("AT+CPBR=251\r"), text("AT+CPBR=251\r\r\n+CME ERROR: 21\r\n"));
    EXPECT_EQ(line.send("AT+CPBR=000\r"), text("AT+CPBR=000\r\r\n+CME ERROR: 21\r\n"));

    EXPECT_EQ(line.send("AT+CPBW=007,\"+36301234567\",129,\"Kov\xE1" "cs\"\r"),
              text("AT+CPBW=007,\"+36301234567\",129,\"Kov\xE1" "cs\"\r\r\nOK\r\n"));
    const Bytes entry = line.send("AT+CPBR=007\r");
    EXPECT_EQ(entry, text("AT+CPBR=007\r\r\n+CPBR: 7,\"+36301234567\",129,\"Kov\xE1" "cs\"\r\n\r\nOK\r\n"));
    const ReceiveBuffer entryRx = received(entry);
    EXPECT_EQ(countCrLf(entryRx), 4);
    EXPECT_GE(findPhonebookTag(entryRx), 0);

    // Texts are cut to 40 bytes; an empty number empties the location.
    const std::string longText(45, '9');
    EXPECT_EQ(line.send("AT+CPBW=250,\"" + longText + "\",129,\"" + std::string(41, 'n') + "\"\r").size(),
              13 + 45 + 7 + 41 + 2 + 6);
    EXPECT_EQ(line.modem.phonebook().at(250), (PhonebookEntry{std::string(40, '9'), std::string(40, 'n')}));
    line.send("AT+CPBW=007,\"\",129,\"x\"\r");
    EXPECT_TRUE(line.modem.phonebook().at(7).empty());

    // Malformed lines change nothing.
    for (const char* bad : {"AT+CPBW=8,\"123\",129,\"open\r", "AT+CPBW=8,123,129,\"x\"\r", "AT+CPBW=x\r",
                            "AT+CPBW=8,\"123\",129,\"x\"junk\r", "AT+CPBR=1,5\r"}) {
        SCOPED_TRACE(bad);
        const Bytes reply = line.send(bad);
        EXPECT_TRUE(errorAt(received(reply), static_cast<int>(std::string(bad).size()) + 2));
    }
    EXPECT_EQ(line.modem.phonebook().occupied(), 1);
    EXPECT_EQ(line.send("AT+CPBW=300,\"1\",129,\"x\"\r"), text("AT+CPBW=300,\"1\",129,\"x\"\r\r\n+CME ERROR: 21\r\n"));
}

TEST(GsmModem, BalanceTextFollowsTheOkAfterAboutOneAndAHalfSeconds) {
    Line line;
    const Bytes start = line.send("ATD*102#;\r\n", 1s);
    EXPECT_EQ(start, text("ATD*102#;\r\n\r\nOK\r\n"));
    line.clock += 1s;
    line.modem.advanceTo(line.clock);
    const Bytes cusd = line.take();
    const Bytes all = start + cusd;
    // The program shows the bytes from position 29 on: the text itself.
    const Bytes balance = line.modem.settings().balanceText;
    ASSERT_GE(all.size(), 29 + balance.size());
    EXPECT_EQ(Bytes(all.begin() + 29, all.begin() + 29 + static_cast<std::ptrdiff_t>(balance.size())), balance);
    EXPECT_EQ(cusd, text("\r\n+CUSD: 0,\"") + balance + text("\",15\r\n"));
    for (uint8_t grave : {224, 232, 242, 236}) {
        EXPECT_NE(std::find(balance.begin(), balance.end(), grave), balance.end()) << int{grave};
    }
    EXPECT_TRUE(line.modem.calls().empty());
}

TEST(GsmModem, CallsMessagesAndTheSmsCentre) {
    Line line;
    EXPECT_EQ(line.send("ATD+36201234567;\r"), text("ATD+36201234567;\r\r\nOK\r\n"));
    EXPECT_EQ(line.send("ATD06201234567\r", 1s), text("ATD06201234567\r"));
    line.clock += 5s;
    line.modem.advanceTo(line.clock);
    EXPECT_EQ(line.take(), text("\r\nNO CARRIER\r\n"));
    ASSERT_EQ(line.modem.calls().size(), 2u);
    EXPECT_TRUE(line.modem.calls()[0].voice);
    EXPECT_EQ(line.modem.calls()[1].number, "06201234567");
    EXPECT_FALSE(line.modem.calls()[1].voice);
    // A cancelled prompt dials nothing.
    EXPECT_EQ(line.send("ATD\r"), text("ATD\r\r\nERROR\r\n"));

    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(line.send("AT+CMGS=\"+36301112222\"\r"), text("AT+CMGS=\"+36301112222\"\r\r\n> "));
        EXPECT_EQ(line.send("Teszt SMS\x1A"), text("Teszt SMS\x1A\r\n+CMGS: " + std::to_string(n) + "\r\n\r\nOK\r\n"));
    }
    ASSERT_EQ(line.modem.messages().size(), 2u);
    EXPECT_EQ(line.modem.messages()[0].text, text("Teszt SMS"));
    EXPECT_EQ(line.modem.receivedLines().back(), text("Teszt SMS\x1A"));

    EXPECT_TRUE(endsWithOkCrLf(received(line.send("AT+CSCA=\"+36309888000\",145\r\n"))));
    EXPECT_EQ(line.modem.smsCentre(), "+36309888000");
}

TEST(GsmModem, LinesAreBoundedAndWhatIsNotACommandGetsNoAnswer) {
    Line line;
    // Bytes before "AT" (a repeated mode frame) are echoed and otherwise ignored.
    const Bytes garbage = frame(0x00, 0xFD, 0x00, 0x5A);
    line.modem.receive(garbage, line.clock);
    EXPECT_EQ(line.send("AT\r"), garbage + text("AT\r\r\nOK\r\n"));
    EXPECT_EQ(line.send("hello\r"), text("hello\r"));
    EXPECT_EQ(line.send("\n\nAT\r"), text("\n\nAT\r\r\nOK\r\n"));

    const std::string longest = "AT" + std::string(GsmModem::kMaxLine - 2, 'X');
    EXPECT_TRUE(errorAt(received(line.send(longest + "\r")), static_cast<int>(longest.size()) + 3));
    const Bytes dropped = line.send(longest + "Y\r");
    EXPECT_EQ(dropped.size(), longest.size() + 2);  // the echo, no answer
    EXPECT_EQ(line.modem.droppedLines(), 1u);
    EXPECT_EQ(line.send("AT\r"), text("AT\r\r\nOK\r\n"));

    // Lines as received, the LFs between lines left out.
    const std::vector<Bytes>& lines = line.modem.receivedLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], garbage + text("AT\r"));
    EXPECT_EQ(lines[2], text("AT\r"));
}

TEST(GsmModem, LogLinesShowControlBytesAsEscapes) {
    EXPECT_EQ(escapeModemLine(text("AT+CPBS=\"SM\"\r")), "AT+CPBS=\"SM\"\\r");
    EXPECT_EQ(escapeModemLine(text("a\nb\x1A")), "a\\nb^Z");
    EXPECT_EQ(escapeModemLine(Bytes{0x00, 0x1B, 0x7F, '\\', 0xE1}), "\\x00\\x1B\\x7F\\\\\xE1");
}
