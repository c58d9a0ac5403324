// The converter's window against vardeck-sim: every control has its widget, the
// version answer enables the buttons, a read fills the fields, a refused write
// colours the account code, and the help view opens, switches text and closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "brand/Brand.h"
#include "sim/SimProcess.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ScreenSync.h"
#include "ui/devices/ConverterEntry.h"
#include "ui/devices/ConverterWindow.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

TEST(ConverterWindow, ReadsTheConverterAndOpensItsHelp) {
    sim::SimProcess simulator;
    std::string error;
    ASSERT_TRUE(simulator.start(VARDECK_SIM_PATH, {"--device", "50"}, 10s, error)) << error;
    testing::TempSettings settings;
    settings.set("comport", simulator.slavePath());
    testing::RecordingDialogs dialogs;
    ui::ScreenSync sync;
    ui::ConverterEntry entry(sync, dialogs, [] { return false; }, brandCode());
    ui::ConverterWindow& window = entry.view();
    ui::ConverterHelpWindow& help = window.helpWindow();
    for (ui::ViewWindow* view : {static_cast<ui::ViewWindow*>(&window), static_cast<ui::ViewWindow*>(&help)}) {
        EXPECT_EQ(view->binder().unboundControls(), std::vector<std::string>{});
        EXPECT_EQ(view->binder().widgetsWithoutControl(), std::vector<std::string>{});
    }
    EXPECT_EQ(window.windowTitle(), "Konverter");
    auto* read = window.findChild<QPushButton*>("BitBtn2");
    auto* write = window.findChild<QPushButton*>("BitBtn1");
    EXPECT_FALSE(read->isEnabled());

    entry.handOver("GPRS to ContacdID konverter");
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(waitUntil([&] { return read->isEnabled(); }, 10s));
    EXPECT_EQ(window.findChild<QLabel*>("Label6")->text(), "szoftver verzio> 1.7");

    read->click();
    EXPECT_FALSE(write->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return write->isEnabled(); }, 20s));
    EXPECT_EQ(window.findChild<QLineEdit*>("Edit3")->text(), "internet");

    write->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Rendszerüzenetek ügyfélazonositó kitoltése kötelező"});
    EXPECT_EQ(window.findChild<QLineEdit*>("Edit10")->palette().color(QPalette::Base), QColor(Qt::red));

    window.findChild<QAction*>("Leirs1")->trigger();
    EXPECT_TRUE(help.isVisible());
    auto* text = help.findChild<QPlainTextEdit*>("Memo1");
    EXPECT_TRUE(text->toPlainText().startsWith("GPRS konverter felhasználói leirása:"));
    help.findChild<QPushButton*>("BitBtn2")->click();
    EXPECT_TRUE(text->toPlainText().startsWith("TELNET"));
    help.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(text->toPlainText().startsWith("GPRS konverter felhasználói leirása:"));

    window.findChild<QPushButton*>("BitBtn3")->click();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace vardeck
