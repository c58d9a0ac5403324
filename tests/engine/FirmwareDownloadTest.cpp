// Firmware download against a scripted module: identification, the two block
// methods with their acknowledgements and failures, the FPGA start.
#include <gtest/gtest.h>

#include "tests/engine/ScriptedLine.h"
#include "z4link/FirmwareDownloadStates.h"

namespace vardeck::testing {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(FirmwareImage, UnpacksTheCarriedTextAndRefusesAShortOne) {
    std::string reason;
    const CarriedFirmware carried = carriedFirmware();
    EXPECT_EQ(carried.version, 43);
    auto buffer = unpackFirmwareText(carried.hexText, reason);
    ASSERT_TRUE(buffer) << reason;
    EXPECT_EQ(std::string(buffer->begin(), buffer->begin() + 7), "VARDECK");

    std::string text = "0a\r\n F-f";  // line breaks skipped, other characters examined and passed over
    text += std::string(2 * 65536, '1');
    buffer = unpackFirmwareText(text, reason);
    ASSERT_TRUE(buffer);
    EXPECT_EQ((*buffer)[0], 0x0A);
    EXPECT_EQ((*buffer)[1], 0xFF);
    EXPECT_EQ((*buffer)[65535], 0x11);
    EXPECT_FALSE(unpackFirmwareText("0102zz", reason));
    EXPECT_NE(reason.find("holds 2 bytes"), std::string::npos) << reason;
}

class Firmware : public ::testing::Test, protected ScriptedLine {
protected:
    void start(int moduleVersion, int processor, int sw) {
        engine.setFirmwareVersion(moduleVersion);
        download.onDownloadAllowed = [this](bool on) { allowed = on; };
        download.onPhase = [this](const std::string& t) { phase = t; };
        download.open();
        for (int i = 0; i < 10 && channel.writes.empty(); ++i) engine.tick();
        ASSERT_EQ(channel.writes.back(), frameBytes(0x00, 0xF8, 0x00, 0x00));
        channel.deliver(frameBytes(static_cast<uint8_t>(processor), 2, static_cast<uint8_t>(sw), 1));
    }
    // Acknowledges blocks with `ack(block number, block bytes)`; nothing when it returns nothing.
    void runBlocks(const std::function<std::optional<uint8_t>(int, const Bytes&)>& ack, int maxSteps = 20000) {
        for (int i = 0; i < maxSteps; ++i) {
            const int s = engine.vars().state;
            if (s == z4state::kIdle || s == z4state::kVersionQuery) break;
            if (answered < channel.writes.size()) {
                const Bytes& w = channel.writes[answered++];
                if (w.size() == 6 && w[1] == 0xFA) {
                    channel.deliver({0x00});
                } else if (w.size() >= 256) {
                    blocks.push_back(w);
                    if (auto a = ack(static_cast<int>(blocks.size()) - 1, w)) channel.deliver({*a});
                }
            } else {
                engine.tick();
            }
        }
        for (; answered < channel.writes.size(); ++answered)
            if (channel.writes[answered].size() >= 256) blocks.push_back(channel.writes[answered]);
    }

    FirmwareDownloadStates download{engine, carriedFirmware()};
    std::optional<bool> allowed;
    std::string phase;
    std::size_t answered = 1;  // the identification frame
    std::vector<Bytes> blocks;
};

TEST_F(Firmware, ANewerModuleFirmwareKeepsTheDownloadClosedAndJ11IsRefused) {
    start(43, 10, 44);
    EXPECT_EQ(allowed, false);
    EXPECT_EQ(download.identity().sw, 44);
    EXPECT_EQ(engine.vars().state, z4state::kIdle);

    FakeChannel other;
    RecordingListener otherListener;
    TransferEngine otherEngine{other, image, otherListener};
    FirmwareDownloadStates j11{otherEngine, carriedFirmware()};
    otherEngine.setFirmwareVersion(43);
    j11.open();
    for (int i = 0; i < 10 && other.writes.empty(); ++i) otherEngine.tick();
    other.deliver(frameBytes(11, 2, 40, 1));
    EXPECT_EQ(otherListener.messages.back(), "FAULT FIRMWARE");
}

TEST_F(Firmware, BlockFramesGoToTheFirmwarePagesAndEndWithTheFpgaStart) {
    start(43, 10, 40);
    ASSERT_EQ(allowed, true);
    download.startDownload();
    runBlocks([](int, const Bytes& w) { return std::optional<uint8_t>(w[0]); });  // the data sum is P0
    ASSERT_EQ(blocks.size(), 256u);
    EXPECT_EQ(blocks[0][1], 0xF6);
    EXPECT_EQ(blocks[0][2], 0x3E);
    EXPECT_EQ(blocks[255][3], 0xFF);
    EXPECT_EQ(Bytes(blocks[0].begin() + 6, blocks[0].begin() + 13), Bytes({'V', 'A', 'R', 'D', 'E', 'C', 'K'}));
    for (int i = 0; i < 20 && engine.vars().state != z4state::kVersionQuery; ++i) engine.tick();
    EXPECT_EQ(channel.writes.back(), frameBytes(0x00, 0xF9, 0xBB, 0x00));
    EXPECT_EQ(engine.vars().versionPopup, 3);
    EXPECT_EQ(phase, "FPGA Download please wait...");
}

TEST_F(Firmware, ThirtyMissingAcknowledgementsEndTheBlockFrames) {
    start(43, 10, 40);
    download.startDownload();
    runBlocks([](int, const Bytes&) { return std::nullopt; });
    EXPECT_EQ(listener.messages.back(), "ERROR communication!");
    EXPECT_EQ(blocks.size(), 30u);
}

TEST_F(Firmware, RawBlocksAreNumberedAndAWrongNumberStopsTheDownload) {
    start(37, 10, 30);
    download.startDownload();
    runBlocks([](int n, const Bytes&) { return std::optional<uint8_t>(static_cast<uint8_t>(n)); });
    EXPECT_EQ(blocks.size(), 255u);
    EXPECT_EQ(channel.writes[1], frameBytes(0x00, 0xFA, 0x3E, 0x00));
    for (int i = 0; i < 60 && engine.vars().state != z4state::kVersionQuery; ++i) engine.tick();
    EXPECT_EQ(engine.vars().state, z4state::kVersionQuery);

    blocks.clear();
    download.startDownload();
    runBlocks([](int n, const Bytes&) { return std::optional<uint8_t>(n == 3 ? 99 : static_cast<uint8_t>(n)); });
    EXPECT_EQ(phase, "ERROR please check communication");
    EXPECT_EQ(blocks.size(), 5u);  // the block of the failing step still goes out
}

}  // namespace
}  // namespace vardeck::testing
