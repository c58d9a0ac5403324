// Low-latency mode of USB serial adapters: which devices are asked, and that the
// mode the channel switched on is switched off again.
#include "serial/LowLatency.h"
#include "serial/LowLatencyRestorer.h"

#include <gtest/gtest.h>

#include <linux/serial.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace vardeck;

namespace {

// A driver's serial flags, with switches for a driver that refuses or forgets.
class FakeDriver : public SerialFlags {
public:
    bool read(int& out) override {
        out = flags;
        return readable;
    }
    bool write(int in) override {
        if (!writable) return false;
        flags = keepsLowLatency ? in : in & ~ASYNC_LOW_LATENCY;
        return true;
    }
    int flags = ASYNC_SKIP_TEST;
    bool readable = true;
    bool writable = true;
    bool keepsLowLatency = true;
};

}  // namespace

TEST(LowLatency, SwitchedOnAtOpenAndOffAgainOnlyWhenTheChannelSwitchedItOn) {
    FakeDriver driver;
    const LowLatencyState on = enableLowLatency(driver);
    EXPECT_EQ(on, LowLatencyState::On);
    EXPECT_EQ(driver.flags, ASYNC_SKIP_TEST | ASYNC_LOW_LATENCY);
    driver.flags |= ASYNC_SPD_HI;  // changed by someone else meanwhile: kept
    restoreLowLatency(driver, on);
    EXPECT_EQ(driver.flags, ASYNC_SKIP_TEST | ASYNC_SPD_HI);

    // Set before the program came: it stays set.
    driver.flags = ASYNC_LOW_LATENCY;
    const LowLatencyState already = enableLowLatency(driver);
    EXPECT_EQ(already, LowLatencyState::AlreadyOn);
    restoreLowLatency(driver, already);
    EXPECT_EQ(driver.flags, ASYNC_LOW_LATENCY);
}

TEST(LowLatency, ADriverThatRefusesOrForgetsIsLeftAsItWas) {
    FakeDriver none;
    none.readable = false;  // a pseudo-terminal, a driver without serial flags
    EXPECT_EQ(enableLowLatency(none), LowLatencyState::Refused);

    FakeDriver denied;
    denied.writable = false;  // refused to an ordinary user
    EXPECT_EQ(enableLowLatency(denied), LowLatencyState::Refused);
    EXPECT_EQ(denied.flags, ASYNC_SKIP_TEST);

    FakeDriver forgets;
    forgets.keepsLowLatency = false;
    EXPECT_EQ(enableLowLatency(forgets), LowLatencyState::Refused);
    restoreLowLatency(forgets, LowLatencyState::Refused);
    EXPECT_EQ(forgets.flags, ASYNC_SKIP_TEST);
}

TEST(LowLatency, OnlyDevicesOnTheUsbSerialBusAreAdapters) {
    const fs::path root = fs::temp_directory_path() / ("vardeck-lowlat-" + std::to_string(::getpid()));
    fs::remove_all(root);
    auto device = [&](const std::string& name, const std::string& bus) {
        fs::create_directories(root / "sys/bus" / bus);
        fs::create_directories(root / "sys/class/tty" / name / "device");
        fs::create_symlink(root / "sys/bus" / bus, root / "sys/class/tty" / name / "device/subsystem");
        fs::create_directories(root / "dev");
        std::ofstream(root / "dev" / name).put('\n');
    };
    device("ttyUSB0", "usb-serial");
    device("ttyACM0", "usb");
    device("ttyS0", "serial-base");
    fs::create_directories(root / "dev/serial/by-id");
    fs::create_symlink("../../ttyUSB0", root / "dev/serial/by-id/usb-FTDI_FT232R-if00-port0");

    EXPECT_TRUE(isUsbSerialAdapter("/dev/ttyUSB0", root.string()));
    EXPECT_TRUE(isUsbSerialAdapter("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", root.string()));
    EXPECT_FALSE(isUsbSerialAdapter("/dev/ttyACM0", root.string()));
    EXPECT_FALSE(isUsbSerialAdapter("/dev/ttyS0", root.string()));
    EXPECT_FALSE(isUsbSerialAdapter("/dev/ttyUSB9", root.string()));
    EXPECT_FALSE(isUsbSerialAdapter("", root.string()));
    fs::remove_all(root);
}

namespace {
int resetPipe = -1;
// Writes the port's number where the test can read it after the program ended.
void reportReset(int fd) {
    const unsigned char number = static_cast<unsigned char>(fd);
    (void)!::write(resetPipe, &number, 1);
}
}  // namespace

// A program ended by a signal never closes its channel: the ports still in
// low-latency mode are switched back by the signal, then the signal ends it as before.
TEST(LowLatencyDeathTest, ASignalThatEndsTheProgramGivesTheSettingBack) {
    GTEST_FLAG_SET(death_test_style, "fast");
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    resetPipe = ends[1];
    EXPECT_EXIT(
        {
            setLowLatencyPortResetForTests(reportReset);
            rememberLowLatencyPort(41);
            rememberLowLatencyPort(42);
            forgetLowLatencyPort(41);  // closed by the channel: already given back
            ::raise(SIGTERM);
        },
        testing::KilledBySignal(SIGTERM), "");
    ::close(ends[1]);
    unsigned char reset[4] = {};
    EXPECT_EQ(::read(ends[0], reset, sizeof reset), 1);
    EXPECT_EQ(reset[0], 42);
    ::close(ends[0]);
}
