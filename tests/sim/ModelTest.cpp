// The device models in-process: identification, framing, memory, payloads.
#include "sim/DeviceCatalog.h"
#include "sim/Z4FamilyModel.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace std::chrono_literals;

namespace {

const Frame kIdentify{0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE};
const Frame kSecondProbe{0xA0, 0xFE, 0x00, 0x00, 0x62, 0x9D};

Bytes feed(DeviceModel& model, const Bytes& bytes, SimTime at = SimTime{0}) {
    model.receive(bytes, at);
    Bytes out;
    for (const Emission& e : model.takeEmissions()) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

Bytes bytesOf(const Frame& f) { return Bytes(f.begin(), f.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

TEST(SimFrame, ChecksumRuleMatchesKnownFrames) {
    EXPECT_EQ(makeFrame(0x00, 0x00, 0xFE, 0x00), (Frame{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));
    EXPECT_EQ(makeFrame(0x00, 0xFF, 0xAA, 0x00), (Frame{0x00, 0xFF, 0xAA, 0x00, 0x57, 0xA8}));
    EXPECT_EQ(makeFrame(0xAB, 0x00, 0xFE, 0x26), (Frame{0xAB, 0x00, 0xFE, 0x26, 0x31, 0xCE}));
    // A zero payload wraps to a sum of 0xFF.
    EXPECT_EQ(makeFrame(0, 0, 0, 0), (Frame{0, 0, 0, 0, 0x00, 0xFF}));
    EXPECT_TRUE(frameIsValid(kIdentify.data()));
    EXPECT_TRUE(frameIsValid(kSecondProbe.data()));
    Frame wrongComplement = kIdentify;
    wrongComplement[4] ^= 0x01;
    EXPECT_FALSE(frameIsValid(wrongComplement.data()));
}

TEST(DeviceModels, EveryCodeAnswersIdentificationWithItsCode) {
    for (int code : knownDeviceCodes()) {
        SCOPED_TRACE(code);
        auto model = makeDeviceModel(code);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->typeCode(), code);
        const Frame expected = makeFrame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code));
        EXPECT_EQ(feed(*model, bytesOf(kIdentify)), bytesOf(expected));
        // The second probe identifies nothing and gets no answer.
        EXPECT_TRUE(feed(*model, bytesOf(kSecondProbe)).empty());
    }
    EXPECT_EQ(makeDeviceModel(12), nullptr);
    EXPECT_FALSE(isKnownDeviceCode(0));
}

TEST(DeviceModels, BadChecksumIsIgnoredAndNotLogged) {
    auto model = makeDeviceModel(71);
    Bytes bad = bytesOf(kIdentify);
    bad[5] ^= 0x40;
    EXPECT_TRUE(feed(*model, bad).empty());
    EXPECT_TRUE(model->frameLog().empty());
    // The broken frame's bytes do not swallow the good frame after it.
    EXPECT_EQ(feed(*model, bytesOf(kIdentify)), bytesOf(makeFrame(0xAB, 0, 0xFF, 71)));
}

TEST(DeviceModels, ResynchronisesAfterNoiseAndSplitFrames) {
    auto model = makeDeviceModel(90);
    const Bytes reply = bytesOf(makeFrame(0xAB, 0, 0xFF, 90));
    // Junk before a frame, and the frame itself cut in three pieces.
    EXPECT_TRUE(feed(*model, Bytes{0x13, 0xFE, 0x00, 0x00}).empty());
    EXPECT_TRUE(feed(*model, Bytes{0x00, 0x00}).empty());
    EXPECT_EQ(feed(*model, Bytes{0xFF, 0x00, 0x01, 0xFE}), reply);
    // Two frames and junk in one chunk give two replies.
    EXPECT_EQ(feed(*model, concat({bytesOf(kIdentify), Bytes{0x55}, bytesOf(kIdentify)})), concat({reply, reply}));
    EXPECT_EQ(model->frameLog().size(), 3u);
    EXPECT_GE(model->discardedBytes(), 5u);
}

TEST(DeviceModels, FrameLogRecordsTimeAndWhetherHandled) {
    auto model = makeDeviceModel(50);
    feed(*model, bytesOf(kIdentify), 150ms);
    feed(*model, bytesOf(kSecondProbe), 300ms);
    const auto& log = model->frameLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].at, 150ms);
    EXPECT_EQ(log[0].bytes, kIdentify);
    EXPECT_TRUE(log[0].handled);
    EXPECT_EQ(log[1].bytes, kSecondProbe);
    EXPECT_FALSE(log[1].handled);
    model->clearFrameLog();
    EXPECT_TRUE(model->frameLog().empty());
}

TEST(DeviceModels, ByteReadAndWriteWithinMemoryOnly) {
    Z4FamilyModel model(70, 38);
    ASSERT_EQ(model.memory().size(), 8192u);
    // Write 3 to address 0x50, read it back.
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x00, 0x01, 0x50, 0x03))), bytesOf(makeFrame(0xAB, 0x01, 0x50, 0x03)));
    EXPECT_EQ(model.memory()[0x50], 3);
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x00, 0x00, 0x50, 0x00))), bytesOf(makeFrame(0xAB, 0x00, 0x50, 0x03)));
    // High address byte: 0x1FFF is the last byte, 0x2000 is beyond the memory.
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x1F, 0x01, 0xFF, 0x77))), bytesOf(makeFrame(0xAB, 0x01, 0xFF, 0x77)));
    EXPECT_EQ(model.memory()[0x1FFF], 0x77);
    EXPECT_TRUE(feed(model, bytesOf(makeFrame(0x20, 0x00, 0x00, 0x00))).empty());
    EXPECT_TRUE(feed(model, bytesOf(makeFrame(0xFF, 0x01, 0xFF, 0x00))).empty());
    EXPECT_FALSE(model.frameLog().back().handled);
}

TEST(DeviceModels, Z4KeepsFirmwareAndCodeForItself) {
    Z4FamilyModel model(80, 50);
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x00, 0x00, 0xFE, 0x00))), bytesOf(makeFrame(0xAB, 0x00, 0xFE, 50)));
    // A write to an owned byte is answered with the byte the module kept.
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x00, 0x01, 0xFE, 0x10))), bytesOf(makeFrame(0xAB, 0x01, 0xFE, 50)));
    EXPECT_EQ(feed(model, bytesOf(makeFrame(0x00, 0x01, 0xFF, 0x10))), bytesOf(makeFrame(0xAB, 0x01, 0xFF, 80)));
    // Replacing the whole memory (a memory file) keeps the module's identity.
    std::fill(model.memory().begin(), model.memory().end(), 0x00);
    model.memoryLoaded();
    EXPECT_EQ(model.memory()[0xFE], 50);
    EXPECT_EQ(model.memory()[0xFF], 80);
    EXPECT_EQ(model.memory()[0xFD], 0x00);
}

namespace {

// A model that takes a four-byte payload after the frame 00 F6 00 00, as a
// block write does, and acknowledges it with one byte: the payload's sum.
class PayloadModel : public DeviceModel {
public:
    PayloadModel() : DeviceModel(1, 16) {}
    std::string description() const override { return "payload test model"; }
    std::vector<Bytes> payloads;

protected:
    bool onFrame(const Frame& frame) override {
        if (frame[1] != 0xF6) return false;
        expectRaw(4, 100ms, [this](const Bytes& payload) {
            payloads.push_back(payload);
            uint8_t sum = 0;
            for (uint8_t b : payload) sum = static_cast<uint8_t>(sum + b);
            send(Bytes{sum}, 5ms);
        });
        return true;
    }
};

}  // namespace

TEST(DeviceModelBase, PayloadAfterFrameIsNotFramed) {
    PayloadModel model;
    const Bytes header = bytesOf(makeFrame(0x00, 0xF6, 0x00, 0x00));
    model.receive(concat({header, Bytes{1, 2}}), 10ms);
    EXPECT_EQ(model.nextWakeup(), SimTime{110ms});
    model.receive(Bytes{3, 4}, 20ms);
    ASSERT_EQ(model.payloads.size(), 1u);
    EXPECT_EQ(model.payloads[0], (Bytes{1, 2, 3, 4}));
    const auto emissions = model.takeEmissions();
    ASSERT_EQ(emissions.size(), 1u);
    EXPECT_EQ(emissions[0].due, SimTime{25ms});
    EXPECT_EQ(emissions[0].bytes, Bytes{10});
    EXPECT_FALSE(model.nextWakeup().has_value());
}

TEST(DeviceModelBase, IncompletePayloadExpiresAndFramingResumes) {
    PayloadModel model;
    model.receive(concat({bytesOf(makeFrame(0x00, 0xF6, 0x00, 0x00)), Bytes{9, 9}}), 0ms);
    model.advanceTo(100ms);
    EXPECT_FALSE(model.nextWakeup().has_value());
    EXPECT_EQ(model.discardedBytes(), 2u);
    // After the time-out a frame is a frame again, not the payload's rest.
    model.receive(bytesOf(makeFrame(0x00, 0xF6, 0x00, 0x00)), 120ms);
    EXPECT_EQ(model.frameLog().size(), 2u);
    EXPECT_TRUE(model.payloads.empty());
}
