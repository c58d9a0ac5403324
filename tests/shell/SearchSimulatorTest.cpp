#include <gtest/gtest.h>

#include <chrono>

#include "sim/DeviceCatalog.h"
#include "sim/LoopbackChannel.h"
#include "sim/SimEndpoint.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;

// The search against the project's own device models, every frame and answer
// going through the loopback channel on line timing (9600 bit/s).
class SimulatedSearch {
public:
    explicit SimulatedSearch(int code)
        : memory(std::make_shared<MemorySettingsStore>()),
          scoped(memory),
          model(sim::makeDeviceModel(code)),
          endpoint(*model),
          line(endpoint) {
        endpoint.setByteTime(sim::SimEndpoint::byteTimeAt(9600));
        SearchEnvironment env;
        env.dialogs = &host;
        env.navigator = &host;
        env.dispatch = &host;
        env.nowText = [] { return "now"; };
        screens = std::make_unique<SearchScreens>(line, portLine, env);
        clock.add(screens->form1.timers());
        screens->startup.startTimer.stop();
        screens->form1.FormActivate();
        screens->form8.FormActivate();
    }
    // Runs the program's timers and the line together, 1 ms at a time.
    void run(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.advance(1);
            line.advance(1ms);
        }
    }

    testing::RecordingHost host;
    std::shared_ptr<MemorySettingsStore> memory;
    ScopedSettingsStore scoped;
    std::unique_ptr<sim::DeviceModel> model;
    sim::SimEndpoint endpoint;
    sim::LoopbackChannel line;
    testing::FakeChannel portLine;
    std::unique_ptr<SearchScreens> screens;
    testing::VirtualClock clock;
};

TEST(SearchWithSimulator, EveryKnownDeviceIsIdentifiedAndHandedOver) {
    struct Case { int code; std::string call; };
    const Case cases[] = {
        {30, "showForm1AsGprs"},        {50, "openForm5 1 GPRS to ContacdID konverter"},
        {60, "openTraxomain 0"},        {61, "openForm7 1"},
        {71, "openZ4Configurator 71"},  {80, "openZ4Configurator 80"},
        {100, "openZ4Configurator 100"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(sim::isKnownDeviceCode(c.code));
        SimulatedSearch search(c.code);
        search.run(3100);
        EXPECT_EQ(search.screens->form8.StatusBar1.panel(1), "Gsm: " + std::to_string(c.code));
        search.run(2000);
        EXPECT_EQ(search.host.count(c.call), 1) << c.code;
        EXPECT_EQ(search.host.count("closeSearchView"), 1) << c.code;
    }
}

}  // namespace
}  // namespace vardeck
