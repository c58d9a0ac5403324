// The converter screen on the real serial channel against vardeck-sim over a
// pseudo-terminal: read, edit, write, and what the simulator's memory file holds
// afterwards, also with replies lost and spoiled on the way.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "devices/ConverterScreen.h"
#include "devices/ModelTimerPump.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "settings/SettingsStoreMemory.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "brand/Brand.h"
#include "sim/SimProcess.h"
#include "tests/shell/TempFolder.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;

struct LineCase {
    const char* name;
    std::vector<std::string> faults;
    // 0: the screen's own timer cadence; otherwise the send timer ticks this often,
    // so that the frames lost to the faults are repeated sooner.
    int tickMs;
};

class ConverterOverPty : public ::testing::TestWithParam<LineCase> {};

std::string initialMemory() {
    std::string m(256, '\0');
    for (int a = 0; a < 256; ++a) m[static_cast<std::size_t>(a)] = static_cast<char>(a);
    m.replace(0, 44, 44, '\x58');
    m[0] = '\x85';  // code 5, switched off
    m.replace(106, 9, std::string{1, 2, 3, 4, 1, 0, 1, 0x10, 0});
    m.replace(128, 4, "net\r");
    return m;
}

TEST_P(ConverterOverPty, ReadEditWriteRoundTrip) {
    const LineCase& line = GetParam();
    testing::TempFolder folder;
    const std::string memoryFile = folder.file("converter.bin");
    testing::writeWholeFile(memoryFile, initialMemory());

    std::vector<std::string> args{"--device", "50", "--memory", memoryFile, "--seed", "7"};
    args.insert(args.end(), line.faults.begin(), line.faults.end());
    sim::SimProcess simulator;
    std::string error;
    ASSERT_TRUE(simulator.start(VARDECK_SIM_PATH, args, 10s, error)) << error;

    ScopedSettingsStore settings(std::make_shared<MemorySettingsStore>());
    WriteSetting(brandInfo(1).brandKey, "comport", simulator.slavePath());
    EventLoop loop;
    TAsynComm32 channel(loop);
    DeviceScreenEnvironment env;
    env.searchHoldsChannel = [] { return false; };
    ConverterScreen screen(channel, env);
    ModelTimerPump pump(loop);
    int ticker = 0;
    if (line.tickMs == 0) pump.add(screen.timers());
    else ticker = loop.startTimer(line.tickMs, [&] { screen.adas.fire(); });

    screen.handOver();
    ASSERT_TRUE(loop.runUntil([&] { return screen.ready(); }, 30s));
    EXPECT_EQ(screen.Label6.caption(), "szoftver verzio> 1.7");
    screen.read();
    ASSERT_TRUE(loop.runUntil([&] { return screen.ready(); }, 120s));
    EXPECT_EQ(screen.Edit1.text(), "5");
    EXPECT_FALSE(screen.CheckBox1.checked());
    EXPECT_EQ(screen.Edit10.text(), "1234");
    EXPECT_EQ(screen.ComboBox2.itemIndex(), 1);
    EXPECT_EQ(screen.ComboBox3.itemIndex(), 1);
    EXPECT_EQ(screen.SpinEdit1.value(), 16);
    EXPECT_EQ(screen.Edit3.text(), "net");

    screen.CheckBox1.setChecked(true);
    screen.controlChanged("CheckBox1");
    screen.Edit1.setText("70");
    screen.controlChanged("Edit1");
    screen.Edit10.setText("4321");
    screen.controlChanged("Edit10");
    screen.Edit3.setText("apn.example.hu");
    screen.click("Button1");
    ASSERT_TRUE(screen.write());
    ASSERT_TRUE(loop.runUntil([&] { return screen.state() == ConverterScreen::kWritten && screen.ready(); }, 120s));

    if (ticker) loop.stopTimer(ticker);
    channel.Close();
    ASSERT_TRUE(simulator.stop(SIGTERM, 10s).has_value());
    const std::string saved = testing::readWholeFile(memoryFile);
    ASSERT_EQ(saved.size(), 256u);
    std::string expected = initialMemory();
    expected.replace(0, 11, std::string{7, 10} + std::string(9, '\x58'));
    expected.replace(106, 4, std::string{4, 3, 2, 1});
    expected.replace(113, 2, "\xFE\x01");
    expected.replace(128, 15, "apn.example.hu\r");
    expected[254] = 7;   // the converter's own version
    expected[255] = 50;  // and type code
    for (std::size_t a = 0; a < saved.size(); ++a) {
        EXPECT_EQ(static_cast<uint8_t>(saved[a]), static_cast<uint8_t>(expected[a])) << "address " << a;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ConverterOverPty,
                         ::testing::Values(LineCase{"Clean", {}, 0},
                                           LineCase{"DropsAndCorruption", {"--drop", "0.1", "--corrupt", "0.1"}, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vardeck::devices
