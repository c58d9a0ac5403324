// The GPRS module's screen on a real serial channel against vardeck-sim over a
// pseudo-terminal: read, edit and write, the result checked in the memory the
// simulator saves. Every wait has a deadline; nothing sleeps.
#include <gtest/gtest.h>

#include <csignal>
#include <optional>

#include "brand/Brand.h"
#include "controls/Controls.h"
#include "devices/DeviceScreen.h"
#include "devices/ModelTimerPump.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "settings/SettingsStoreMemory.h"
#include "sim/GprsModuleModel.h"
#include "sim/SimProcess.h"
#include "tests/sim/TestFiles.h"
#include "tests/sim/TestTerminal.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

class GprsModuleOverPty {
public:
    // tickMs 0: the screen's own send timer; otherwise a faster one, so that the
    // repeats after lost replies cost little.
    GprsModuleOverPty(const std::vector<std::string>& extraArgs, int tickMs) {
        // The memory file fills the module from address 0: a period of 3000 s, the
        // 2300 Hz line simulator and a typed client code; the rest is as shipped.
        sim::testfiles::writeFile(memoryFile_, {0x0B, 0xB8, 3, 0});
        std::vector<std::string> args{"--device", "30", "--memory", memoryFile_};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        sim::testfiles::startSimulator(sim_, args);
        store_->write(brandInfo(1).brandKey, "comport", sim_.slavePath());
        screen = makeGprsModuleScreen(channel_, {});
        screen->handOver();
        if (tickMs == 0) {
            pump_.emplace(loop_);
            pump_->add(screen->timers());
        } else {
            controls::ModelTimer* adas = screen->timers().find("adas");
            loop_.startTimer(tickMs, [adas] { adas->fire(); });
        }
    }
    ~GprsModuleOverPty() { channel_.Close(); }

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
    template <class T>
    T& control(const std::string& name) {
        return screen->controls().get<T>(name);
    }
    void set(const std::string& edit, const std::string& text) {
        control<controls::Edit>(edit).setText(text);
        screen->controlChanged(edit);
    }

private:
    bool finished() { return screen->busy() && loop_.runUntil([this] { return !screen->busy(); }, 120s); }

    sim::testfiles::TempDir dir_{"vardeck-gprs"};
    std::string memoryFile_ = dir_.file("gprs.bin");
    sim::SimProcess sim_;
    std::shared_ptr<MemorySettingsStore> store_ = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped_{store_};
    EventLoop loop_;
    TAsynComm32 channel_{loop_};

public:
    // After the channel it uses, before the timer pump that drives it.
    std::unique_ptr<DeviceScreen> screen;

private:
    std::optional<ModelTimerPump> pump_;
};

void readEditWrite(GprsModuleOverPty& m) {
    ASSERT_TRUE(m.read());
    EXPECT_EQ(m.control<controls::ComboBox>("ComboBox1").itemText(), "10 perces");
    EXPECT_EQ(m.control<controls::ComboBox>("ComboBox2").itemText(), "4/2 pulse 2300Hz");
    EXPECT_EQ(m.control<controls::ComboBox>("ugyfel").itemText(), "Kézi");
    EXPECT_EQ(m.control<controls::Edit>("Edit4").text(), "113AA1AA3");

    m.set("Edit1", "12A4");
    m.set("Edit2", "9B");
    m.control<controls::CheckBox>("CheckBox3").setChecked(false);
    m.screen->controlChanged("CheckBox3");
    m.control<controls::ComboBox>("ComboBox2").setItemIndex(0);
    ASSERT_TRUE(m.write());
    EXPECT_TRUE(m.screen->ready());

    const Bytes memory = m.stop();
    ASSERT_EQ(memory.size(), sim::GprsModuleModel::kMemorySize);
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + 4), (Bytes{0x02, 0x58, 0, 0}));
    EXPECT_EQ(Bytes(memory.begin() + 256, memory.begin() + 263), (Bytes{1, 2, 10, 4, 9, 11, 0x58}));
    EXPECT_EQ(memory[282], 1 + 128);
    EXPECT_EQ(memory[436], 1);   // the codes without a control, as read
    EXPECT_EQ(memory[458], 1);   // tamper alarm
    EXPECT_EQ(memory[480], 129); // the telephone line's alarm stays off
}

TEST(GprsModuleWithSimulator, ReadEditWriteAtLineSpeed) {
    GprsModuleOverPty m({"--pace"}, 0);
    readEditWrite(m);
}

TEST(GprsModuleWithSimulator, ReadEditWriteSurvivesLostAndCorruptedReplies) {
    GprsModuleOverPty m({"--drop", "0.1", "--corrupt", "0.1", "--seed", "7"}, 40);
    readEditWrite(m);
}

}  // namespace
}  // namespace vardeck::devices
