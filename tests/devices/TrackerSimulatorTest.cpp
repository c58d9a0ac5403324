// The tracker screen on a real serial channel against vardeck-sim over a
// pseudo-terminal: read, edit and write in both formats, the result checked in
// the memory the simulator saves. Every wait has a deadline; nothing sleeps.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "brand/Brand.h"
#include "devices/ModelTimerPump.h"
#include "devices/TrackerScreen.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "settings/SettingsStoreMemory.h"
#include "sim/SimProcess.h"
#include "sim/TrackerModel.h"
#include "tests/sim/TestFiles.h"
#include "tests/sim/TestTerminal.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

speed_t lineSpeedOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return B0;
    termios tio{};
    const speed_t speed = tcgetattr(fd, &tio) == 0 ? cfgetospeed(&tio) : B0;
    ::close(fd);
    return speed;
}

std::string text(const Bytes& memory, std::size_t from, std::size_t count) {
    return std::string(memory.begin() + static_cast<std::ptrdiff_t>(from),
                       memory.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// The screen with its own channel, event loop and settings, and the simulator.
class TrackerOverPty {
public:
    // tickMs 0: the screen's own timer intervals; otherwise a faster send timer, so
    // that repeats after lost replies cost little.
    TrackerOverPty(const std::vector<std::string>& extraArgs, int tickMs) {
        std::vector<std::string> args{"--device", "60", "--memory", memoryFile_};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        sim::testfiles::startSimulator(sim_, args);
        store_->write(brandInfo(1).brandKey, "comport", sim_.slavePath());
        screen = std::make_unique<TrackerScreen>(channel_, DeviceScreenEnvironment{});
        if (tickMs == 0) {
            pump_.emplace(loop_);
            pump_->add(screen->timers());
        } else {
            loop_.startTimer(tickMs, [this] { screen->adas.fire(); });
        }
    }
    ~TrackerOverPty() { channel_.Close(); }

    // Each runs one operation to its end; false when it did not start or end in time.
    bool read() {
        screen->read();
        return finished();
    }
    bool write() { return screen->write() && finished(); }

    // Ends the simulator, which saves its memory; returns that memory.
    Bytes stop() {
        channel_.Close();
        EXPECT_TRUE(sim_.stop(SIGTERM, 10s).has_value());
        return sim::testfiles::readFile(memoryFile_);
    }
    const std::string& port() const { return sim_.slavePath(); }

private:
    bool finished() {
        return screen->busy() && loop_.runUntil([this] { return !screen->busy(); }, 120s);
    }

    sim::testfiles::TempDir dir_{"vardeck-tracker"};
    std::string memoryFile_ = dir_.file("tracker.bin");
    sim::SimProcess sim_;
    std::shared_ptr<MemorySettingsStore> store_ = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped_{store_};
    EventLoop loop_;
    TAsynComm32 channel_{loop_};

public:
    // After the channel it uses, before the timer pump that drives it.
    std::unique_ptr<TrackerScreen> screen;

private:
    std::optional<ModelTimerPump> pump_;
};

// Reads the factory settings, writes new ones in the new format, then reads and
// writes the old format's block; the simulator's memory holds both results.
void roundTripInBothFormats(TrackerOverPty& t) {
    TrackerScreen& s = *t.screen;
    ASSERT_TRUE(t.read());
    EXPECT_EQ(s.Edit1.text(), "192.000.002.001");
    EXPECT_EQ(s.Edit2.text(), "05000");
    EXPECT_EQ(s.Edit3.text(), "internet");
    EXPECT_FALSE(s.CheckBox1.checked());
    EXPECT_EQ(lineSpeedOf(t.port()), B4800);

    s.Edit1.setText("198.051.100.007");
    s.Edit2.setText("06001");
    s.Edit3.setText("apn.example");
    s.CheckBox1.setChecked(true);
    ASSERT_TRUE(t.write());
    EXPECT_EQ(s.sbar1.panel(4), "Irás OK.");

    s.click("wavecom1");
    ASSERT_TRUE(t.read());
    EXPECT_EQ(s.Edit1.text(), "192.000.002.001");
    s.Edit1.setText("192.000.002.099");
    ASSERT_TRUE(t.write());

    const Bytes memory = t.stop();
    ASSERT_EQ(memory.size(), sim::TrackerModel::kMemorySize);
    EXPECT_EQ(memory[15], 1);
    EXPECT_EQ(text(memory, 128, 12), "apn.example\xFF");
    EXPECT_EQ(text(memory, 160, 21), "198.051.100.007/06001");
    const std::size_t block = sim::TrackerModel::blockAddress(98, 0);
    std::string blockAddress;
    for (std::size_t i = 0; i < 15; ++i) blockAddress += static_cast<char>(memory[block + 18 + 2 * i]);
    EXPECT_EQ(blockAddress, "192.000.002.099");
    EXPECT_EQ(memory[block + 19], 0);  // the bytes between the characters are kept
}

TEST(TrackerWithSimulator, RoundTripInBothFormatsAtTheTrackersLineSpeed) {
    TrackerOverPty t({"--pace"}, 0);
    roundTripInBothFormats(t);
}

TEST(TrackerWithSimulator, RoundTripSurvivesLostAndCorruptedReplies) {
    TrackerOverPty t({"--drop", "0.1", "--corrupt", "0.1", "--seed", "7"}, 40);
    roundTripInBothFormats(t);
    // More frames than a clean run sends: the faults did happen.
    EXPECT_GT(t.screen->sentFrames(), 2 * 255 + 3);
}

}  // namespace
}  // namespace vardeck::devices
