// The search against a device the test plays itself on a pseudo-terminal: faulty
// answers, silence, answers to the wrong probe, and the tracker's line speed.
#include <gtest/gtest.h>

#include <QLabel>

#include <termios.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/app/DeviceScreenEntry.h"
#include "ui/views/Form8View.h"
#include "ui/z4/Z4ConfiguratorEntry.h"
#include "z4link/Frame.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRig;
using testing::PtyDevice;
using testing::waitUntil;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kIdentificationFirst = kIdentificationFrame[0];
constexpr uint8_t kSecondProbeFirst = kSecondProbeFrame[0];

Bytes identificationReply(int code) {
    const Frame f = makeFrame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code));
    return {f.begin(), f.end()};
}

int counter(ui::VardeckApp& app, int panel) {
    const std::string text = app.screens().form8.StatusBar1.panel(panel);
    const std::size_t space = text.find(' ');
    return space == std::string::npos ? 0 : std::stoi(text.substr(space + 1));
}

bool anyScreenOpened(ui::VardeckApp& app) {
    return app.configurator().window()->isVisible() || app.form5().window()->isVisible() ||
           app.form7().window()->isVisible() || app.traxomain().window()->isVisible() ||
           app.screens().form1.ablakSTART.enabled();
}

// Starts the program on the test's device with the language chosen and waits for the
// search view.
ui::VardeckApp& startOn(ProgramRig& rig, const PtyDevice& device) {
    rig.settings.set("comport", device.path());
    rig.settings.set("Language", "0");
    ui::VardeckApp& app = rig.start();
    EXPECT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 10s));
    return app;
}

TEST(SearchFaults, AnswersWithAWrongFifthByteAreCountedAsBadAndOpenNothing) {
    PtyDevice device([](const Bytes& frame) {
        if (frame[0] != kIdentificationFirst) return Bytes{};
        Bytes reply = identificationReply(71);
        reply[4] ^= 0x10;  // the sixth byte still sums right
        return reply;
    });
    ProgramRig rig(2.0);
    ui::VardeckApp& app = startOn(rig, device);
    ASSERT_TRUE(waitUntil([&] { return counter(app, 4) >= 3; }, 20s)) << app.screens().form8.StatusBar1.panel(4);
    EXPECT_GE(counter(app, 3), 3);  // each one collected as a reply
    EXPECT_EQ(app.screens().form8.StatusBar1.panel(1), "");
    EXPECT_FALSE(anyScreenOpened(app));
    EXPECT_TRUE(app.form8View().isVisible());
}

TEST(SearchFaults, ASilentPortCountsFramesAndNoReplies) {
    PtyDevice device([](const Bytes&) { return Bytes{}; });
    ProgramRig rig(2.0);
    ui::VardeckApp& app = startOn(rig, device);
    ASSERT_TRUE(waitUntil([&] { return counter(app, 2) >= 12; }, 20s));
    // Both probes went out, four of each in turn, and nothing came back.
    EXPECT_GE(device.framesStartingWith(kIdentificationFirst), 4);
    EXPECT_GE(device.framesStartingWith(kSecondProbeFirst), 4);
    EXPECT_EQ(counter(app, 3), 0);
    EXPECT_FALSE(anyScreenOpened(app));
    auto* status0 = app.form8View().findChild<QWidget*>("StatusBar1")->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).value(0);
    ASSERT_NE(status0, nullptr);
    EXPECT_EQ(status0->text().toStdString(), device.path());
}

TEST(SearchFaults, AnAnswerToTheSecondProbeIdentifiesNothing) {
    // A device that answers only the second probe, with what would identify it.
    PtyDevice device([](const Bytes& frame) {
        return frame[0] == kSecondProbeFirst ? identificationReply(71) : Bytes{};
    });
    ProgramRig rig;  // real time: the answers must fall inside phase B as on a real line
    ui::VardeckApp& app = startOn(rig, device);
    ASSERT_TRUE(waitUntil([&] { return counter(app, 3) >= 3; }, 30s));
    EXPECT_EQ(app.screens().form8.StatusBar1.panel(1), "");
    EXPECT_EQ(counter(app, 4), 0);
    EXPECT_FALSE(anyScreenOpened(app));
    EXPECT_GE(device.framesStartingWith(kIdentificationFirst), 4);  // phase A went on
}

TEST(SearchFaults, TrackerModeRunsTheLineAt4800) {
    PtyDevice device([](const Bytes& frame) {
        return frame[0] == kIdentificationFirst ? identificationReply(60) : Bytes{};
    });
    ProgramRig rig(2.0);
    rig.settings.set("mode", "TRAXO");
    ui::VardeckApp& app = startOn(rig, device);
    ASSERT_TRUE(app.searchChannel().IsOpen());
    termios line{};
    ASSERT_EQ(::tcgetattr(device.masterFd(), &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), static_cast<speed_t>(B4800));
    EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B4800));
    for (const char* name : {"Label2", "Label4", "Label5"}) {
        EXPECT_EQ(app.form8View().findChild<QLabel*>(name)->text(), "TRAXO/4800") << name;
    }
    // The tracker answers at that speed and gets its screen.
    EXPECT_TRUE(waitUntil([&] { return app.traxomain().window()->isVisible(); }, 30s));
}

}  // namespace
}  // namespace vardeck
