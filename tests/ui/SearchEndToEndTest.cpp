// The program's views find the device on a pseudo-terminal and open its screen: the
// real serial channel, vardeck-sim as the device, the settings in a file of the test's.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "sim/SimProcess.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/app/DeviceScreenEntry.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"
#include "ui/z4/Z4ConfiguratorEntry.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRig;
using testing::waitUntil;

struct DeviceCase {
    int code;
    const char* screen;  // objectName of the window that must open
};

std::string caseName(const ::testing::TestParamInfo<DeviceCase>& info) {
    return "Code" + std::to_string(info.param.code);
}

class SearchEndToEnd : public ::testing::TestWithParam<DeviceCase> {};

// The screens' clocks run twice as fast here, so that nine devices need not wait the
// start timer's three real seconds each; the line itself keeps its real timing.
TEST_P(SearchEndToEnd, IdentifiesTheDeviceAndOpensItsScreen) {
    const DeviceCase device = GetParam();
    sim::SimProcess sim;
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", std::to_string(device.code)}, 10s, error)) << error;

    ProgramRig rig(2.0);
    rig.settings.set("comport", sim.slavePath());
    rig.settings.set("Language", "1");
    ui::VardeckApp& app = rig.start();
    ASSERT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 10s));

    QWidget* screen = nullptr;
    if (std::string(device.screen) == "Z4Form1") screen = app.configurator().window();
    else if (std::string(device.screen) == "Form1") screen = &app.form1View();
    else if (std::string(device.screen) == "Form5") screen = app.form5().window();
    else if (std::string(device.screen) == "Form7") screen = app.form7().window();
    else screen = app.traxomain().window();
    ASSERT_NE(screen, nullptr);

    ASSERT_TRUE(waitUntil([&] { return screen->isVisible() && !app.form8View().isVisible(); }, 30s))
        << "status: " << app.screens().form8.StatusBar1.panel(1) << " " << app.screens().form8.StatusBar1.panel(2)
        << " " << app.screens().form8.StatusBar1.panel(3);
    EXPECT_EQ(app.screens().form8.StatusBar1.panel(1), "Gsm: " + std::to_string(device.code));
    EXPECT_EQ(app.screens().form1.typeCode(), device.code);
    EXPECT_FALSE(app.ended());

    auto* label3 = app.form1View().findChild<QLabel*>("Label3");
    ASSERT_NE(label3, nullptr);
    switch (device.code) {
        case 30:
            EXPECT_EQ(label3->text(), "Z-GPRS-CID found");
            EXPECT_TRUE(app.form1View().findChild<QPushButton*>("BitBtn1")->isEnabled());
            EXPECT_TRUE(app.form1View().findChild<QPushButton*>("BitBtn2")->isEnabled());
            break;
        case 50:
            EXPECT_EQ(app.form5().window()->findChild<QLabel*>("Label3")->text(), "GPRS to ContacdID konverter");
            // The screen takes over the port and asks the converter for its version.
            EXPECT_TRUE(waitUntil([&] { return app.form5().model().ready(); }, 10s));
            EXPECT_EQ(app.form5().window()->findChild<QLabel*>("Label6")->text(), "szoftver verzio> 1.7");
            EXPECT_FALSE(app.form1View().isVisible());
            break;
        case 61: EXPECT_EQ(app.form7().protocolState(), 1); break;
        case 60:
            EXPECT_EQ(app.traxomain().protocolState(), 0);
            EXPECT_EQ(label3->text(), "Z_GPS_TRAXO");
            break;
        case 71: EXPECT_EQ(label3->text(), "T-RIX"); break;
        case 80: EXPECT_EQ(label3->text(), "Z-1"); break;
        case 100: EXPECT_EQ(label3->text(), "Z_CID"); break;
        default: break;
    }
    if (device.code != 30) {
        // The search lets go of the port for the screen that takes over.
        EXPECT_TRUE(waitUntil([&] { return !app.searchChannel().IsOpen(); }, 5s));
    }
}

INSTANTIATE_TEST_SUITE_P(Devices, SearchEndToEnd,
                         ::testing::Values(DeviceCase{30, "Form1"}, DeviceCase{50, "Form5"},
                                           DeviceCase{60, "traxomain"}, DeviceCase{61, "Form7"},
                                           DeviceCase{70, "Z4Form1"}, DeviceCase{71, "Z4Form1"},
                                           DeviceCase{80, "Z4Form1"}, DeviceCase{90, "Z4Form1"},
                                           DeviceCase{100, "Z4Form1"}),
                         caseName);

}  // namespace
}  // namespace vardeck
