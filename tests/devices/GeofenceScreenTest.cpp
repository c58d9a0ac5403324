// The geofence unit's screen on virtual time: against the project's simulated unit
// over the loopback channel, and against a scripted channel where the test plays
// the unit byte by byte.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "devices/GeofenceCoordinates.h"
#include "devices/GeofenceScreen.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreMemory.h"
#include "sim/FaultInjector.h"
#include "sim/GeofenceModel.h"
#include "sim/LoopbackChannel.h"
#include "sim/SimEndpoint.h"
#include "tests/shell/SearchTestSupport.h"
#include "tests/z4link/FakeChannel.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;
using geofence::cellValue;
using geofence::encodeWord;
using geofence::valueText;

class RecordingDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void beep() override { ++beeps; }
    std::vector<std::string> messages;
    int beeps = 0;
};

// Where the unit keeps the coordinate of a table row (1 to 64) and column (1 to 4).
std::size_t wordAddress(int row, int col) {
    return sim::GeofenceModel::kTableAddress + 8 * static_cast<std::size_t>(4 * (row - 1) + (col - 1));
}

std::vector<uint8_t> bytesAt(std::span<const uint8_t> memory, std::size_t address, std::size_t count) {
    return {memory.begin() + static_cast<std::ptrdiff_t>(address),
            memory.begin() + static_cast<std::ptrdiff_t>(address + count)};
}

std::vector<uint8_t> wordBytes(int32_t value) {
    const auto word = encodeWord(value);
    return {word.begin(), word.end()};
}

// The screen on a settings store and dialogs of the test's.
struct ScreenBase {
    DeviceScreenEnvironment environment() {
        DeviceScreenEnvironment env;
        env.dialogs = &dialogs;
        env.searchHoldsChannel = [this] { return searchHolds; };
        return env;
    }
    std::shared_ptr<MemorySettingsStore> settings = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped{settings};
    RecordingDialogs dialogs;
    bool searchHolds = false;
    testing::VirtualClock clock;
};

// The screen talking to the simulated unit at 9600 bit/s; faults can be forced on
// the unit's replies.
struct SimulatedUnit : ScreenBase {
    SimulatedUnit() {
        endpoint.setByteTime(sim::SimEndpoint::byteTimeAt(9600));
        clock.add(screen.timers());
    }
    void run(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.advance(1);
            line.advance(1ms);
        }
    }
    bool runUntil(const std::function<bool()>& done, int limitMs = 120000) {
        for (int t = 0; t < limitMs && !done(); t += 10) run(10);
        return done();
    }
    bool connect() {
        screen.handOver();
        return runUntil([this] { return screen.ready(); });
    }
    bool finish() {
        return runUntil([this] { return !screen.busy(); }) && screen.ready();
    }
    std::string cell(int row, int col) const { return screen.StringGrid1.cell(row, col); }

    sim::GeofenceModel unit;
    sim::FaultInjector faults;
    sim::SimEndpoint endpoint{unit, &faults};
    sim::LoopbackChannel line{endpoint};
    GeofenceScreen screen{line, environment()};
};

TEST(GeofenceCoordinates, CellTextsWordsAndShortForms) {
    EXPECT_EQ(wordBytes(471234), (std::vector<uint8_t>{0xC2, 0x0C, 0x30, 0x0C, 0x07, 0x0C, 0x00, 0x0C}));
    const uint8_t minusOne[] = {0xFF, 0x0C, 0xFF, 0x0C, 0xFF, 0x0C, 0xFF, 0x0C};
    EXPECT_EQ(geofence::decodeWord(minusOne), -1);

    EXPECT_EQ(cellValue("47.1234"), 471234);
    EXPECT_EQ(cellValue("-47.1234"), -471234);
    EXPECT_EQ(cellValue("0."), 0);
    EXPECT_EQ(cellValue(""), 0);
    for (const char* bad : {"47.12", "47.12345", "4a.1234", "47,1234", "+1.0000", "-", ".", "999999.9999"}) {
        EXPECT_EQ(cellValue(bad), std::nullopt) << bad;
    }
    // Small values show without a leading digit; what is shown is written back as it was.
    for (const auto& [value, text] : {std::pair{1234, ".1234"}, {0, ".0"}, {-1, ".-1"}, {-1234, "-.1234"},
                                     {471234, "47.1234"}, {-471234, "-47.1234"}}) {
        EXPECT_EQ(valueText(value), text);
        EXPECT_EQ(cellValue(text), value) << text;
    }
}

TEST(GeofenceScreen, WaitsForTheSearchThenAsksTheVersionOnTheStoredPort) {
    SimulatedUnit s;
    s.settings->write(brandInfo(1).brandKey, "comport", "/dev/ttyUSB3");
    s.searchHolds = true;
    s.screen.handOver();
    s.run(3000);
    EXPECT_TRUE(s.line.written().empty());

    s.searchHolds = false;
    ASSERT_TRUE(s.runUntil([&] { return s.screen.ready(); }));
    EXPECT_EQ(s.line.DeviceName(), "/dev/ttyUSB3");
    EXPECT_EQ(s.line.BaudRate(), cbr9600);
    EXPECT_EQ(bytesAt(s.line.written(), 0, 6), (std::vector<uint8_t>{0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD}));
    EXPECT_EQ(s.screen.Label6.caption(), "szoftver verzio> 1.4");
    // Idle again: the next tick lets go of the port.
    s.run(400);
    EXPECT_FALSE(s.line.IsOpen());
}

TEST(GeofenceScreen, ReadShowsUpTo17PhoneCharactersAndTheTable) {
    SimulatedUnit s;
    const std::string phone = "06301234567891234";  // 17 characters, the "*" after them
    std::memcpy(&s.unit.memory()[30], phone.data(), phone.size());
    s.unit.memory()[47] = '*';
    const auto put = [&](int row, int col, int32_t value) {
        const auto word = encodeWord(value);
        std::copy(word.begin(), word.end(), &s.unit.memory()[wordAddress(row, col)]);
    };
    put(2, 1, 1234);
    put(2, 2, -1);
    put(64, 4, -471234);
    ASSERT_TRUE(s.connect());

    s.screen.read();
    ASSERT_TRUE(s.finish());
    EXPECT_EQ(s.screen.Edit1.text(), phone);
    EXPECT_EQ(s.cell(1, 1), "47.4000");
    EXPECT_EQ(s.cell(2, 1), ".1234");
    EXPECT_EQ(s.cell(2, 2), ".-1");
    EXPECT_EQ(s.cell(2, 3), ".0");
    EXPECT_EQ(s.cell(64, 4), "-47.1234");
    EXPECT_EQ(s.dialogs.beeps, 32);
}

// A table just read holds the short forms (".0" for the empty windows); it is written
// back with the installer's edits, and nothing outside the phone number and the
// table pages is touched.
TEST(GeofenceScreen, WritesTheReadTableBackWithEdits) {
    SimulatedUnit s;
    ASSERT_TRUE(s.connect());
    s.screen.read();
    ASSERT_TRUE(s.finish());
    ASSERT_EQ(s.cell(3, 1), ".0");
    const uint8_t unitByte46 = s.unit.memory()[46];

    s.screen.Edit1.setText("0630123456789012");  // 16 characters: no room for the "*"
    s.screen.StringGrid1.setCell(1, 1, "47.1234");
    s.screen.StringGrid1.setCell(2, 2, "0.");
    s.screen.StringGrid1.setCell(64, 4, "-19.0001");
    ASSERT_TRUE(s.screen.write());
    ASSERT_TRUE(s.finish());

    const auto phone = bytesAt(s.unit.memory(), 30, 16);
    EXPECT_EQ(std::string(phone.begin(), phone.end()), "0630123456789012");
    EXPECT_FALSE(s.unit.wasWritten(46));
    EXPECT_EQ(s.unit.memory()[46], unitByte46);
    EXPECT_EQ(bytesAt(s.unit.memory(), wordAddress(1, 1), 8), wordBytes(471234));
    EXPECT_EQ(bytesAt(s.unit.memory(), wordAddress(2, 2), 8), wordBytes(0));
    EXPECT_EQ(bytesAt(s.unit.memory(), wordAddress(64, 4), 8), wordBytes(-190001));
    const auto written = s.unit.writtenAddresses();
    EXPECT_EQ(written.size(), 16u + 2048u);
    for (uint16_t a : written) {
        const bool phone = a >= 30 && a <= 45;
        const bool table = a >= 114 * 256 && a < 122 * 256;
        EXPECT_TRUE(phone || table) << a;
    }
}

TEST(GeofenceScreen, EmptyPhoneNumberWritesTheStarAt30) {
    SimulatedUnit s;
    ASSERT_TRUE(s.connect());
    s.screen.Edit1.setText("");
    ASSERT_TRUE(s.screen.write());
    ASSERT_TRUE(s.finish());
    EXPECT_EQ(s.unit.memory()[30], '*');
    // The other 15 bytes come from the screen's copy of the unit (nothing read: 0).
    EXPECT_EQ(bytesAt(s.unit.memory(), 31, 15), std::vector<uint8_t>(15, 0));
    EXPECT_FALSE(s.unit.wasWritten(46));
}

TEST(GeofenceScreen, WriteRefusesCellsThatAreNoCoordinatesAndSelectsThem) {
    SimulatedUnit s;
    ASSERT_TRUE(s.connect());
    const std::size_t sentBefore = s.line.written().size();
    struct Case {
        int row, col;
        const char* text;
    };
    for (const Case& c : {Case{5, 3, "4a.1234"}, Case{7, 2, "47.12345"}, Case{9, 1, "47.12"}}) {
        s.screen.StringGrid1.setCell(c.row, c.col, c.text);
        EXPECT_FALSE(s.screen.write()) << c.text;
        EXPECT_EQ(s.dialogs.messages.back(), "hiba GPS ertek");
        EXPECT_EQ(s.screen.StringGrid1.selectedRow(), c.row);
        EXPECT_EQ(s.screen.StringGrid1.selectedCol(), c.col);
        s.screen.StringGrid1.setCell(c.row, c.col, "");
    }
    EXPECT_TRUE(s.screen.ready());
    s.run(2000);
    EXPECT_EQ(s.line.written().size(), sentBefore);
}

// A spoilt block reply must not reach the table: a block is taken only when two
// replies agree, and a lost one is asked for again by the timer.
TEST(GeofenceScreen, CorruptedNoisyOrLostBlockRepliesAreReadAgain) {
    SimulatedUnit s;
    ASSERT_TRUE(s.connect());
    s.screen.read();
    ASSERT_TRUE(s.runUntil([&] { return s.screen.state() == GeofenceScreen::kReadingBlocks; }));
    for (int i = 0; i < 3; ++i) {
        s.faults.forceNext(sim::Fault::Corrupt);
        s.faults.forceNext(sim::Fault::Noise);
        s.faults.forceNext(sim::Fault::Drop);
    }
    ASSERT_TRUE(s.finish());
    EXPECT_EQ(s.faults.counters().corrupted, 3u);
    for (int row = 1; row <= 64; ++row) {
        for (int col = 1; col <= 4; ++col) {
            const auto word = bytesAt(s.unit.memory(), wordAddress(row, col), 8);
            EXPECT_EQ(s.cell(row, col), valueText(geofence::decodeWord(word.data()))) << row << "," << col;
        }
    }
}

// The test plays the unit itself: a reply left unfinished, and one with more bytes
// than a block reply, are asked for again by the timer and never shown.
TEST(GeofenceScreen, UnfinishedOrOverlongBlockRepliesAreAskedAgain) {
    ScreenBase base;
    testing::FakeChannel channel;
    GeofenceScreen screen(channel, base.environment());
    base.clock.add(screen.timers());
    const auto answer = [&](uint8_t data) {
        const auto& sent = channel.writes.back();
        const Frame reply = makeFrame(0xAB, sent[1], sent[2], data);
        channel.deliver({reply.begin(), reply.end()});
    };
    const auto request = [](uint8_t offset) {
        const Frame f = makeFrame(0x00, 0x40, 114, offset);
        return std::vector<uint8_t>(f.begin(), f.end());
    };
    screen.handOver();
    base.clock.advance(1000);
    answer(4);
    ASSERT_TRUE(screen.ready());
    screen.read();
    base.clock.advance(4 * 350);
    while (screen.state() == GeofenceScreen::kReadingBytes) answer(0);
    base.clock.advance(4 * 350);
    ASSERT_EQ(channel.writes.back(), request(0));

    std::vector<uint8_t> reply(65, 0);
    const auto word = encodeWord(471234);
    std::copy(word.begin(), word.end(), reply.begin());
    const auto tick = [&] {
        const std::size_t sent = channel.writes.size();
        base.clock.advance(350);
        EXPECT_EQ(channel.writes.size(), sent + 1);
    };
    channel.deliver({reply.begin(), reply.begin() + 40});
    tick();
    // Two whole replies, each followed by a junk byte: neither counts.
    for (int i = 0; i < 2; ++i) {
        channel.deliver(reply);
        channel.deliver({0x55});
        tick();
    }
    EXPECT_EQ(screen.StringGrid1.cell(1, 1), "");
    channel.deliver(reply);
    tick();
    EXPECT_EQ(channel.writes.back(), request(0));
    channel.deliver(reply);
    EXPECT_EQ(screen.StringGrid1.cell(1, 1), "47.1234");
    EXPECT_EQ(channel.writes.back(), request(0x40));
}

}  // namespace
}  // namespace vardeck::devices
