// The geofence unit's window against vardeck-sim on a pseudo-terminal: what the
// installer sees and clicks, offscreen.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "sim/SimProcess.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ScreenSync.h"
#include "ui/devices/GeofenceEntry.h"
#include "ui/devices/GeofenceWindow.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

TEST(GeofenceWindow, ReadsTheUnitAndPointsAtTheCellAWriteRefuses) {
    sim::SimProcess sim;
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", "61"}, 10s, error)) << error;
    testing::TempSettings settings;
    settings.set("comport", sim.slavePath());
    testing::RecordingDialogs dialogs;
    // The screen's clock runs four times as fast; the line keeps its real timing.
    ui::ScreenSync sync(4.0);
    ui::GeofenceEntry entry(sync, dialogs, [] { return false; }, brandCode());
    ui::GeofenceWindow& window = entry.view();
    EXPECT_EQ(window.binder().unboundControls(), std::vector<std::string>{});
    EXPECT_EQ(window.binder().widgetsWithoutControl(), std::vector<std::string>{});
    EXPECT_EQ(window.windowTitle(), "Zelkor_MARLOW");

    auto* read = window.findChild<QPushButton*>("BitBtn2");
    auto* write = window.findChild<QPushButton*>("BitBtn1");
    auto* table = window.findChild<QTableWidget*>("StringGrid1");
    ASSERT_TRUE(read && write && table);
    EXPECT_FALSE(read->isEnabled());
    entry.handOver();
    ASSERT_TRUE(waitUntil([&] { return read->isEnabled(); }, 20s));
    EXPECT_EQ(window.findChild<QLabel*>("Label6")->text(), "szoftver verzio> 1.4");

    read->click();
    EXPECT_FALSE(write->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return write->isEnabled(); }, 60s));
    EXPECT_EQ(table->rowCount(), 64);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Latitude min");
    EXPECT_EQ(table->item(0, 0)->text(), "1");
    EXPECT_FALSE(table->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(table->item(0, 1)->text(), "47.4000");
    EXPECT_EQ(table->item(0, 4)->text(), "19.3000");
    EXPECT_EQ(table->item(63, 4)->text(), ".0");

    // The installer types a text that is no coordinate into row 5.
    table->item(4, 2)->setText("4a.1234");
    write->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"hiba GPS ertek"});
    EXPECT_EQ(table->currentRow(), 4);
    EXPECT_EQ(table->currentColumn(), 2);
    EXPECT_TRUE(write->isEnabled());

    window.findChild<QPushButton*>("BitBtn4")->click();
    QDialog& wiring = window.wiringView();
    ASSERT_TRUE(waitUntil([&] { return wiring.isVisible(); }, 5s));
    EXPECT_TRUE(wiring.isModal());
    QPushButton* leave = nullptr;
    for (QPushButton* b : wiring.findChildren<QPushButton*>())
        if (b->text() == "Kilépés") leave = b;
    ASSERT_NE(leave, nullptr);
    leave->click();
    EXPECT_FALSE(wiring.isVisible());
}

}  // namespace
}  // namespace vardeck
