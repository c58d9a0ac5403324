// The GSM modem operations against a scripted module and modem: the lines sent, the
// answers' byte positions, the phonebook table, and where each operation ends.
#include <gtest/gtest.h>

#include <map>

#include "tests/engine/ScriptedLine.h"
#include "z4link/Frame.h"
#include "z4link/GsmCommandStates.h"
#include "z4link/GsmModeStates.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/PhonebookStates.h"

namespace vardeck::testing {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }
std::string text(const Bytes& b) { return std::string(b.begin(), b.end()); }

class Table : public PhonebookTable {
public:
    int rowCount() const override { return static_cast<int>(rows.size()); }
    void setRowCount(int n) override { rows.resize(static_cast<std::size_t>(std::max(n, 1))); }
    std::string cell(int r, int c) const override { return rows.at(static_cast<std::size_t>(r))[c]; }
    void setCell(int r, int c, const std::string& t) override { rows.at(static_cast<std::size_t>(r))[c] = t; }
    std::vector<std::array<std::string, 3>> rows = std::vector<std::array<std::string, 3>>(251);
};

// The module in GSM modem mode, scripted: the FD frame is answered AB AC, a modem
// line is echoed and answered by `modem`.
class Gsm : public ::testing::Test, protected ScriptedLine {
protected:
    // Answers what the engine wrote since the last call; ticks when nothing is new.
    void run(const std::function<bool()>& done, int maxSteps = 5000) {
        for (int i = 0; i < maxSteps && !done(); ++i) {
            if (answered < channel.writes.size()) {
                answer(channel.writes[answered++]);
            } else {
                engine.tick();
            }
        }
        ASSERT_TRUE(done());
        while (answered < channel.writes.size()) answer(channel.writes[answered++]);
    }
    void answer(const Bytes& written) {
        if (written.size() == 6 && written[1] == 0xFD) {
            // In modem mode already, the module's modem echoes the frame.
            channel.deliver(inModemMode ? written : frameBytes(0xAB, 0xAC, 0x00, 0x00));
            inModemMode = true;
            return;
        }
        if (written.size() == 6) return;
        const std::string line = text(written);
        lines.push_back(line);
        channel.deliver(written);  // echo
        const std::string reply = modem(line);
        if (!reply.empty()) channel.deliver(bytes(reply));
    }
    std::vector<std::string> linesStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : lines)
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    int state() const { return engine.vars().state; }

    GsmModeStates gsm{engine};
    LeaveModeStates leave{engine};
    std::size_t answered = 0;
    bool inModemMode = false;
    std::vector<std::string> lines;
    std::function<std::string(const std::string&)> modem = [](const std::string&) { return "\r\nOK\r\n"; };
};

TEST_F(Gsm, ModemModeSendsTheImageByteAndConfirmsWithATOnlyOnce) {
    image[0] = 0x5C;
    GsmCommandStates commands(engine, gsm);
    commands.startImei();
    EXPECT_EQ(channel.writes.front(), frameBytes(0x00, 0xFD, 0x00, 0x5C));
    modem = [](const std::string& line) {
        return line == "AT+CGSN\r" ? "\r\n356938035643809\r\n\r\nOK\r\n" : "\r\nOK\r\n";
    };
    run([&] { return state() == z4state::kIdle; });
    EXPECT_EQ(lines, (std::vector<std::string>{"AT\r", "AT+CGSN\r"}));
    EXPECT_EQ(listener.messages.back(), "IMEI number: 356938035643809");

    // The module's AB AC was lost: the repeated frame comes back as the modem's echo.
    lines.clear();
    commands.startImei();
    run([&] { return state() == z4state::kIdle; });
    EXPECT_EQ(lines, (std::vector<std::string>{"AT\r", "AT+CGSN\r"}));
}

TEST_F(Gsm, PhonebookReadAsksEveryLocationInOrderAndFillsConsecutiveRows) {
    Table table;
    PhonebookStates phonebook(engine, gsm, table);
    std::optional<bool> left;
    phonebook.onDone = [&](bool leftMode) { left = leftMode; };
    modem = [](const std::string& line) -> std::string {
        if (line == "AT+CPBR=003\r") return "\r\n+CPBR: 3,\"+36301234567\",129,\"Kapu\"\r\n\r\nOK\r\n";
        if (line == "AT+CPBR=042\r") return "\r\n+CPBR: 42,\"06201112222\",129,\"Nagyon hosszu nev, tobb mint harminchar\"\r\n\r\nOK\r\n";
        if (line == "AT+CPBR=050\r") return "\r\nERROR\r\n";
        return "\r\nOK\r\n";
    };
    phonebook.startRead();
    run([&] { return left.has_value(); });
    const auto reads = linesStartingWith("AT+CPBR=");
    ASSERT_EQ(reads.size(), 100u);
    EXPECT_EQ(reads.front(), "AT+CPBR=001\r");
    EXPECT_EQ(reads.back(), "AT+CPBR=100\r");
    EXPECT_EQ(linesStartingWith("AT+CPBS=").front(), "AT+CPBS=\"SM\"\r\n");
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.rows[1], (std::array<std::string, 3>{"3", "+36301234567", "Kapu"}));
    EXPECT_EQ(table.rows[2][0], "42");
    EXPECT_EQ(table.rows[2][2], "Nagyon hosszu nev, tobb mint harm");  // 33 characters at most
    // The last location was empty: the module is taken out of modem mode.
    EXPECT_TRUE(*left);
    EXPECT_EQ(state(), z4state::kLeaveMode);
    EXPECT_EQ(listener.panel[3], "GSM phonebook read, ready");
}

TEST_F(Gsm, AGarbledEntryStaysInBoundsAndAFullLastLocationStaysInModemMode) {
    Table table;
    PhonebookStates phonebook(engine, gsm, table);
    std::optional<bool> left;
    phonebook.onDone = [&](bool leftMode) { left = leftMode; };
    modem = [](const std::string& line) -> std::string {
        if (line == "AT+CPBR=001\r") return "\r\n+CPBR: 1,\"" + std::string(400, '9') + "\r\n\r\nOK\r\n";
        if (line == "AT+CPBR=002\r") return "\r\n+CPBR:\r\n\r\nOK\r\n";
        if (line.rfind("AT+CPBR=", 0) == 0) return "\r\n+CPBR: 9,\"1\",129,\"N\"\r\n\r\nOK\r\n";
        return "\r\nOK\r\n";
    };
    phonebook.startRead();
    run([&] { return left.has_value(); });
    EXPECT_EQ(table.rows[1][1], std::string(33, '9'));
    EXPECT_EQ(table.rowCount(), 101);
    EXPECT_FALSE(*left);
    EXPECT_EQ(state(), z4state::kIdle);
}

TEST_F(Gsm, PhonebookWriteSkipsRowsWithoutANumberAndNamesEmptyOnes) {
    Table table;
    table.rows[1] = {"", "+36301111111", "Egy"};
    table.rows[7] = {"", "06702222222", ""};
    table.rows[9] = {"", "123", "Egy nagyon hosszu nev"};
    table.rows[12] = {"", "", "csak nev"};
    table.rows[20] = {"", "1\"2", "a\"b"};
    PhonebookStates phonebook(engine, gsm, table);
    bool done = false;
    phonebook.onDone = [&](bool) { done = true; };
    phonebook.startWrite();
    run([&] { return done; });
    EXPECT_EQ(linesStartingWith("AT+CPBW="),
              (std::vector<std::string>{"AT+CPBW=001,\"+36301111111\",129,\"Egy\"\r",
                                        "AT+CPBW=007,\"06702222222\",129,\"SIM7\"\r",
                                        "AT+CPBW=009,\"123\",129,\"Egy nagyon h\"\r",
                                        "AT+CPBW=020,\"12\",129,\"ab\"\r"}));
    EXPECT_EQ(listener.panel[3], "Phonebook write OK");
    EXPECT_EQ(state(), z4state::kLeaveMode);
}

TEST_F(Gsm, PinSwitchOffConfirmsBothStepsOrGivesUp) {
    GsmCommandStates commands(engine, gsm);
    std::optional<bool> off;
    commands.onPinDone = [&](bool ok) { off = ok; };
    commands.startPinOff("1234");
    run([&] { return off.has_value(); });
    EXPECT_TRUE(*off);
    EXPECT_EQ(linesStartingWith("AT+C"),
              (std::vector<std::string>{"AT+CPIN=\"1234\"\r", "AT+CLCK=\"SC\",0,\"1234\"\r"}));
    EXPECT_EQ(listener.panel[3], "PIN CODE OFF");

    off.reset();
    modem = [](const std::string& line) -> std::string {
        return line.rfind("AT+CPIN", 0) == 0 ? "\r\n+CME ERROR: 16\r\n" : "\r\nOK\r\n";
    };
    commands.startPinOff("9999");
    run([&] { return off.has_value(); }, 20000);
    EXPECT_FALSE(*off);
    EXPECT_EQ(listener.messages.back(), "ERROR PIN CODE");
}

TEST_F(Gsm, SmsCentreBalanceCallsAndSmsSendTheirLines) {
    GsmCommandStates commands(engine, gsm);
    bool set = false;
    commands.onSmsCentreSet = [&] { set = true; };
    commands.startSmsCentre("+36309888000");
    EXPECT_TRUE(channel.writes.empty());  // the first tick sends
    run([&] { return set; });
    EXPECT_EQ(lines.back(), "AT+CSCA=\"+36309888000\",145\r\n");

    std::string balance;
    commands.onBalance = [&](const std::string& t) { balance = t; };
    modem = [](const std::string& line) -> std::string {
        if (line != "ATD*102#;\r\n") return "\r\nOK\r\n";
        return "\r\nOK\r\n\r\n+CUSD: 0,\"Egyenleg \xE0\xE8\xF2\xEC 100 Ft\",15\r\n";
    };
    commands.startBalance();
    run([&] { return !balance.empty(); });
    // From the 30th byte: after the 11-byte echo, "OK" and the start of the answer line.
    EXPECT_EQ(balance, "Egyenleg \xE1\xE9\xF3\xED 100 Ft\",15\r\n");
    EXPECT_EQ(state(), z4state::kLeaveMode);

    int sent = 0;
    commands.onSent = [&] { ++sent; };
    commands.startDataCall("");
    run([&] { return sent == 1; });
    EXPECT_EQ(lines.back(), "ATD\r");
    commands.startVoiceCall("+36301234567");
    run([&] { return sent == 2; });
    EXPECT_EQ(lines.back(), "ATD+36301234567;\r");
    commands.startSmsTest("+36301234567", "Teszt SMS");
    run([&] { return sent == 3; });
    EXPECT_EQ(lines[lines.size() - 2], "AT+CMGS=\"+36301234567\"\r");
    EXPECT_EQ(lines.back(), std::string("Teszt SMS\x1A"));
    EXPECT_EQ(listener.panel[3], "Teszt SMS küldése");
}

}  // namespace
}  // namespace vardeck::testing
