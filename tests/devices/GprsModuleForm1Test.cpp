// The GPRS module configured in the main view: its transfer runs on the search's
// channel, state, reply buffer and send timer, against the simulated module on
// line timing.
#include <gtest/gtest.h>

#include <chrono>

#include "devices/GprsModuleConfigurator.h"
#include "sim/GprsModuleModel.h"
#include "sim/LoopbackChannel.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck::devices {
namespace {

using namespace std::chrono_literals;

class ModuleInForm1 {
public:
    ModuleInForm1() {
        endpoint.setByteTime(sim::SimEndpoint::byteTimeAt(9600));
        SearchEnvironment env;
        env.dialogs = &host;
        env.navigator = &host;
        env.dispatch = &host;
        env.nowText = [] { return "now"; };
        screens = std::make_unique<SearchScreens>(line, portLine, env);
        clock.add(screens->form1.timers());
        screens->startup.startTimer.stop();
        form1().FormActivate();
        screens->form8.FormActivate();
    }
    Form1Model& form1() { return screens->form1; }
    // The program's timers and the line together, 1 ms at a time.
    void run(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.advance(1);
            line.advance(1ms);
        }
    }
    bool runWhileBusy(int limitMs) {
        for (int i = 0; i < limitMs && screens->gprs.busy(); i += 10) run(10);
        return !screens->gprs.busy();
    }

    testing::RecordingHost host;
    std::shared_ptr<MemorySettingsStore> memory = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped{memory};
    sim::GprsModuleModel model;
    sim::SimEndpoint endpoint{model};
    sim::LoopbackChannel line{endpoint};
    testing::FakeChannel portLine;
    std::unique_ptr<SearchScreens> screens;
    testing::VirtualClock clock;
};

TEST(GprsModuleInForm1, IdentifiedModuleIsReadAndWrittenOverTheSearchLine) {
    ModuleInForm1 m;
    EXPECT_FALSE(m.form1().servesAsGprsModule());
    m.run(3000 + 200 + 2000);
    ASSERT_EQ(m.host.count("showForm1AsGprs"), 1);
    EXPECT_TRUE(m.form1().servesAsGprsModule());
    m.run(300);  // the idle search frees the port
    EXPECT_FALSE(m.line.IsOpen());

    m.form1().BitBtn2Click();
    EXPECT_EQ(m.form1().state(), 100);
    ASSERT_TRUE(m.runWhileBusy(20000));
    EXPECT_EQ(m.form1().state(), 120);
    EXPECT_EQ(m.form1().gprs.codes[0].field->text(), "113AA1AA1");
    EXPECT_TRUE(m.form1().BitBtn1.enabled());

    m.form1().gprs.codes[0].field->setText("12A4");
    m.form1().gprsControlChanged("Edit2");
    m.form1().BitBtn1Click();
    ASSERT_TRUE(m.runWhileBusy(20000));
    EXPECT_EQ(m.form1().state(), 131);
    EXPECT_EQ(m.model.memory()[262], 10);
    EXPECT_TRUE(m.line.IsOpen());  // the finished transfer keeps the port
}

// Showing Form1 restarts the search, and the module answers again: a read started
// before that second hand-over is not cut short by it.
TEST(GprsModuleInForm1, ReadStartedBeforeTheRepeatedHandOverCompletes) {
    ModuleInForm1 m;
    m.run(3000 + 200 + 2000);
    m.form1().FormActivate();
    for (int i = 0; i < 1000 && !m.form1().ablakSTART.enabled(); ++i) m.run(1);
    ASSERT_TRUE(m.form1().ablakSTART.enabled());
    m.form1().BitBtn2Click();
    ASSERT_TRUE(m.runWhileBusy(20000));
    m.run(3000);
    EXPECT_EQ(m.form1().state(), 120);
    EXPECT_EQ(m.host.count("showForm1AsGprs"), 1);
    EXPECT_EQ(m.form1().gprs.ComboBox1.itemText(), "10 perces");
    EXPECT_FALSE(m.form1().gprs.kijelzo.visible());
}

}  // namespace
}  // namespace vardeck::devices
