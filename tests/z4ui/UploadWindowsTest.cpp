// The uploads in the configurator's window: the sound page's file fields, and the
// firmware window against vardeck-sim from identification to the restarted module.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <fstream>

#include "tests/z4ui/Z4WindowRig.h"
#include "ui/z4/Z4DiagnosticWindows.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

class UploadWindows : public Z4WindowRig {};

TEST_F(UploadWindows, ClickingASoundFieldPutsTheChosenCheckedFileIntoIt) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    // The module's own format: a header with its "data" tag, then 8-bit samples.
    std::string bytes(44, '\0');
    std::memcpy(bytes.data(), "RIFF", 4);
    std::memcpy(bytes.data() + 36, "data", 4);
    bytes += std::string(300, '\x40');
    const std::string wav = scratch.file("bell.wav");
    std::ofstream(wav, std::ios::binary) << bytes;
    dialogs.file = wav;

    showPage("TabSheet22");
    auto* field = widget<QLineEdit>("Edit13");
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isReadOnly());
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return field->text() == QString::fromStdString(wav); }))
        << field->text().toStdString();
    EXPECT_EQ(dialogs.fileFilters, std::vector<std::string>{"wav"});
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
    EXPECT_EQ(widget<QLineEdit>("Edit9")->text(), "");
}

TEST_F(UploadWindows, TheFirmwareWindowIdentifiesDownloadsAndClosesWhenTheModuleRestarts) {
    attachSimulator({"--device", "71", "--firmware", "43", "--flash", scratch.file("flash.bin")});
    open(71);
    ASSERT_TRUE(waitUntil([&] { return widget<QAction>("Szoftverfrissts1")->isVisible(); }, 30s));
    choose("Szoftverfrissts1");
    auto* firmware = dynamic_cast<ui::z4::DiagnosticWindow*>(window_->menuView(MenuView::Firmware));
    ASSERT_NE(firmware, nullptr);
    ASSERT_TRUE(firmware->isVisible());
    EXPECT_TRUE(firmware->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(firmware->mask().isEmpty());  // the rounded shape

    auto* processor = firmware->findChild<QLabel*>("Label2");
    auto* start = firmware->findChild<QPushButton*>("Button1");
    ASSERT_TRUE(waitUntil([&] { return processor->text() == "Processor: J10" && start->isEnabled(); }, 60s))
        << processor->text().toStdString();
    EXPECT_EQ(firmware->findChild<QLabel*>("Label3")->text(), "SW:43");
    EXPECT_FALSE(firmware->findChild<QLabel*>("Label6")->isVisible());
    EXPECT_EQ(firmware->findChild<QProgressBar*>("ProgressBar1")->maximum(), 255);

    start->click();
    EXPECT_FALSE(start->isEnabled());
    // The FPGA phase moves the bar by the view's own timer.
    EXPECT_TRUE(waitUntil([&] { return firmware->timerRunning("Timer1"); }, 120s));
    ASSERT_TRUE(waitUntil([&] { return !firmware->isVisible(); }, 180s))
        << firmware->findChild<QLabel*>("Label1")->text().toStdString();
    EXPECT_FALSE(firmware->timerRunning("Timer1"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
}

TEST_F(UploadWindows, EscapeClosesTheFirmwareWindow) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    // Without a module the menu item stays hidden; the model opens the view all the same.
    window_->model().menuClicked("Szoftverfrissts1");
    QWidget* firmware = window_->menuView(MenuView::Firmware);
    ASSERT_TRUE(firmware->isVisible());
    QTest::keyClick(firmware, Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return !firmware->isVisible(); }));
}

}  // namespace
}  // namespace vardeck::testing
