// The GPRS module's screen on a channel of its own against the simulated module,
// in-process and on virtual time: what the installer sees after a read, and the
// bytes the module holds after a write.
#include <gtest/gtest.h>

#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "devices/DeviceScreen.h"
#include "sim/GprsModuleModel.h"
#include "sim/LoopbackChannel.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

constexpr uint8_t X = 0x58;  // a digit position without a digit

struct GprsRig {
    GprsRig() {
        screen = makeGprsModuleScreen(line, {});
        clock.add(screen->timers());
    }
    template <class T = controls::Edit>
    T& get(const std::string& name) {
        return screen->controls().get<T>(name);
    }
    // An installer's edit: the new value, then the screen's rule for it.
    void type(const std::string& name, const std::string& text) {
        get(name).setText(text);
        screen->controlChanged(name);
    }
    void choose(const std::string& name, int item) {
        get<controls::ComboBox>(name).setItemIndex(item);
        screen->controlChanged(name);
    }
    void tick(const std::string& name, bool on) {
        get<controls::CheckBox>(name).setChecked(on);
        screen->controlChanged(name);
    }
    // Runs the transfer to its end: each reply as it arrives, the send timer while
    // none is on its way.
    void finish() {
        for (int i = 0; i < 100000 && screen->busy(); ++i) {
            if (line.deliver() == 0) {
                clock.advance(10);
                line.advance(10ms);
            }
        }
        EXPECT_TRUE(screen->ready());
    }
    void read() {
        screen->read();
        finish();
    }
    void write() {
        ASSERT_TRUE(screen->write());
        finish();
    }
    Bytes memory(std::size_t from, std::size_t count) {
        auto m = model.memory().subspan(from, count);
        return Bytes(m.begin(), m.end());
    }

    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped{store};
    sim::GprsModuleModel model;
    sim::FaultInjector faults;
    sim::SimEndpoint endpoint{model, &faults};
    sim::LoopbackChannel line{endpoint};
    std::unique_ptr<DeviceScreen> screen;
    testing::VirtualClock clock;
};

TEST(GprsModuleScreen, ReadShowsTheModulesSettingsOnceHandedOver) {
    GprsRig rig;
    rig.screen->read();
    EXPECT_FALSE(rig.screen->write());
    EXPECT_FALSE(rig.screen->busy());  // the buttons wait for the hand-over

    rig.screen->handOver();
    rig.screen->read();
    auto& gauge = rig.get<controls::Gauge>("kijelzo");
    EXPECT_TRUE(gauge.visible());
    EXPECT_EQ(gauge.max(), 275);
    EXPECT_FALSE(rig.screen->ready());
    rig.finish();
    EXPECT_EQ(rig.screen->state(), 120);
    EXPECT_EQ(gauge.progress(), 275);
    EXPECT_FALSE(gauge.visible());
    EXPECT_EQ(rig.line.written().size(), 275u * 6);

    EXPECT_EQ(rig.get<controls::ComboBox>("ComboBox2").itemText(), "DTMF Contact ID");
    EXPECT_EQ(rig.get<controls::ComboBox>("ugyfel").itemText(), "Automatikus");
    EXPECT_FALSE(rig.get("Edit1").enabled());
    EXPECT_TRUE(rig.get<controls::CheckBox>("CheckBox1").checked());
    EXPECT_EQ(rig.get("Edit2").text(), "113AA1AA1");
    EXPECT_EQ(rig.get("Edit20").text(), "3137A1AAA");  // tamper restore
    EXPECT_FALSE(rig.get<controls::CheckBox>("CheckBox10").checked());  // the line's codes are off
    EXPECT_FALSE(rig.get("Edit11").enabled());
    EXPECT_EQ(rig.get("Edit11").text(), "1351A1AAA");
}

TEST(GprsModuleScreen, LifeSignalPeriodThresholds) {
    GprsRig rig;
    rig.screen->handOver();
    const std::pair<int, std::string> cases[] = {
        {180, "1 perces"}, {181, "10 perces"}, {3000, "10 perces"}, {3001, "1 órás"}};
    for (const auto& [seconds, shown] : cases) {
        rig.model.memory()[0] = static_cast<uint8_t>(seconds >> 8);
        rig.model.memory()[1] = static_cast<uint8_t>(seconds & 0xFF);
        rig.read();
        EXPECT_EQ(rig.get<controls::ComboBox>("ComboBox1").itemText(), shown) << seconds;
    }
    rig.write();
    EXPECT_EQ(rig.memory(0, 2), (Bytes{0x0E, 0x10}));
}

TEST(GprsModuleScreen, CodesAreWrittenAsDigitBytesAndReadBack) {
    GprsRig rig;
    rig.screen->handOver();
    rig.read();
    rig.write();  // automatic client code
    EXPECT_EQ(rig.memory(3, 1), Bytes{1});
    EXPECT_EQ(rig.memory(256, 4), (Bytes{X, X, X, X}));

    rig.choose("ugyfel", 1);  // "Kézi"
    rig.type("Edit1", "12A4");
    rig.type("Edit2", "12A4");
    rig.tick("CheckBox3", false);
    rig.write();
    EXPECT_EQ(rig.memory(3, 1), Bytes{0});
    EXPECT_EQ(rig.memory(256, 4), (Bytes{1, 2, 10, 4}));
    EXPECT_EQ(rig.memory(260, 11), (Bytes{1, 2, 10, 4, X, X, X, X, X, X, X}));
    EXPECT_EQ(rig.memory(282, 2), (Bytes{1 + 128, 1}));  // switched off

    rig.choose("ugyfel", 0);
    EXPECT_EQ(rig.get("Edit1").text(), "");
    rig.read();
    EXPECT_EQ(rig.get("Edit1").text(), "12A4");
    EXPECT_TRUE(rig.get("Edit1").enabled());
    EXPECT_EQ(rig.get("Edit2").text(), "12A4");
    EXPECT_FALSE(rig.get<controls::CheckBox>("CheckBox3").checked());
    EXPECT_FALSE(rig.get("Edit4").enabled());
    EXPECT_EQ(rig.get("Edit4").text(), "113AA1AA3");
}

TEST(GprsModuleScreen, FieldRulesWhileTyping) {
    GprsRig rig;
    rig.type("Edit5", "120");
    EXPECT_EQ(rig.get("Edit5").text(), "12A");  // the digit 0 is written "A"
    rig.type("Edit5", "12Ab");
    EXPECT_EQ(rig.get("Edit5").text(), "12AB");
    rig.type("Edit5", "1G2");
    EXPECT_EQ(rig.get("Edit5").text(), "1");  // characters go from the end until it is valid

    rig.choose("ugyfel", 1);
    EXPECT_TRUE(rig.get("Edit1").enabled());
    rig.type("Edit1", "10");
    EXPECT_EQ(rig.get("Edit1").text(), "1");  // no 0 in the client code
    rig.type("Edit1", "1b");
    EXPECT_EQ(rig.get("Edit1").text(), "1B");  // capitals at once: they are what is written

    rig.tick("CheckBox3", true);
    EXPECT_TRUE(rig.get("Edit4").enabled());
    rig.tick("CheckBox3", false);
    EXPECT_FALSE(rig.get("Edit4").enabled());
    EXPECT_EQ(rig.get("Edit4").text(), "FFFFFFFFFFF");
}

TEST(GprsModuleScreen, WhatNoControlHoldsIsWrittenBackAsLastRead) {
    GprsRig unread;
    unread.screen->handOver();
    unread.write();
    EXPECT_EQ(unread.memory(436, 22), Bytes(22, 0));  // nothing read yet

    GprsRig rig;
    rig.screen->handOver();
    const Bytes unshownCodes = rig.memory(436, 22);
    rig.model.memory()[2] = 7;  // a line-simulator mode the list does not know
    rig.read();
    EXPECT_EQ(rig.get<controls::ComboBox>("ComboBox2").itemIndex(), -1);
    rig.write();
    EXPECT_EQ(rig.memory(436, 22), unshownCodes);
    EXPECT_EQ(rig.memory(2, 1), Bytes{7});
    EXPECT_EQ(rig.memory(502, 9), Bytes(9, 0xFF));  // beyond the write
}

TEST(GprsModuleScreen, FrameWithoutValidReplyIsRepeatedAfterTheHoldOff) {
    GprsRig rig;
    rig.screen->handOver();
    rig.faults.forceNext(sim::Fault::Drop);
    rig.faults.forceNext(sim::Fault::Drop);
    rig.faults.forceNext(sim::Fault::Corrupt);
    rig.screen->read();
    auto framesAfter = [&](int ms) {
        rig.clock.advance(ms);
        rig.line.deliver();
        return rig.line.written().size() / 6;
    };
    EXPECT_EQ(framesAfter(0), 1u);
    EXPECT_EQ(framesAfter(450), 1u);  // three ticks of hold-off
    EXPECT_EQ(framesAfter(150), 2u);  // then every tick until a valid reply
    EXPECT_EQ(framesAfter(150), 3u);  // its reply is corrupt: no progress
    EXPECT_EQ(rig.get<controls::Gauge>("kijelzo").progress(), 0);
    EXPECT_EQ(framesAfter(150), 5u);  // answered, and the next address sent at once
    const Frame second = makeFrame(0, 0, 1, 0);
    EXPECT_TRUE(std::equal(second.begin(), second.end(), rig.line.written().end() - 6));
    rig.finish();
    EXPECT_EQ(rig.get<controls::ComboBox>("ComboBox2").itemText(), "DTMF Contact ID");
}

}  // namespace
}  // namespace vardeck::devices
