// The tracker screen on a scripted channel and, for whole transfers, on the
// simulated tracker in-process; the send timer runs on a virtual clock.
#include <gtest/gtest.h>

#include "devices/TrackerScreen.h"
#include "sim/LoopbackChannel.h"
#include "sim/TrackerModel.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck::devices {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::chrono_literals;

class RecordingDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void beep() override { ++beeps; }
    std::vector<std::string> messages;
    int beeps = 0;
};

Bytes frame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) { return testing::replyFrame(p0, p1, p2, p3); }

// A block reply: the 64 data bytes and their sum (plus `sumError`).
Bytes blockReply(const TrackerBlock& block, int sumError = 0) {
    Bytes reply(block.begin(), block.end());
    reply.push_back(static_cast<uint8_t>(dataSum(block.data(), block.size()) + sumError));
    return reply;
}

// The screen on a channel of the test's choosing, with settings, dialogs and clock.
template <class Channel>
struct Rig {
    template <class... Args>
    explicit Rig(Args&&... args) : channel(std::forward<Args>(args)...) {
        DeviceScreenEnvironment env;
        env.dialogs = &dialogs;
        env.searchHoldsChannel = [this] { return searchHolds; };
        screen = std::make_unique<TrackerScreen>(channel, env);
        clock.add(screen->timers());
    }
    void setAddressFields(const std::string& ip, const std::string& port = "05000", const std::string& apn = "net") {
        screen->Edit1.setText(ip);
        screen->Edit2.setText(port);
        screen->Edit3.setText(apn);
    }

    std::shared_ptr<MemorySettingsStore> memory = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped{memory};
    RecordingDialogs dialogs;
    bool searchHolds = false;
    Channel channel;
    std::unique_ptr<TrackerScreen> screen;
    testing::VirtualClock clock;
};

using FakeRig = Rig<testing::FakeChannel>;

TEST(TrackerScreen, WriteChecksRefuseBeforeAnythingIsSent) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    struct Case {
        std::string ip, port, apn, message;
    };
    const Case cases[] = {
        {"010.001.002.03", "05000", "net", "Nem megfelelő hosszúságú a megadott IP cim"},
        {"0100.01.002.003", "05000", "net", "Tizedespont nem megfelelő helyen..."},
        {"010.001.002.003", "5000", "net", "Nem megfelelő hosszúságú a megadott PORT cim"},
        {"010.001.002.003", "05000", std::string(33, 'a'),
         "Túl hosszú APN név Kérem vegye fel a kapcsolatot a fejlesztőkkel..."},
    };
    for (const Case& c : cases) {
        rig.dialogs.messages.clear();
        rig.setAddressFields(c.ip, c.port, c.apn);
        EXPECT_FALSE(s.write()) << c.message;
        EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{c.message});
    }
    rig.clock.advance(3000);
    EXPECT_TRUE(rig.channel.writes.empty());
    EXPECT_EQ(rig.channel.openCount, 0);
    EXPECT_TRUE(s.ready());

    // The old format looks at the address only.
    s.click("wavecom1");
    rig.dialogs.messages.clear();
    rig.setAddressFields("010.001.002.003", "5000", std::string(33, 'a'));
    EXPECT_TRUE(s.write());
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(s.state(), TrackerScreen::kOldReadBeforeWrite);
}

TEST(TrackerScreen, OnlyDigitsAndPointsMayEndTheAddress) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    s.Edit1.setText("010.001.00a");
    s.controlChanged("Edit1");
    EXPECT_EQ(s.Edit1.text(), "");
    EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{"Nem megfelelo karakter"});

    // Letters in the access point name are fine while the address ends well; an
    // empty address has no last character to object to.
    rig.dialogs.messages.clear();
    s.Edit3.setText("internet");
    s.controlChanged("Edit3");
    s.Edit1.setText("010.");
    s.controlChanged("Edit3");
    s.click("IPcim2");
    EXPECT_EQ(s.Edit1.text(), TrackerScreen::kPreset2);
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST(TrackerScreen, PortOpensAt4800OnCommPortOnceTheSearchLetsGo) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    rig.searchHolds = true;
    s.read();
    EXPECT_FALSE(s.ready());
    rig.clock.advance(2000);
    EXPECT_EQ(rig.channel.openCount, 0);

    rig.searchHolds = false;
    rig.clock.advance(350);
    ASSERT_EQ(rig.channel.openedNames, std::vector<std::string>{"COM1"});
    EXPECT_EQ(rig.channel.BaudRate(), cbr4800);
    EXPECT_EQ(s.sbar1.panel(1), "COM1");
    EXPECT_EQ(s.sbar1.panel(4), "Olvasás /új/");
    ASSERT_EQ(rig.channel.writes.size(), 1u);
    EXPECT_EQ(rig.channel.writes[0], frame(0x00, 0x00, 0x00, 0x00));
    EXPECT_EQ(s.sbar1.panel(0), "TX>1");
}

TEST(TrackerScreen, BlockWithWrongSumIsCountedAndAskedAgain) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    s.click("wavecom1");
    s.read();
    rig.clock.advance(1000);
    const Bytes request{0x00, 0x40, 0x62, 0x00, 0x5E, 0xA1};
    ASSERT_EQ(rig.channel.writes.size(), 1u);
    EXPECT_EQ(rig.channel.writes[0], request);

    TrackerBlock block{};
    putBlockServerAddress("010.001.002.003", block);
    rig.channel.deliver(blockReply(block, 1));
    EXPECT_EQ(s.sbar1.panel(2), "Error>1");
    EXPECT_EQ(s.state(), TrackerScreen::kOldRead);
    rig.clock.advance(350);
    ASSERT_EQ(rig.channel.writes.size(), 2u);
    EXPECT_EQ(rig.channel.writes[1], request);

    rig.channel.deliver(blockReply(block));
    EXPECT_EQ(s.Edit1.text(), "010.001.002.003");
    EXPECT_EQ(rig.dialogs.beeps, 1);
    EXPECT_TRUE(s.ready());
    EXPECT_EQ(s.badBlocks(), 1);
    rig.clock.advance(350);
    EXPECT_FALSE(rig.channel.IsOpen());
}

// A reply one byte longer than a block and its sum is no block reply.
TEST(TrackerScreen, ABlockReplyWithAByteTooManyIsNotTaken) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    s.click("wavecom1");
    s.read();
    rig.clock.advance(1000);
    TrackerBlock block{};
    putBlockServerAddress("010.001.002.003", block);
    Bytes tooLong = blockReply(block);
    tooLong.push_back(0);
    rig.channel.deliver(tooLong);
    EXPECT_EQ(s.state(), TrackerScreen::kOldRead);
    EXPECT_EQ(s.Edit1.text(), "");
    rig.clock.advance(350);  // asked again
    rig.channel.deliver(blockReply(block));
    EXPECT_EQ(s.Edit1.text(), "010.001.002.003");
}

TEST(TrackerScreen, OldFormatWriteSendsTheReadBlockWithTheCheckedAddress) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    s.click("wavecom1");
    rig.setAddressFields("010.001.002.003");
    ASSERT_TRUE(s.write());
    EXPECT_EQ(s.sbar1.panel(4), "írás /régi/");
    rig.clock.advance(1000);
    // An edit while the block is on its way does not reach the tracker unchecked.
    s.Edit1.setText("9");
    rig.channel.deliver(blockReply(TrackerBlock{}));

    ASSERT_EQ(rig.channel.writes.size(), 2u);
    Bytes expected{0x00, 0x80, 0x62, 0x00, 0x1E, 0xE1};
    TrackerBlock data{};
    putBlockServerAddress("010.001.002.003", data);
    expected.insert(expected.end(), data.begin(), data.end());
    expected.push_back(0xD1);  // 0x2D1, the sum of the fifteen characters
    EXPECT_EQ(rig.channel.writes[1], expected);
    EXPECT_EQ(s.state(), TrackerScreen::kOldWrite);

    rig.channel.deliver(frame(0xAB, 0x80, 0x62, 0x00));
    EXPECT_TRUE(s.ready());
}

TEST(TrackerScreen, WriteEchoOfAnotherAddressIsNoConfirmation) {
    FakeRig rig;
    TrackerScreen& s = *rig.screen;
    rig.setAddressFields("010.001.002.003");
    ASSERT_TRUE(s.write());
    rig.clock.advance(1000);
    ASSERT_EQ(rig.channel.writes.size(), 1u);
    // A late answer for another address with the same data byte (0), then the real one.
    rig.channel.deliver(frame(0xAB, 0x01, 0x07, 0x00));
    EXPECT_EQ(rig.channel.writes.size(), 1u);
    rig.channel.deliver(frame(0xAB, 0x01, 0x00, 0x00));
    ASSERT_EQ(rig.channel.writes.size(), 2u);
    EXPECT_EQ(rig.channel.writes[1], frame(0x00, 0x01, 0x01, 0x00));
    // No second operation starts over the running one.
    EXPECT_FALSE(s.BitBtn2.enabled());
    EXPECT_FALSE(s.Olvass1.enabled());
    EXPECT_FALSE(s.write());
}

// The screen against the simulated tracker, replies arriving at once.
struct SimulatedTracker {
    SimulatedTracker() : rig(endpoint) {}
    void runUntilIdle() {
        for (int ms = 0; ms < 60000 && (ms < 1000 || rig.screen->busy()); ++ms) {
            rig.clock.advance(1);
            rig.channel.advance(1ms);
        }
        ASSERT_FALSE(rig.screen->busy());
    }
    sim::TrackerModel model;
    sim::SimEndpoint endpoint{model};
    Rig<sim::LoopbackChannel> rig;
};

// A write before any read sends 0 for every byte no control fills; a 32-character
// access point name fills its slot without terminator and reads back whole.
TEST(TrackerScreen, NewFormatWriteOnABlankImageAndReadBack) {
    SimulatedTracker t;
    TrackerScreen& s = *t.rig.screen;
    const std::string apn = "abcdefghijklmnopqrstuvwxyz012345";
    t.rig.setAddressFields("010.001.002.003", "05000", apn);
    s.CheckBox1.setChecked(true);
    ASSERT_TRUE(s.write());
    t.runUntilIdle();
    EXPECT_EQ(s.sbar1.panel(4), "Irás OK.");
    const auto memory = t.model.memory();
    EXPECT_EQ(memory[15], 1);
    EXPECT_EQ(std::string(memory.begin() + 128, memory.begin() + 181), apn + "010.001.002.003/05000");
    for (std::size_t a = 0; a < kTrackerImageSize; ++a) {
        if (a != 15 && (a < 128 || a > 180)) {
            EXPECT_EQ(memory[a], 0) << a;
        }
    }
    EXPECT_EQ(memory[255], 60);  // the type code is not sent

    t.rig.setAddressFields("", "", "");
    s.CheckBox1.setChecked(false);
    s.read();
    t.runUntilIdle();
    EXPECT_EQ(s.sbar1.panel(4), "Összes adat kiolvasása sikeres!");
    EXPECT_EQ(s.Edit3.text(), apn);
    EXPECT_EQ(s.Edit1.text(), "010.001.002.003");
    EXPECT_EQ(s.Edit2.text(), "05000");
    EXPECT_TRUE(s.CheckBox1.checked());
    EXPECT_FALSE(s.ProgressBar1.visible());
}

}  // namespace
}  // namespace vardeck::devices
