// The geofence unit's screen on the real serial channel against vardeck-sim over a
// pseudo-terminal, with the screen's own timers on an event loop. Every wait has a
// generous deadline; nothing sleeps.
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include "brand/Brand.h"
#include "devices/GeofenceCoordinates.h"
#include "devices/GeofenceScreen.h"
#include "devices/ModelTimerPump.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreMemory.h"
#include "sim/GeofenceModel.h"
#include "sim/SimProcess.h"
#include "tests/sim/TestFiles.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartDeadline = 10s;
constexpr auto kOperationDeadline = 180s;

std::size_t wordAddress(int row, int col) {
    return sim::GeofenceModel::kTableAddress + 8 * static_cast<std::size_t>(4 * (row - 1) + (col - 1));
}

int32_t valueIn(const sim::Bytes& memory, int row, int col) {
    return geofence::decodeWord(memory.data() + wordAddress(row, col));
}

// One run of the simulator on the memory file, and the screen on its terminal.
class UnitOnPty {
public:
    UnitOnPty(const std::string& memoryFile, const std::vector<std::string>& faults) {
        std::vector<std::string> args{"--device", "61", "--memory", memoryFile};
        args.insert(args.end(), faults.begin(), faults.end());
        std::string error;
        started_ = sim_.start(VARDECK_SIM_PATH, args, kStartDeadline, error);
        EXPECT_TRUE(started_) << error;
        settings_->write(brandInfo(1).brandKey, "comport", sim_.slavePath());
        pump_.add(screen.timers());
        screen.handOver();
    }
    ~UnitOnPty() { channel_.Close(); }

    bool waitReady() {
        return started_ && loop_.runUntil([this] { return screen.ready(); }, kOperationDeadline);
    }
    // Stops the simulator, which saves its memory.
    bool stop() {
        channel_.Close();
        return sim_.stop(SIGTERM, kStartDeadline).has_value();
    }

private:
    std::shared_ptr<MemorySettingsStore> settings_ = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped_{settings_};
    sim::SimProcess sim_;
    bool started_ = false;
    EventLoop loop_;
    TAsynComm32 channel_{loop_};
    ModelTimerPump pump_{loop_};

public:
    GeofenceScreen screen{channel_, DeviceScreenEnvironment{}};
};

// The unit's memory as the simulator starts it, with a phone number and a table in
// which every cell holds another value.
sim::Bytes preparedMemory() {
    sim::GeofenceModel fresh;
    sim::Bytes memory(fresh.memory().begin(), fresh.memory().end());
    const std::string phone = "+36201234567*";
    std::copy(phone.begin(), phone.end(), memory.begin() + 30);
    for (int row = 1; row <= 64; ++row) {
        for (int col = 1; col <= 4; ++col) {
            const auto word = geofence::encodeWord((col % 2 ? 460000 : 170000) + row * 100 + col * 7);
            std::copy(word.begin(), word.end(), memory.begin() + static_cast<std::ptrdiff_t>(wordAddress(row, col)));
        }
    }
    return memory;
}

// Reads the unit, checks what the window would show against the memory file it
// started from, writes a new phone number and one cell, and returns the memory the
// simulator saved.
sim::Bytes readEditWrite(const std::string& memoryFile, const std::vector<std::string>& faults,
                         const sim::Bytes& before) {
    UnitOnPty unit(memoryFile, faults);
    GeofenceScreen& screen = unit.screen;
    EXPECT_TRUE(unit.waitReady());
    screen.read();
    EXPECT_TRUE(unit.waitReady());
    EXPECT_EQ(screen.Edit1.text(), "+36201234567");
    for (int row = 1; row <= 64; ++row) {
        for (int col = 1; col <= 4; ++col) {
            EXPECT_EQ(screen.StringGrid1.cell(row, col), geofence::valueText(valueIn(before, row, col)))
                << row << "," << col;
        }
    }
    screen.Edit1.setText("0630765432");
    screen.StringGrid1.setCell(1, 1, "47.1234");
    EXPECT_TRUE(screen.write());
    EXPECT_TRUE(unit.waitReady());
    EXPECT_TRUE(unit.stop());
    return sim::testfiles::readFile(memoryFile);
}

void expectWritten(const sim::Bytes& before, const sim::Bytes& after) {
    ASSERT_EQ(after.size(), sim::GeofenceModel::kMemorySize);
    EXPECT_EQ(std::string(after.begin() + 30, after.begin() + 41), "0630765432*");
    EXPECT_EQ(valueIn(after, 1, 1), 471234);
    // Everything else is as it was: the rest of the table, and what lies around it.
    sim::Bytes expected = before;
    std::copy(after.begin() + 30, after.begin() + 41, expected.begin() + 30);
    const auto word = geofence::encodeWord(471234);
    std::copy(word.begin(), word.end(), expected.begin() + static_cast<std::ptrdiff_t>(wordAddress(1, 1)));
    EXPECT_TRUE(after == expected);
}

TEST(GeofenceOverPty, ReadEditWriteRoundTrip) {
    sim::testfiles::TempDir dir("vardeck-geofence-clean");
    const std::string memoryFile = dir.file("unit.bin");
    const sim::Bytes before = preparedMemory();
    sim::testfiles::writeFile(memoryFile, before);
    expectWritten(before, readEditWrite(memoryFile, {}, before));
}

// One reply in ten lost and one in ten with a flipped bit: nothing spoilt reaches the
// table or the unit.
TEST(GeofenceOverPty, ReadEditWriteRoundTripOnAFaultyLine) {
    sim::testfiles::TempDir dir("vardeck-geofence-faulty");
    const std::string memoryFile = dir.file("unit.bin");
    const sim::Bytes before = preparedMemory();
    sim::testfiles::writeFile(memoryFile, before);
    const sim::Bytes after =
        readEditWrite(memoryFile, {"--drop", "0.1", "--corrupt", "0.1", "--seed", "5"}, before);
    expectWritten(before, after);
}

}  // namespace
}  // namespace vardeck::devices
