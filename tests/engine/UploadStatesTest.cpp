// Sound and data-image uploads against a scripted module: the announcement, the
// blocks as they go out, the acknowledgement sequence and the end mark.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/engine/ScriptedLine.h"
#include "tests/sim/TestFiles.h"
#include "z4link/UploadStates.h"

namespace vardeck::testing {
namespace {

using Bytes = std::vector<uint8_t>;

class MemorySamples : public SampleSource {
public:
    explicit MemorySamples(Bytes bytes) : bytes_(std::move(bytes)) {}
    std::size_t read(uint8_t* out, std::size_t max) override {
        const std::size_t n = std::min(max, bytes_.size() - at_);
        std::memcpy(out, bytes_.data() + at_, n);
        at_ += n;
        return n;
    }

private:
    Bytes bytes_;
    std::size_t at_ = 0;
};

TEST(WavData, TheTagMustStandInTheFirst256Bytes) {
    Bytes head(300, 0);
    std::memcpy(head.data() + 36, "data", 4);
    EXPECT_EQ(wavDataStart(head), 44u);
    Bytes late(300, 0);
    std::memcpy(late.data() + 253, "data", 4);
    EXPECT_FALSE(wavDataStart(late));
    EXPECT_EQ(soundSlotPage(SoundSlot::Dtmf), 0x0FE0);
}

TEST(WavData, AFileThatEndsInsideTheDataHeaderHasNoSamples) {
    sim::testfiles::TempDir dir("vardeck-wav");
    sim::testfiles::writeFile(dir.file("cut.wav"), Bytes{'R', 'I', 'F', 'F', 'd', 'a', 't', 'a', 1, 0});
    const WavCheck check = checkWavFile(dir.file("cut.wav"));
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.sampleBytes(), 0u);  // not the file size minus a larger data start
}

class Uploads : public ::testing::Test, protected ScriptedLine {
protected:
    // Answers each block with the given acknowledgement until the upload is idle.
    void runAcknowledging(const std::function<uint8_t(int block)>& ack) {
        for (int i = 0; i < 5000 && engine.vars().state != z4state::kIdle; ++i) {
            if (answered < channel.writes.size()) {
                const Bytes& w = channel.writes[answered++];
                if (w.size() == 6) {
                    channel.deliver({0x00});  // the announcement's answer
                } else {
                    blocks.push_back(w);
                    channel.deliver({ack(static_cast<int>(blocks.size()) - 1)});
                }
            } else {
                engine.tick();
            }
        }
        ASSERT_EQ(engine.vars().state, z4state::kIdle);
        while (answered < channel.writes.size()) blocks.push_back(channel.writes[answered++]);
    }

    UploadStates uploads{engine};
    std::size_t answered = 0;
    std::vector<Bytes> blocks;
};

TEST_F(Uploads, SoundBlocksCarryNoEndMarkButTheLastAndFollowTheSequence) {
    Bytes samples(300, 0x80);
    samples[10] = 0xFF;
    samples[290] = 0xFF;
    uploads.startSound(0x0300, std::make_unique<MemorySamples>(samples), samples.size(), false);
    runAcknowledging([](int block) { return static_cast<uint8_t>(block); });  // page 0x0300: 0, 1, ...
    EXPECT_EQ(channel.writes.front(), frameBytes(0x00, 0xFA, 0x03, 0x00));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size(), 256u);
    EXPECT_EQ(blocks[0][10], 0xFE);
    EXPECT_EQ(blocks[1][34], 0xFE);  // a 0xFF sample in the last block is no end mark either
    EXPECT_EQ(blocks[1][43], 0x80);
    EXPECT_TRUE(std::all_of(blocks[1].begin() + 44, blocks[1].end(), [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(listener.messages.empty());
}

TEST_F(Uploads, ASoundEndingOnABlockBoundaryIsSentWholeWithAnEndBlockAndWrongAcksAreReportedOnce) {
    uploads.startSound(0x0FE0, std::make_unique<MemorySamples>(Bytes(512, 0x11)), 512, false);
    runAcknowledging([](int) { return uint8_t{0x42}; });
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[1], Bytes(256, 0x11));
    EXPECT_EQ(blocks[2], Bytes(256, 0xFF));
    EXPECT_EQ(listener.messages, (std::vector<std::string>{"Hibás átvitel"}));
}

TEST_F(Uploads, DataImageGoesInNineBlocksFromPageZero) {
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i);
    uploads.startDataImage();
    EXPECT_FALSE(listener.buttonsEnabled);
    runAcknowledging([](int block) { return static_cast<uint8_t>(block); });
    EXPECT_EQ(channel.writes.front(), frameBytes(0x00, 0xFA, 0x00, 0x00));
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0][253], 253);
    EXPECT_EQ(blocks[0][254], 0x1C);
    EXPECT_EQ(blocks[0][255], 0x47);
    EXPECT_EQ(blocks[8][255], static_cast<uint8_t>(2303));
    EXPECT_TRUE(listener.buttonsEnabled);
    EXPECT_FALSE(listener.gauge.visible);
}

}  // namespace
}  // namespace vardeck::testing
