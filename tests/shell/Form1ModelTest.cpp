#include <gtest/gtest.h>

#include "tests/shell/SearchTestSupport.h"

namespace vardeck {
namespace {

using testing::identificationReply;
using testing::replyFrame;
using testing::SearchRig;
using Bytes = std::vector<uint8_t>;

const Bytes kIdent(kIdentificationFrame.begin(), kIdentificationFrame.end());
const Bytes kSecond(kSecondProbeFrame.begin(), kSecondProbeFrame.end());

TEST(Form1Search, ActivationOpensTheStoredPortAndStartsProbing) {
    SearchRig rig;
    rig.store("comport", "\\\\.\\COM12");
    rig.startSearch();
    EXPECT_TRUE(rig.channel.IsOpen());
    EXPECT_EQ(rig.channel.DeviceName(), "\\\\.\\COM12");
    EXPECT_EQ(rig.channel.BaudRate(), cbr9600);
    EXPECT_EQ(rig.form8().StatusBar1.panel(0), "COM12");
    EXPECT_EQ(rig.form1().state(), Form1Model::kProbeA);
    EXPECT_EQ(rig.stored("StartDir"), "/start");
}

TEST(Form1Search, MissingPortOpensCom1AndStoresNothing) {
    SearchRig rig;
    rig.startSearch();
    EXPECT_EQ(rig.channel.DeviceName(), "COM1");
    EXPECT_EQ(rig.form8().StatusBar1.panel(0), "COM1");
    EXPECT_EQ(rig.stored("comport"), "<missing>");
}

TEST(Form1Search, TrackerModeRunsAt4800) {
    SearchRig rig;
    rig.store("mode", "TRAXO");
    rig.startSearch();
    EXPECT_EQ(rig.channel.BaudRate(), cbr4800);
    for (const controls::Label* label : {&rig.form8().Label2, &rig.form8().Label4, &rig.form8().Label5}) {
        EXPECT_EQ(label->caption(), "TRAXO/4800");
    }
}

TEST(Form1Search, FirstFrameAfterThreeSecondsThenEvery150) {
    SearchRig rig;
    rig.startSearch();
    rig.clock.advance(2999);
    EXPECT_TRUE(rig.channel.writes.empty());
    rig.clock.advance(1);
    ASSERT_EQ(rig.channel.writes.size(), 1u);
    rig.clock.advance(149);
    EXPECT_EQ(rig.channel.writes.size(), 1u);
    rig.clock.advance(1);
    EXPECT_EQ(rig.channel.writes.size(), 2u);
}

TEST(Form1Search, ProbePatternAndSentCountIncludesSilentTicks) {
    SearchRig rig;
    rig.startSearch();
    rig.clock.advance(3000 + 150 * 10);  // eleven ticks
    const std::vector<Bytes> expected{kIdent,  kIdent,  kIdent,  kIdent,  kSecond,
                                      kSecond, kSecond, kSecond, kIdent};
    EXPECT_EQ(rig.channel.writes, expected);
    EXPECT_EQ(rig.form1().sentCount(), 11);
    EXPECT_EQ(rig.form8().StatusBar1.panel(2), "TX: 11");
    EXPECT_EQ(rig.form1().replyCount(), 0);
}

TEST(Form1Search, Code71OnTheFirstProbeHandsOverAfterTwoSeconds) {
    SearchRig rig;
    rig.startSearch();
    ASSERT_EQ(rig.nextWrite(), kIdent);
    rig.channel.deliver(identificationReply(71));
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 71");
    EXPECT_EQ(rig.form8().StatusBar1.panel(3), "RX: 1");
    EXPECT_EQ(rig.form1().flashPanel(), 3);
    EXPECT_TRUE(rig.form1().vilogo.enabled());

    rig.clock.advance(200);  // first flash: the device is freed for the configurator
    EXPECT_FALSE(rig.channel.IsOpen());
    EXPECT_EQ(rig.form8().Panel3.color(), controls::kRed);
    rig.clock.advance(200);
    EXPECT_EQ(rig.form8().Panel3.color(), kSearchGrey);

    rig.clock.advance(1599);
    EXPECT_TRUE(rig.host.calls.empty());
    rig.clock.advance(1);
    const std::vector<std::string> expected{"hideZ4OptionalPages", "hideForm1", "openZ4Configurator 71",
                                            "closeSearchView"};
    EXPECT_EQ(rig.host.calls, expected);
    EXPECT_EQ(rig.host.lastHandover.statusText, "T-RIX");
    EXPECT_EQ(rig.host.lastHandover.demoFirmwareVersion, 0);
    EXPECT_TRUE(rig.host.lastHandover.hideTemperatureField);
    EXPECT_EQ(rig.form1().Label3.caption(), "T-RIX");
    EXPECT_EQ(rig.form1().state(), Form1Model::kIdle);
    EXPECT_EQ(rig.form1().replyCount(), 0);
    EXPECT_FALSE(rig.form1().vilogo.enabled());
    EXPECT_FALSE(rig.form1().ablakSTART.enabled());

    // Idle: the send timer marks the channel closed and sends nothing more.
    const std::size_t writes = rig.channel.writes.size();
    rig.clock.advance(3000);
    EXPECT_EQ(rig.channel.writes.size(), writes);
    EXPECT_FALSE(rig.form1().channelMarkedOpen());
    EXPECT_EQ(rig.host.count("closeSearchView"), 1);
}

TEST(Form1Search, HoldOffSkipsThreeTicksAfterAValidReply) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(5));  // unknown code: no hand-over
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 5");
    EXPECT_FALSE(rig.form1().ablakSTART.enabled());
    const int sent = rig.form1().sentCount();
    rig.clock.advance(450);
    EXPECT_EQ(rig.channel.writes.size(), 1u);
    EXPECT_EQ(rig.form1().sentCount(), sent);
    rig.clock.advance(150);
    EXPECT_EQ(rig.channel.writes.size(), 2u);
}

TEST(Form1Search, ReplyDuringPhaseBIdentifiesNothing) {
    SearchRig rig;
    rig.startSearch();
    Bytes frame;
    while ((frame = rig.nextWrite()) != kSecond) ASSERT_FALSE(frame.empty());
    rig.channel.deliver(identificationReply(71));
    EXPECT_EQ(rig.form1().holdOff(), 3);
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "");
    EXPECT_FALSE(rig.form1().ablakSTART.enabled());
}

TEST(Form1Search, CorruptRepliesAreCountedOrDropped) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    Bytes wrongSixth = identificationReply(71);
    wrongSixth[5] ^= 0x01;
    rig.channel.deliver(wrongSixth);
    EXPECT_EQ(rig.form8().StatusBar1.panel(3), "RX: 1");
    EXPECT_EQ(rig.form8().StatusBar1.panel(4), "");
    Bytes wrongFifth = identificationReply(71);
    wrongFifth[4] ^= 0x01;
    rig.channel.deliver(wrongFifth);
    EXPECT_EQ(rig.form8().StatusBar1.panel(3), "RX: 2");
    EXPECT_EQ(rig.form8().StatusBar1.panel(4), "BAD: 1");
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "");
    EXPECT_EQ(rig.form1().holdOff(), 0);
    // Both left the buffer empty: a good reply right after is taken.
    rig.channel.deliver(identificationReply(71));
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 71");
}

TEST(Form1Search, SplitRepliesAreAssembledOverlongOnesDropped) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    const Bytes reply = identificationReply(80);
    rig.channel.deliver(Bytes(reply.begin(), reply.begin() + 4));
    rig.channel.deliver(Bytes(reply.begin(), reply.begin() + 4));  // 4 + 4: all dropped
    EXPECT_EQ(rig.form1().reply().fill(), 0);
    EXPECT_EQ(rig.form1().replyCount(), 0);
    Bytes tooLong = reply;
    tooLong.push_back(0x00);
    rig.channel.deliver(tooLong);
    EXPECT_EQ(rig.form1().replyCount(), 0);
    EXPECT_EQ(rig.channel.waiting(), 0);  // nothing left behind in the channel

    for (uint8_t byte : reply) rig.channel.deliver({byte});
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 80");
    EXPECT_EQ(rig.form1().flashPanel(), 1);
}

TEST(Form1Search, FourPlusTwoIsOneReply) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    const Bytes reply = identificationReply(90);
    rig.channel.deliver(Bytes(reply.begin(), reply.begin() + 4));
    rig.channel.deliver(Bytes(reply.begin() + 4, reply.end()));
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 90");
}

TEST(Form1Search, NoiseNeverIdentifies) {
    SearchRig rig;
    rig.startSearch();
    uint32_t seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        if (i % 40 == 0) rig.clock.advance(150);
        seed = seed * 1103515245 + 12345;
        Bytes noise((seed >> 16) % 9 + 1);
        for (uint8_t& b : noise) {
            seed = seed * 1103515245 + 12345;
            b = static_cast<uint8_t>(seed >> 16);
        }
        if (noise.size() == 6 && frameIsValid(noise.data())) continue;
        rig.channel.deliver(noise);
        ASSERT_LE(rig.form1().reply().fill(), 6);
    }
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "");
    EXPECT_FALSE(rig.form1().ablakSTART.enabled());
}

TEST(Form1Search, EmptyNotificationDoesNotCountTheSameReplyTwice) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(5));
    rig.form1().AsynComm321RxChar(0);
    EXPECT_EQ(rig.form1().replyCount(), 1);
}

TEST(Form1Search, AnotherCodeWithinTheTwoSecondsKeepsTheFirstHandover) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(71));
    rig.clock.advance(600);
    rig.channel.writes.clear();
    ASSERT_EQ(rig.nextWrite(), kIdent);
    rig.channel.deliver(identificationReply(80));
    EXPECT_EQ(rig.form8().StatusBar1.panel(1), "Gsm: 80");
    EXPECT_EQ(rig.form1().dispatchCode(), 71);
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.count("openZ4Configurator 71"), 1);
    EXPECT_EQ(rig.host.count("openZ4Configurator 80"), 0);
}

TEST(Form1Search, Code30FlashesPanel4AndHandsOverToForm1Itself) {
    SearchRig rig;
    rig.startSearch();
    EXPECT_FALSE(rig.form1().BitBtn1.enabled());
    rig.nextWrite();
    rig.channel.deliver(identificationReply(30));
    EXPECT_EQ(rig.form1().flashPanel(), 4);
    EXPECT_TRUE(rig.form1().vilogo.enabled());
    rig.clock.advance(2000);
    const std::vector<std::string> expected{"hideZ4OptionalPages", "showForm1AsGprs", "closeSearchView"};
    EXPECT_EQ(rig.host.calls, expected);
    EXPECT_EQ(rig.form1().Label3.caption(), "Z-GPRS-CID found");
    EXPECT_TRUE(rig.form1().BitBtn1.enabled());  // the module's write and read
    EXPECT_TRUE(rig.form1().BitBtn2.enabled());

    // Form1 shows itself and its activation identifies once more: a second hand-over.
    rig.form1().FormActivate();
    EXPECT_EQ(rig.form1().state(), Form1Model::kProbeA);
    rig.channel.writes.clear();
    ASSERT_EQ(rig.nextWrite(), kIdent);
    rig.channel.deliver(identificationReply(30));
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.count("showForm1AsGprs"), 2);
}

TEST(Form1Search, TrackerDoesNotFlashAndTheSendTimerFreesThePort) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(60));
    EXPECT_FALSE(rig.form1().vilogo.enabled());
    rig.clock.advance(1990);
    EXPECT_TRUE(rig.channel.IsOpen());
    rig.clock.advance(10);
    EXPECT_EQ(rig.host.count("openTraxomain 0"), 1);
    EXPECT_EQ(rig.form1().Label3.caption(), "Z_GPS_TRAXO");
    EXPECT_TRUE(rig.channel.IsOpen());
    rig.clock.advance(150);
    EXPECT_FALSE(rig.channel.IsOpen());
    // With the port freed the send timer has nothing left to do: it rests.
    rig.clock.advance(150);
    EXPECT_FALSE(rig.form1().adas.enabled());
}

TEST(Form1Search, GeofenceCodeIsHandedOverWithoutFlashing) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(61));
    EXPECT_FALSE(rig.form1().vilogo.enabled());
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.count("openForm7 1"), 1);
    EXPECT_EQ(rig.host.count("hideForm1"), 1);
    EXPECT_EQ(rig.form1().Label3.caption(), "Z_GPS_MARLOW");
}

TEST(Form1Search, ConverterHandOver) {
    SearchRig rig;
    rig.startSearch();
    rig.nextWrite();
    rig.channel.deliver(identificationReply(50));
    EXPECT_EQ(rig.form1().flashPanel(), 5);
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.count("openForm5 1 GPRS to ContacdID konverter"), 1);
}

struct DemoCase {
    int panel;
    std::string call;
    int firmware;
};

class Form1Demo : public ::testing::TestWithParam<DemoCase> {};

TEST_P(Form1Demo, EachPanelHandsOverWithoutAnyFrame) {
    const DemoCase& c = GetParam();
    SearchRig rig;
    rig.startSearch();
    rig.form8().D1Click(c.panel);
    EXPECT_EQ(rig.form1().flashPanel(), c.panel);
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.count(c.call), 1);
    EXPECT_EQ(rig.host.lastHandover.demoFirmwareVersion, c.firmware);
    EXPECT_TRUE(rig.channel.writes.empty());
    EXPECT_EQ(rig.host.count("closeSearchView"), 1);
}

INSTANTIATE_TEST_SUITE_P(Panels, Form1Demo,
                         ::testing::Values(DemoCase{1, "openZ4Configurator 80", 50},
                                           DemoCase{3, "openZ4Configurator 71", 50},
                                           DemoCase{4, "showForm1AsGprs", 0},
                                           DemoCase{5, "openForm5 1 GPRS to ContacdID konverter", 0},
                                           DemoCase{6, "openZ4Configurator 90", 0},
                                           DemoCase{7, "openZ4Configurator 100", 0}));

TEST(Form1Search, DemoButtonIsThePanel3Item) {
    SearchRig rig;
    rig.startSearch();
    rig.form8().Button2Click();
    rig.clock.advance(2000);
    EXPECT_EQ(rig.host.lastHandover.typeCode, 71);
    EXPECT_EQ(rig.host.lastHandover.demoFirmwareVersion, 50);
}

TEST(Form1Search, ModelTextsFollowTheBrand) {
    struct Case { int brand; int code; std::string label3; std::string status; };
    const Case cases[] = {
        {1, 80, "Z-1", "Z-1_PC"},          {1, 100, "Z_CID", "Z-CID"},
        {10, 71, "Quorvex GSM4", "Quorvex GSM4"}, {10, 90, "Z-GPS", "Quorvex GPS"},
        {20, 80, "Galvane GSM", "Galvane GSM"},   {30, 90, "Z-GPS", "VEMTA"},
        {30, 100, "VEMTAS-CID", "VEMTAS-CID"},    {40, 71, "K-VEX", "K-VEX"},
        {50, 71, "Ostera", "Ostera"},             {50, 70, "Z-4", "Z-4"},
    };
    for (const Case& c : cases) {
        SearchRig rig(c.brand);
        rig.startSearch();
        rig.nextWrite();
        rig.channel.deliver(identificationReply(c.code));
        rig.clock.advance(2000);
        EXPECT_EQ(rig.form1().Label3.caption(), c.label3) << c.brand << "/" << c.code;
        EXPECT_EQ(rig.host.lastHandover.statusText, c.status) << c.brand << "/" << c.code;
    }
    SearchRig quorvex(10);
    quorvex.startSearch();
    quorvex.form8().D1Click(4);
    quorvex.clock.advance(2000);
    EXPECT_EQ(quorvex.form1().Label3.caption(), "Quorvex GPRS-CID found");
}

TEST(Form1Search, AModuleTransferReopensTheChannelTheIdleSearchClosed) {
    SearchRig rig;
    rig.startSearch();
    rig.form8().D1Click(4);
    rig.clock.advance(3000 + 150);  // hand-over, then an idle tick closes the port
    ASSERT_FALSE(rig.channel.IsOpen());
    rig.channel.writes.clear();
    rig.form1().BitBtn2Click();
    EXPECT_TRUE(rig.channel.IsOpen());
    EXPECT_TRUE(rig.form1().adas.enabled()) << "the resting send timer runs again for the transfer";
    ASSERT_EQ(rig.channel.writes.size(), 1u);
    EXPECT_EQ(rig.channel.writes[0], replyFrame(0, 0, 0, 0));  // read of address 0, at once
    rig.channel.deliver(replyFrame(0xAB, 0, 0, 0x0E));
    EXPECT_EQ(rig.form1().holdOff(), 3);
    EXPECT_EQ(rig.channel.writes.back(), replyFrame(0, 0, 1, 0));
}

}  // namespace
}  // namespace vardeck
