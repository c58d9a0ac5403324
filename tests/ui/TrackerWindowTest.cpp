// The tracker's window offscreen: every control has its widget, and what the user
// types and clicks reaches the screen model and comes back on the widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "devices/TrackerScreen.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/z4link/FakeChannel.h"
#include "ui/ScreenSync.h"
#include "ui/devices/TrackerWindow.h"

namespace vardeck {
namespace {

TEST(TrackerWindow, ShowsTheModelAndHandsItTheUsersInput) {
    testing::RecordingDialogs dialogs;
    testing::FakeChannel channel;
    devices::DeviceScreenEnvironment env;
    env.dialogs = &dialogs;
    devices::TrackerScreen model(channel, env);
    ui::ScreenSync sync;
    ui::TrackerWindow window(model, sync);
    window.show();

    EXPECT_EQ(window.binder().unboundControls(), std::vector<std::string>{});
    EXPECT_EQ(window.binder().widgetsWithoutControl(), std::vector<std::string>{});
    EXPECT_EQ(window.windowTitle().toStdString(), "TRAXO konfigurációs lap");

    auto* edit1 = window.findChild<QLineEdit*>("Edit1");
    ASSERT_NE(edit1, nullptr);
    EXPECT_EQ(edit1->maxLength(), 15);
    QTest::keyClicks(edit1, "010.00x");
    EXPECT_EQ(edit1->text(), "");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Nem megfelelo karakter"});

    window.findChild<QAction*>("IPcim1")->trigger();
    EXPECT_EQ(edit1->text().toStdString(), devices::TrackerScreen::kPreset1);
    QAction* wavecom = window.findChild<QAction*>("wavecom1");
    wavecom->trigger();
    EXPECT_TRUE(model.oldFormat());
    EXPECT_TRUE(wavecom->isChecked());

    QTest::mouseClick(window.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    const auto panels = window.findChild<QStatusBar*>("sbar1")->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 5);
    EXPECT_EQ(panels[4]->text().toStdString(), "Olvasás /régi/");
    EXPECT_FALSE(window.findChild<QPushButton*>("BitBtn1")->isEnabled());

    QTest::mouseClick(window.findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace vardeck
