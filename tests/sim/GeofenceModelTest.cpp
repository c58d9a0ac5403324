// The simulated geofence unit in-process: its version, block reads and block writes.
#include "sim/GeofenceModel.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;

namespace {

Bytes feed(DeviceModel& model, const Bytes& bytes) {
    model.receive(bytes, SimTime{0});
    Bytes out;
    for (const Emission& e : model.takeEmissions()) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

Bytes frame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame f = makeFrame(p0, p1, p2, p3);
    return {f.begin(), f.end()};
}

}  // namespace

TEST(GeofenceModel, AnswersVersionBlockReadsAndBlockWrites) {
    GeofenceModel unit;
    EXPECT_EQ(feed(unit, frame(0x00, 0x00, 0xFE, 0x00)), frame(0xAB, 0x00, 0xFE, GeofenceModel::kVersion));

    // Row 1 of the table: four coordinate words, the first 47.4000 (474000 = 0x073B90).
    const Bytes block = feed(unit, frame(0x00, 0x40, 114, 0x00));
    ASSERT_EQ(block.size(), 65u);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 8), (Bytes{0x90, 0x0C, 0x3B, 0x0C, 0x07, 0x0C, 0x00, 0x0C}));

    // A block write: the frame, 64 bytes and a 0 in one go, answered once all are in.
    Bytes data(64);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 3);
    Bytes write = frame(0x00, 0x80, 121, 0xC0);
    EXPECT_TRUE(feed(unit, write).empty());
    write = data;
    write.push_back(0x00);
    EXPECT_EQ(feed(unit, write), frame(0xAB, 0x80, 121, 0xC0));
    const std::size_t address = 121 * 256 + 0xC0;
    EXPECT_EQ(Bytes(unit.memory().begin() + address, unit.memory().begin() + address + 64), data);
    EXPECT_TRUE(unit.wasWritten(address + 63));
    EXPECT_FALSE(unit.wasWritten(address + 64));

    // Beyond the memory: no answer, and the payload (holding a valid read frame) is
    // taken as payload, not as a frame.
    Bytes outside = frame(0x00, 0x80, 0x80, 0x00);
    Bytes payload = frame(0x00, 0x00, 0xFE, 0x00);
    payload.resize(65, 0x00);
    outside.insert(outside.end(), payload.begin(), payload.end());
    EXPECT_TRUE(feed(unit, outside).empty());
    EXPECT_TRUE(feed(unit, frame(0x00, 0x40, 0x80, 0x00)).empty());
}
