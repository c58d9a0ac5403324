// The simulated converter: its version answer and the three commands it takes
// without an answer.
#include "sim/ConverterModel.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;

namespace {

Bytes feed(DeviceModel& model, const Frame& frame) {
    model.receive(Bytes(frame.begin(), frame.end()), SimTime{0});
    Bytes out;
    for (const Emission& e : model.takeEmissions()) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

Bytes bytesOf(const Frame& f) { return Bytes(f.begin(), f.end()); }

}  // namespace

TEST(ConverterModel, AnswersItsVersionWhichNoWriteOrMemoryFileChanges) {
    ConverterModel model(12);
    EXPECT_EQ(feed(model, makeFrame(0x00, 0x00, 0xFE, 0x00)), bytesOf(makeFrame(0xAB, 0x00, 0xFE, 12)));
    feed(model, makeFrame(0x00, 0x01, 0xFE, 0x33));
    std::fill(model.memory().begin(), model.memory().end(), 0);  // a memory file of zeros
    model.memoryLoaded();
    EXPECT_EQ(model.memory()[0xFE], 12);
    EXPECT_EQ(model.memory()[0xFF], ConverterModel::kTypeCode);
}

TEST(ConverterModel, RestartAndModeFramesAreTakenWithoutAnAnswer) {
    ConverterModel model;
    EXPECT_TRUE(feed(model, makeFrame(0x00, 0xFE, 0xBB, 0x00)).empty());
    EXPECT_EQ(model.mode(), ConverterModel::Mode::Telnet);
    EXPECT_TRUE(feed(model, makeFrame(0x00, 0xFD, 0xBB, 0x00)).empty());
    EXPECT_EQ(model.mode(), ConverterModel::Mode::GsmRoute);
    EXPECT_TRUE(feed(model, makeFrame(0x00, 0xFF, 0xAA, 0x00)).empty());
    EXPECT_EQ(model.mode(), ConverterModel::Mode::Normal);
    EXPECT_EQ(model.restarts(), 1);
    ASSERT_EQ(model.frameLog().size(), 3u);
    for (const ReceivedFrame& f : model.frameLog()) EXPECT_TRUE(f.handled);
    // The converter goes on answering its memory frames.
    EXPECT_EQ(feed(model, makeFrame(0x00, 0x00, 0x80, 0x00)), bytesOf(makeFrame(0xAB, 0x00, 0x80, 'i')));
}
