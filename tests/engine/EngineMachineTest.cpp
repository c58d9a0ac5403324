// The machine against a scripted line: port handling, repeat timing, the
// reply rules, the module commands and the states other operations add.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

#include "tests/engine/EngineRig.h"
#include "tests/z4link/FakeChannel.h"
#include "z4link/Frame.h"

namespace vardeck::testing {
namespace {

using Bytes = std::vector<uint8_t>;

class ScriptedEngine : public ::testing::Test {
protected:
    ScriptedEngine() { engine.setDeviceType(71); }

    void reply(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) { channel.deliver(frameBytes(b0, b1, b2, b3)); }
    const Bytes& lastWrite() const { return channel.writes.back(); }
    std::size_t writeCount() const { return channel.writes.size(); }
    // Ticks `count` times and returns the tick numbers (1-based) on which something was written.
    std::vector<int> ticksWithWrites(int count) {
        std::vector<int> at;
        for (int i = 1; i <= count; ++i) {
            const std::size_t before = writeCount();
            engine.tick();
            if (writeCount() != before) at.push_back(i);
        }
        return at;
    }
    // Starts a byte-wise read and lets the first tick send the read of address 0.
    void startByteWiseRead() {
        engine.setFirmwareVersion(32);
        engine.readAll();
        engine.tick();
        ASSERT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x00, 0x00));
    }

    FakeChannel channel;
    TransferEngine::Image image{};
    RecordingListener listener;
    bool released = true;
    std::string port = "COM3";
    TransferEngine engine{channel, image, listener,
                          TransferEnvironment{[this] { return port; },
                                              [] { return ModuleClockTime{2025, 1, 2, 3, 4, 5}; },
                                              [this] { return released; }, nullptr, nullptr}};
};

TEST_F(ScriptedEngine, PortOpensOnTheFirstTickOfAnOperationAndClosesOneCountdownAfterIt) {
    for (int i = 0; i < 10; ++i) engine.tick();
    EXPECT_EQ(channel.openCount, 0);
    EXPECT_EQ(listener.lastTime.second, 5) << "the time is shown on every tick";

    engine.queryVersionOnActivation();
    engine.tick();
    EXPECT_TRUE(channel.IsOpen());
    EXPECT_EQ(channel.openedNames.back(), "COM3");
    EXPECT_EQ(listener.panel[0], "COM3");
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));

    reply(0xAB, 0x00, 0xFE, 0x26);
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
    for (int i = 0; i < 5; ++i) engine.tick();
    EXPECT_TRUE(channel.IsOpen());
    engine.tick();
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(engine.vars().portOpen);
    EXPECT_TRUE(engine.confirmClose()) << "no question once idle";
    EXPECT_TRUE(listener.questions.empty());
}

TEST_F(ScriptedEngine, PortNameComesFromTheSettingEachTimeTheOperationStarts) {
    port = "\\\\.\\COM12";
    engine.lifeSignalTest();
    engine.tick();
    EXPECT_EQ(channel.openedNames.back(), "\\\\.\\COM12");
    EXPECT_EQ(listener.panel[0], "COM12");
    for (int i = 0; i < 6; ++i) engine.tick();
    ASSERT_FALSE(channel.IsOpen());

    port = "";
    engine.lifeSignalTest();
    engine.tick();
    EXPECT_EQ(channel.openedNames.back(), "COM1");
}

TEST_F(ScriptedEngine, NothingIsSentWhileTheStartScreenHoldsThePort) {
    released = false;
    engine.queryVersionOnActivation();
    for (int i = 0; i < 20; ++i) engine.tick();
    EXPECT_EQ(channel.openCount, 0);
    EXPECT_TRUE(channel.writes.empty());
    released = true;
    engine.tick();
    EXPECT_EQ(writeCount(), 1u);
}

TEST_F(ScriptedEngine, UnansweredCommandsGoOutAgainAfterTheirCountdown) {
    engine.queryVersionOnActivation();
    EXPECT_EQ(ticksWithWrites(13), (std::vector<int>{1, 7, 13}));

    engine.shutdown();
    engine.setDeviceType(100);
    engine.readAll();  // 32-byte blocks, countdown 10
    EXPECT_EQ(ticksWithWrites(23), (std::vector<int>{1, 12, 23}));

    engine.shutdown();
    engine.setDeviceType(71);
    engine.setFirmwareVersion(43);
    engine.readAll();  // 256-byte blocks: countdown 2 first, then 50
    EXPECT_EQ(ticksWithWrites(105), (std::vector<int>{3, 54, 105}));

    engine.setClock();  // countdown 20
    const std::vector<int> clock = ticksWithWrites(100);
    ASSERT_EQ(clock.size(), 3u);
    EXPECT_EQ(clock[1] - clock[0], 21);
    EXPECT_EQ(clock[2] - clock[1], 21);
}

TEST_F(ScriptedEngine, VersionReplySetsTheVersionTextAndTheControls) {
    engine.setFirmwareVersion(43);
    engine.queryVersionOnActivation();
    engine.tick();
    reply(0xAB, 0x00, 0xFE, 10);  // not a version: the old number stays
    EXPECT_EQ(engine.vars().firmwareVersion, 43);
    EXPECT_EQ(listener.panel[2], "Sw: 4.3");

    engine.queryVersionFromMenu();  // sends at once
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));
    reply(0xAB, 0x00, 0xFE, 0x26);
    EXPECT_EQ(engine.vars().firmwareVersion, 38);
    EXPECT_EQ(listener.panel[2], "Sw: 3.8");
    EXPECT_EQ(listener.panel[3], "");
    EXPECT_EQ(listener.effects, versionEffects(38, 71));
    EXPECT_TRUE(listener.messages.empty());
    engine.tick();
    ASSERT_EQ(listener.messages.size(), 1u);
    EXPECT_EQ(listener.messages[0], "Modul szoftvare verzió: 3.8");

    // After a firmware download the reply closes the firmware view instead.
    engine.vars().versionPopup = 3;
    engine.queryVersionOnActivation();
    engine.tick();
    reply(0xAB, 0x00, 0xFE, 0x2B);
    EXPECT_EQ(listener.firmwareViewCloses, 1);
    EXPECT_EQ(engine.vars().versionPopup, 0);
}

std::optional<bool> lastValue(const std::vector<ControlEffect>& effects, const std::string& control,
                              ControlEffect::Property property = ControlEffect::Property::Visible) {
    std::optional<bool> value;
    for (const ControlEffect& e : effects) {
        if (e.control == control && e.property == property) value = e.value;
    }
    return value;
}

// The editor adapts its own controls (Z4Editor::adaptToFirmware); the engine's list
// holds only the menu items, Label64 and the status view's temperature field.
TEST(VersionEffects, FollowTheVersionAndTheModel) {
    const auto old = versionEffects(17, 70);
    EXPECT_EQ(lastValue(old, "Hibakeress1", ControlEffect::Property::Enabled), true);
    EXPECT_EQ(lastValue(old, kStatusViewTemperature), false);
    EXPECT_EQ(lastValue(old, "Szoftverfrissts1"), std::nullopt);
    EXPECT_EQ(lastValue(versionEffects(15, 70), "Hibakeress1", ControlEffect::Property::Enabled), std::nullopt);

    const auto v29 = versionEffects(29, 70);
    EXPECT_EQ(lastValue(v29, "Szoftverfrissts1"), true);
    EXPECT_EQ(lastValue(v29, kStatusViewTemperature), std::nullopt);

    const auto zcid = versionEffects(43, 100);
    EXPECT_EQ(lastValue(zcid, "Label64"), false);
    EXPECT_EQ(lastValue(zcid, "Naplokiolvassa1"), false);
    EXPECT_EQ(lastValue(zcid, "GSMraszinkronozsa1", ControlEffect::Property::Enabled), false);
    EXPECT_EQ(lastValue(zcid, "Bektsirajz1", ControlEffect::Property::Enabled), false);

    EXPECT_EQ(lastValue(versionEffects(43, 80), kStatusViewTemperature), false);
}

TEST_F(ScriptedEngine, RestartAsksFirstAndAwaitsNoReply) {
    listener.answer = false;
    engine.restart();
    EXPECT_EQ(listener.questions.back(), "Biztosan újra akarja inditani az eszközt?");
    EXPECT_EQ(engine.vars().state, z4state::kIdle);

    listener.answer = true;
    engine.restart();
    engine.tick();
    EXPECT_EQ(lastWrite(), (Bytes{0x00, 0xFF, 0xAA, 0x00, 0x57, 0xA8}));
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
    reply(0xAB, 0x00, 0xFE, 0x26);  // whatever the module says later
    EXPECT_EQ(engine.vars().state, z4state::kIdle);
    EXPECT_EQ(engine.vars().firmwareVersion, 0);
}

TEST_F(ScriptedEngine, LifeSignalTestIsSentOnce) {
    engine.lifeSignalTest();
    EXPECT_EQ(ticksWithWrites(20), (std::vector<int>{1}));
    EXPECT_EQ(lastWrite(), (Bytes{0x02, 0x04, 0x10, 0x01, 0xE9, 0x16}));
}

TEST_F(ScriptedEngine, ByteReadAcceptsOnlyAValidAcknowledgedEchoingFrame) {
    startByteWiseRead();
    // Wrong checksum, wrong marker, wrong echo, an extra byte: nothing is stored.
    Bytes bad = frameBytes(0xAB, 0x00, 0x00, 0x55);
    bad[5] ^= 1;
    channel.deliver(bad);
    channel.deliver(frameBytes(0xAC, 0x00, 0x00, 0x55));
    channel.deliver({0x00});  // the ignored frame is cleared by the next byte
    channel.deliver(frameBytes(0xAB, 0x00, 0x01, 0x55));
    channel.deliver({0x00});
    Bytes longer = frameBytes(0xAB, 0x00, 0x00, 0x55);
    longer.push_back(0x00);
    channel.deliver(longer);
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(engine.vars().transferIndex, 0);
    EXPECT_EQ(writeCount(), 1u);
    // The same address goes out again after the countdown, even when empty
    // notifications come meanwhile with a valid frame still in the buffer.
    channel.deliver(frameBytes(0xAB, 0x00, 0x01, 0x55));
    for (int i = 0; i < 5; ++i) {
        engine.tick();
        channel.OnRxChar(channel, 0);
    }
    EXPECT_EQ(ticksWithWrites(1), (std::vector<int>{1}));
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x00, 0x00));

    // A reply split byte by byte is taken, and the next address goes out at once.
    for (uint8_t b : frameBytes(0xAB, 0x00, 0x00, 0x55)) channel.deliver({b});
    EXPECT_EQ(image[0], 0x55);
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x01, 0x00));
    EXPECT_EQ(listener.gauge.progress, 1);
}

TEST_F(ScriptedEngine, BytesLeftFromBeforeAnOperationCannotCompleteItsFirstReply) {
    const Bytes stale = frameBytes(0xAB, 0x00, 0x00, 0x55);
    channel.Open();
    channel.deliver(Bytes(stale.begin(), stale.begin() + 3));
    engine.setFirmwareVersion(32);
    engine.readAll();  // idle before: the first tick sends
    channel.deliver(Bytes(stale.begin() + 3, stale.end()));
    EXPECT_EQ(engine.vars().transferIndex, 0);
    EXPECT_EQ(image[0], 0);
}

TEST_F(ScriptedEngine, AByteWriteEchoingAnotherByteIsSentAgain) {
    engine.setFirmwareVersion(32);
    image[0] = 0x42;
    engine.writeAll();
    engine.tick();
    ASSERT_EQ(lastWrite(), frameBytes(0x00, 0x01, 0x00, 0x42));
    reply(0xAB, 0x01, 0x00, 0x43);
    EXPECT_EQ(engine.vars().transferIndex, 0);
    EXPECT_EQ(ticksWithWrites(6), (std::vector<int>{6}));
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x01, 0x00, 0x42));
    reply(0xAB, 0x01, 0x00, 0x42);
    EXPECT_EQ(engine.vars().transferIndex, 1);
    EXPECT_EQ(lastWrite()[2], 0x01);
}

TEST_F(ScriptedEngine, BlockRepliesNeedTheirExactLengthAndSum) {
    engine.setFirmwareVersion(43);
    engine.readAll();
    for (int i = 0; i < 3; ++i) engine.tick();
    Bytes block(257);
    for (int i = 0; i < 256; ++i) block[i] = static_cast<uint8_t>(i * 3);
    block[256] = static_cast<uint8_t>(dataSum(block.data(), 256) + 1);
    channel.deliver(block);
    EXPECT_EQ(engine.vars().transferIndex, 0);
    EXPECT_EQ(image[1], 0);

    // A notification far larger than the receive buffer loses its excess only.
    channel.deliver(Bytes(6000, 0x11));
    engine.tick();
    for (int i = 0; i < 50; ++i) engine.tick();  // the request goes out again, the buffer starts afresh
    block[256] = dataSum(block.data(), 256);
    channel.deliver(block);
    EXPECT_EQ(engine.vars().transferIndex, 16);
    EXPECT_EQ(image[1], 3);
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0xF7, 0x10, 0x00));
}

TEST_F(ScriptedEngine, BlockWriteTakesExactlyOneByteAsAcknowledgement) {
    engine.setFirmwareVersion(43);
    engine.writeAll();
    for (int i = 0; i < 3; ++i) engine.tick();
    ASSERT_EQ(lastWrite().size(), 262u);
    channel.deliver({0x01, 0x02});
    EXPECT_EQ(engine.vars().transferIndex, 0);
    for (int i = 0; i < 51; ++i) engine.tick();
    ASSERT_EQ(lastWrite()[3], 0x00) << "block 0 again";
    channel.deliver({0x7F});
    EXPECT_EQ(engine.vars().transferIndex, 1);
    EXPECT_EQ(lastWrite()[3], 0x10) << "block 1 at address 16 at once";
}

TEST_F(ScriptedEngine, ATransferButtonDuringAnotherOperationTakesOverAtOnce) {
    engine.setFirmwareVersion(32);
    engine.queryVersionOnActivation();
    engine.tick();
    const std::size_t before = writeCount();
    engine.readAll();
    EXPECT_TRUE(engine.vars().operationRunning);
    EXPECT_EQ(writeCount(), before + 1);
    EXPECT_EQ(lastWrite(), frameBytes(0x00, 0x00, 0x00, 0x00));
}

TEST_F(ScriptedEngine, APortThatVanishesIsOpenedAgainWhileTheOperationRuns) {
    startByteWiseRead();
    ASSERT_TRUE(channel.OnError);
    channel.OnError(channel, -ENXIO);
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_TRUE(engine.vars().portOpen);
    engine.tick();
    EXPECT_EQ(channel.openCount, 2);
    EXPECT_TRUE(channel.IsOpen());
    reply(0xAB, 0x00, 0x00, 0x99);
    EXPECT_EQ(image[0], 0x99);
}

// An operation of a later kind: one six-byte state and one with its own replies.
class ProbeStates : public TransferStates {
public:
    bool handles(int state) const override { return state == 50 || state == 130; }
    bool ownReplyShape(int state) const override { return state == 130; }
    void send(TransferEngine& engine, int state) override {
        sends.push_back({state, engine.vars().countdown});
        engine.link().sendAtLine("AT\r");
    }
    void receive(TransferEngine& engine, int state) override {
        receives.push_back({state, engine.link().rx().fill()});
    }
    bool overlong(TransferEngine&, int state) override {
        overlongs.push_back(state);
        return true;
    }
    std::vector<std::pair<int, int>> sends, receives;
    std::vector<int> overlongs;
};

TEST_F(ScriptedEngine, LaterOperationsAddTheirStates) {
    ProbeStates probe;
    engine.addStates(probe);
    engine.vars().state = 50;
    engine.tick();
    ASSERT_EQ(probe.sends.size(), 1u);
    EXPECT_EQ(probe.sends[0], std::make_pair(50, 5));
    const Bytes frame = frameBytes(0xAB, 0x02, 0x00, 0x00);
    channel.deliver(Bytes(frame.begin(), frame.begin() + 2));
    EXPECT_TRUE(probe.receives.empty()) << "six-byte state: waits for the frame";
    channel.deliver(Bytes(frame.begin() + 2, frame.end()));
    ASSERT_EQ(probe.receives.size(), 1u);
    EXPECT_EQ(probe.receives[0], std::make_pair(50, 6));
    channel.deliver({0x00});
    EXPECT_EQ(probe.overlongs, (std::vector<int>{50}));

    engine.vars().state = 130;
    channel.deliver({'O'});
    channel.deliver({'K'});
    EXPECT_EQ(probe.receives.back(), std::make_pair(130, 9));
}

}  // namespace
}  // namespace vardeck::testing
