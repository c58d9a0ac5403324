// The simulated tracker's 64-byte blocks: written only with the right data sum,
// read back with it.
#include "sim/TrackerModel.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;

namespace {

Bytes feed(DeviceModel& model, const Bytes& bytes) {
    model.receive(bytes, SimTime{0});
    Bytes out;
    for (const Emission& e : model.takeEmissions()) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

Bytes framed(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame f = makeFrame(p0, p1, p2, p3);
    return Bytes(f.begin(), f.end());
}

}  // namespace

TEST(TrackerModel, BlockWriteNeedsItsDataSumAndReadsBack) {
    TrackerModel model;
    const std::size_t at = TrackerModel::blockAddress(98, 0);
    const Bytes before(model.memory().begin() + at, model.memory().begin() + at + 64);

    Bytes data(64);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
    const uint8_t sum = dataSum(data.data(), data.size());
    Bytes write = framed(0x00, 0x80, 98, 0x00);
    write.insert(write.end(), data.begin(), data.end());

    Bytes spoiled = write;
    spoiled.push_back(static_cast<uint8_t>(sum + 1));
    EXPECT_TRUE(feed(model, spoiled).empty());
    EXPECT_EQ(Bytes(model.memory().begin() + at, model.memory().begin() + at + 64), before);

    write.push_back(sum);
    EXPECT_EQ(feed(model, write), framed(0xAB, 0x80, 98, 0x00));
    Bytes expected = data;
    expected.push_back(sum);
    EXPECT_EQ(feed(model, framed(0x00, 0x40, 98, 0x00)), expected);
    EXPECT_EQ(model.blocksStored(), 1u);
    // A block beyond the memory gets no answer.
    EXPECT_TRUE(feed(model, framed(0x00, 0x40, 0xFF, 0xD0)).empty());
}
