// The converter screen alone: on a scripted channel for the frames and replies it
// sends and takes, and against the simulated converter in-process for what the
// installer sees and what the converter's memory ends up holding.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "devices/ConverterScreen.h"
#include "sim/ConverterModel.h"
#include "sim/LoopbackChannel.h"
#include "sim/SimEndpoint.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

class ScriptedDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;
};

Bytes frame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame f = makeFrame(p0, p1, p2, p3);
    return {f.begin(), f.end()};
}
Bytes reply(uint8_t data) { return frame(0xAB, 0x00, 0x00, data); }

// The screen, its settings, dialogs and timers; the line is the fixture's.
struct ScreenParts {
    explicit ScreenParts(CommChannel& line) : scoped(memory), screen(line, env()) { clock.add(screen.timers()); }
    DeviceScreenEnvironment env() {
        DeviceScreenEnvironment e;
        e.dialogs = &dialogs;
        e.searchHoldsChannel = [this] { return searchHolds; };
        return e;
    }
    std::shared_ptr<MemorySettingsStore> memory = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped;
    ScriptedDialogs dialogs;
    bool searchHolds = false;
    ConverterScreen screen;
    testing::VirtualClock clock;
};

struct ScriptedLine {
    testing::FakeChannel channel;
    ScreenParts parts{channel};
    ConverterScreen& screen = parts.screen;
    // Runs the clock until the screen sends its next frame; returns it.
    Bytes nextWrite() {
        const std::size_t before = channel.writes.size();
        for (int i = 0; i < 400 && channel.writes.size() == before; ++i) parts.clock.advance(10);
        return channel.writes.size() > before ? channel.writes.back() : Bytes{};
    }
    // The version question answered: the buttons are enabled, the line is idle.
    void answerVersion() {
        screen.handOver();
        nextWrite();
        channel.deliver(reply(5));
    }
};

// The screen against the simulated converter, replies coming back at once.
struct SimulatedLine {
    sim::ConverterModel model;
    sim::SimEndpoint endpoint{model};
    sim::LoopbackChannel line{endpoint};
    ScreenParts parts{line};
    ConverterScreen& screen = parts.screen;

    bool runUntil(const std::function<bool()>& done, int maxMs = 60000) {
        for (int t = 0; t < maxMs && !done(); t += 10) {
            parts.clock.advance(10);
            line.advance(10ms);
            while (line.deliver() > 0) {}
        }
        return done();
    }
    void connect() {
        screen.handOver();
        ASSERT_TRUE(runUntil([&] { return screen.ready(); }));
    }
    std::span<uint8_t> memory() { return model.memory(); }
};

TEST(ConverterScreen, VersionQuestionWaitsForThePortThenEnablesTheButtons) {
    ScriptedLine t;
    t.parts.memory->write(brandInfo(1).brandKey, "comport", "/dev/ttyUSB3");
    t.parts.searchHolds = true;
    t.screen.handOver();
    EXPECT_EQ(t.screen.Label3.caption(), "GPRS to ContacdID konverter");
    t.parts.clock.advance(3000);
    EXPECT_EQ(t.channel.openCount, 0);
    EXPECT_TRUE(t.channel.writes.empty());

    t.parts.searchHolds = false;
    EXPECT_EQ(t.nextWrite(), (Bytes{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));
    EXPECT_EQ(t.channel.openedNames, std::vector<std::string>{"/dev/ttyUSB3"});
    EXPECT_EQ(t.channel.BaudRate(), cbr9600);

    // The sum is right but its complement is not: dropped, the question goes on.
    Bytes badComplement = reply(5);
    badComplement[4] ^= 0x10;
    t.channel.deliver(badComplement);
    EXPECT_FALSE(t.screen.BitBtn2.enabled());
    EXPECT_EQ(t.nextWrite(), (Bytes{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));

    t.channel.deliver(reply(5));
    EXPECT_EQ(t.screen.Label6.caption(), "szoftver verzio> 1.5");
    EXPECT_TRUE(t.screen.ready());
    EXPECT_EQ(t.screen.state(), ConverterScreen::kIdle);
    // Idle: the next tick gives the port back and nothing more is sent.
    t.parts.clock.advance(2000);
    EXPECT_FALSE(t.channel.IsOpen());
    EXPECT_EQ(t.channel.writes.size(), 2u);
}

TEST(ConverterScreen, ANotificationThatWouldOverfillTheReplyBufferIsDropped) {
    ScriptedLine t;
    t.screen.handOver();
    t.nextWrite();
    const Bytes good = reply(9);
    t.channel.deliver(Bytes(good.begin(), good.begin() + 4));
    t.channel.deliver(Bytes(good.begin(), good.begin() + 4));  // 8 bytes: all of them go
    t.channel.deliver(Bytes(good.begin() + 4, good.end()));     // 2 more: no reply either
    EXPECT_FALSE(t.screen.ready());
    EXPECT_EQ(t.channel.waiting(), 0);
    t.nextWrite();
    t.channel.deliver(Bytes(good.begin(), good.begin() + 4));
    t.channel.deliver(Bytes(good.begin() + 4, good.end()));
    EXPECT_TRUE(t.screen.ready());
}

TEST(ConverterScreen, WriteSendsEveryByteUntilItsEchoMatches) {
    ScriptedLine t;
    t.answerVersion();
    t.screen.read();
    EXPECT_EQ(t.channel.writes.back(), frame(0x00, 0x00, 0x00, 0x00));  // the line was open: at once
    for (int a = 0; a < kConverterImageSize; ++a) t.channel.deliver(reply(0x58));
    ASSERT_EQ(t.screen.state(), ConverterScreen::kIdle);
    EXPECT_EQ(t.channel.writes.back(), frame(0x00, 0x00, 252, 0x00));

    t.screen.Edit10.setText("1234");
    ASSERT_TRUE(t.screen.write());
    EXPECT_EQ(t.nextWrite(), frame(0x00, 0x01, 0x00, 0x58));  // byte 0 as read
    EXPECT_FALSE(t.screen.BitBtn1.enabled());
    EXPECT_TRUE(t.screen.ProgressBar1.visible());
    EXPECT_EQ(t.screen.ProgressBar1.max(), kConverterWriteSize);
    t.channel.deliver(reply(0x02));  // a wrong echo: the byte is sent again
    EXPECT_EQ(t.nextWrite(), frame(0x00, 0x01, 0x00, 0x58));
    for (int a = 0; a < kConverterWriteSize; ++a) t.channel.deliver(reply(t.channel.writes.back()[3]));
    EXPECT_EQ(t.channel.writes.back(), frame(0x00, 0x01, 199, 0x58));
    EXPECT_EQ(t.screen.state(), ConverterScreen::kWritten);
    EXPECT_TRUE(t.screen.ready());
    EXPECT_FALSE(t.screen.ProgressBar1.visible());
    // Written: nothing more is sent and the port stays open.
    const std::size_t sent = t.channel.writes.size();
    t.parts.clock.advance(3000);
    EXPECT_EQ(t.channel.writes.size(), sent);
    EXPECT_TRUE(t.channel.IsOpen());
}

TEST(ConverterScreen, MissingAccountCodeRefusesTheWriteAndSendsNothing) {
    ScriptedLine t;
    t.answerVersion();
    const std::size_t sent = t.channel.writes.size();
    t.screen.Edit10.setText("12");
    EXPECT_FALSE(t.screen.write());
    EXPECT_EQ(t.parts.dialogs.messages, std::vector<std::string>{"Rendszerüzenetek ügyfélazonositó kitoltése kötelező"});
    EXPECT_EQ(t.screen.Edit10Color(), controls::kRed);
    t.parts.clock.advance(3000);
    EXPECT_EQ(t.channel.writes.size(), sent);
    EXPECT_EQ(t.screen.state(), ConverterScreen::kIdle);
    // Typing in the field takes the colour back.
    t.screen.Edit10.setText("123");
    t.screen.controlChanged("Edit10");
    EXPECT_EQ(t.screen.Edit10Color(), ConverterScreen::kWhite);
}

TEST(ConverterScreen, FieldRulesTidyCodesAndSwitchTheirEdits) {
    ScriptedLine t;
    auto typed = [&](controls::Edit& edit, const std::string& text) {
        edit.setText(text);
        t.screen.controlChanged(edit.name());
        return edit.text();
    };
    EXPECT_EQ(typed(t.screen.Edit10, "1a2"), "1a2");  // upper-cased only from four characters on
    EXPECT_EQ(typed(t.screen.Edit10, "1a2b"), "1A2B");
    EXPECT_EQ(typed(t.screen.Edit10, "12345"), "1234");
    EXPECT_EQ(typed(t.screen.Edit10, "1G2"), "1");   // no digit text: cut from the end until it is
    EXPECT_EQ(typed(t.screen.Edit10, "10"), "1");    // 0 is no digit here
    EXPECT_EQ(typed(t.screen.Edit1, "120"), "12A");
    EXPECT_EQ(typed(t.screen.Edit2, "1b"), "1B");

    t.screen.CheckBox12.setChecked(false);
    t.screen.controlChanged("CheckBox12");
    EXPECT_FALSE(t.screen.Edit12.enabled());
    t.screen.CheckBox12.setChecked(true);
    t.screen.controlChanged("CheckBox12");
    EXPECT_TRUE(t.screen.Edit12.enabled());

    t.screen.click("Button1");
    EXPECT_EQ(t.screen.SpinEdit1.value(), 510);
}

TEST(ConverterScreen, CommandsAskFirstSendOneFrameAndEndARunningTransfer) {
    struct Case {
        const char* control;
        const char* question;
        Bytes frame;
    };
    const Case cases[] = {
        {"BitBtn4", "Biztosan újra akarja inditani az átalakitót?", {0x00, 0xFF, 0xAA, 0x00, 0x57, 0xA8}},
        {"elnetmode1", "Biztosan leállitja az átalakitót és belép TELNET módba?", {0x00, 0xFE, 0xBB, 0x00, 0x47, 0xB8}},
        {"GSMRoute1", "Biztosan leállitja az átalakitót és belép GSM ROUTE módba?", {0x00, 0xFD, 0xBB, 0x00, 0x48, 0xB7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        ScriptedLine t;
        t.answerVersion();
        t.parts.dialogs.answer = false;
        EXPECT_TRUE(t.screen.click(c.control));
        EXPECT_EQ(t.parts.dialogs.questions, std::vector<std::string>{c.question});
        EXPECT_EQ(t.screen.state(), ConverterScreen::kIdle);

        t.screen.read();
        t.channel.deliver(reply(1));
        t.parts.dialogs.answer = true;
        t.screen.click(c.control);
        EXPECT_EQ(t.nextWrite(), c.frame);
        EXPECT_EQ(t.screen.state(), ConverterScreen::kIdle);
        // The interrupted read gives its buttons back.
        EXPECT_TRUE(t.screen.ready());
        EXPECT_FALSE(t.screen.ProgressBar1.visible());
    }
    ScriptedLine t;
    t.screen.click("Verzi1");
    EXPECT_EQ(t.parts.dialogs.messages, std::vector<std::string>{"Verzió: 1.0"});
}

TEST(ConverterScreen, ReadShowsTheConvertersSettings) {
    SimulatedLine t;
    std::span<uint8_t> m = t.memory();
    m[0] = 0x85;
    std::fill(m.begin() + 1, m.begin() + 11, 0x58);
    const uint8_t account[] = {1, 10, 12, 4};
    std::copy(std::begin(account), std::end(account), m.begin() + 106);
    m[110] = 2;
    m[111] = 1;
    m[112] = 7;  // no such item
    m[113] = 0x88;
    m[114] = 0x13;  // 5000
    const std::string apn(32, 'w');
    std::copy(apn.begin(), apn.end(), m.begin() + 128);
    m[160] = 13;
    ASSERT_NO_FATAL_FAILURE(t.connect());
    EXPECT_EQ(t.screen.Label6.caption(), "szoftver verzio> 1.7");

    t.screen.read();
    ASSERT_TRUE(t.runUntil([&] { return t.screen.ready(); }));
    EXPECT_EQ(t.screen.Edit1.text(), "5");
    EXPECT_FALSE(t.screen.CheckBox1.checked());
    EXPECT_FALSE(t.screen.Edit1.enabled());
    EXPECT_EQ(t.screen.Edit2.text(), "");
    EXPECT_TRUE(t.screen.CheckBox2.checked());
    EXPECT_EQ(t.screen.Edit10.text(), "1AC4");
    EXPECT_EQ(t.screen.ComboBox2.itemIndex(), 2);
    EXPECT_EQ(t.screen.ComboBox1.itemIndex(), 1);
    EXPECT_EQ(t.screen.ComboBox3.itemIndex(), -1);
    EXPECT_EQ(t.screen.SpinEdit1.value(), 5000);
    EXPECT_EQ(t.screen.Edit3.text(), apn);
    // Idle after reading: the port is given back on the next tick.
    EXPECT_TRUE(t.runUntil([&] { return !t.line.IsOpen(); }));
}

// The installer writes without reading first: the converter's own bytes come back
// unchanged, because the screen reads them before it writes.
TEST(ConverterScreen, WriteStoresTheFieldsAndKeepsTheConvertersOtherBytes) {
    SimulatedLine t;
    std::span<uint8_t> m = t.memory();
    for (int a : {11, 21, 50, 105, 115, 127, 161, 199, 200, 252}) m[static_cast<std::size_t>(a)] = static_cast<uint8_t>(a);
    m[112] = 9;  // shows no item, and is kept
    ASSERT_NO_FATAL_FAILURE(t.connect());

    t.screen.CheckBox2.setChecked(false);
    t.screen.controlChanged("CheckBox2");
    t.screen.Edit2.setText("1A");
    t.screen.Edit10.setText("1234");
    t.screen.click("Button1");
    t.screen.ComboBox1.setItemIndex(2);
    t.screen.ComboBox3.setItemIndex(-1);
    t.screen.Edit3.setText(std::string(32, 'x'));
    ASSERT_TRUE(t.screen.write());
    ASSERT_TRUE(t.runUntil([&] { return t.screen.state() == ConverterScreen::kWritten; }));

    EXPECT_EQ(Bytes(m.begin() + 22, m.begin() + 33), (Bytes{0x81, 0x0A, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58}));
    EXPECT_EQ(m[113], 0xFE);
    EXPECT_EQ(m[114], 0x01);
    EXPECT_EQ(m[111], 2);
    EXPECT_EQ(m[112], 9);
    EXPECT_EQ(Bytes(m.begin() + 106, m.begin() + 110), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(std::string(m.begin() + 128, m.begin() + 160), std::string(32, 'x'));
    EXPECT_EQ(m[160], 13);
    for (int a : {11, 21, 50, 105, 115, 127, 161, 199, 200, 252}) EXPECT_EQ(m[static_cast<std::size_t>(a)], a) << a;
    // Only bytes 0 to 199 were written.
    const std::vector<uint16_t> written = t.model.writtenAddresses();
    ASSERT_EQ(written.size(), static_cast<std::size_t>(kConverterWriteSize));
    EXPECT_EQ(written.back(), kConverterWriteSize - 1);

    // Read back, the screen shows what was written.
    t.screen.Edit3.setText("");
    t.screen.read();
    ASSERT_TRUE(t.runUntil([&] { return t.screen.state() == ConverterScreen::kIdle && t.screen.ready(); }));
    EXPECT_EQ(t.screen.Edit3.text(), std::string(32, 'x'));
    EXPECT_EQ(t.screen.Edit2.text(), "1A");
    EXPECT_FALSE(t.screen.CheckBox2.checked());
}

}  // namespace
}  // namespace vardeck::devices
