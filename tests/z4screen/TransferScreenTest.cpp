// Reading and writing a module through the screen: the editor shows what the module
// holds, an edit reaches the module, and the window can always be left.
#include <gtest/gtest.h>

#include "tests/z4screen/ScreenRig.h"
#include "controls/Controls.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::testing {
namespace {

using controls::CheckBox;
using controls::ComboBox;
using controls::Edit;

void putText(sim::Z4FamilyModel& model, std::size_t offset, const std::string& text) {
    auto memory = model.memory();
    for (char c : text) memory[offset++] = static_cast<uint8_t>(c);
    memory[offset] = 0xFF;
}

class TransferScreenTest : public ::testing::TestWithParam<int> {};

// Firmware 3.2 reads byte by byte, 4.3 in 256-byte blocks; a Z-CID in 32-byte blocks.
TEST_P(TransferScreenTest, ReadAllShowsTheModulesValuesInTheEditor) {
    const int firmware = GetParam();
    ScreenRig rig(71, firmware);
    putText(rig.model, 256, "+36301234567");
    putText(rig.model, 512, "Kapu nyitva");
    putText(rig.model, 1280, "Acme riaszto");  // SMS header
    rig.model.memory()[8] = 0x83;  // inverted, input type 3
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());  // the version query of the activation
    EXPECT_EQ(rig.screen.editor().StatusBar1.panel(2), "Sw: " + std::to_string(firmware / 10) + "." +
                                                           std::to_string(firmware % 10));

    rig.click("BitBtn2");
    EXPECT_FALSE(rig.control<controls::Control>("BitBtn1").enabled());
    EXPECT_TRUE(rig.control<z4screen::ProgressGauge>("kijelzo").visible());
    ASSERT_TRUE(rig.runUntilIdle());

    EXPECT_EQ(rig.status(), "Összes adat kiolvasása sikeres!");
    EXPECT_EQ(rig.control<Edit>("MaskEdit1").text(), "+36301234567");
    EXPECT_EQ(rig.control<Edit>("riasztas").text(), "Kapu nyitva");
    // The header lies beyond the 1024 bytes an older module has.
    if (firmware > 32) {
        EXPECT_EQ(rig.control<controls::Control>("Label181").caption(), "108");
    }
    EXPECT_EQ(rig.control<ComboBox>("ComboBox1").itemIndex(), 3);
    EXPECT_TRUE(rig.control<CheckBox>("CheckBox1").checked());
    EXPECT_TRUE(rig.control<controls::Control>("BitBtn1").enabled());
    EXPECT_TRUE(rig.control<controls::Control>("BitBtn2").enabled());
    EXPECT_FALSE(rig.control<z4screen::ProgressGauge>("kijelzo").visible());
}

INSTANTIATE_TEST_SUITE_P(Firmware, TransferScreenTest, ::testing::Values(32, 43));

TEST(TransferScreen, EditAndWriteAllReachTheModule) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    rig.typeText("MaskEdit2", "+36209876543");
    rig.typeText("riasztas2", "Garazs");
    rig.click("BitBtn1");
    ASSERT_TRUE(rig.runUntilIdle());

    auto memory = rig.model.memory();
    EXPECT_EQ(std::string(memory.begin() + 272, memory.begin() + 284), "+36209876543");
    EXPECT_EQ(memory[284], 0xFF);
    EXPECT_EQ(std::string(memory.begin() + 544, memory.begin() + 550), "Garazs");
    // The block write ends with the clock setting from the PC clock.
    ASSERT_TRUE(rig.model.lastClockSetting().has_value());
    EXPECT_EQ(rig.model.lastClockSetting()->digits, "240517134509");
    EXPECT_EQ(rig.status(), "Óra szinkronozása a PC órájával sikeres");
}

TEST(TransferScreen, TheCompanyNameGoesIntoTheImageOnlyForACustomersOwnName) {
    ScreenRig rig(71, 32);
    rig.setSetting("company", "*Acme Kft");
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_TRUE(rig.screen.companyFlag());
    EXPECT_EQ(rig.control<controls::Control>("Label3D1").caption(), "Acme Kft");
    rig.click("BitBtn1");
    ASSERT_TRUE(rig.runUntilIdle());
    auto memory = rig.model.memory();
    EXPECT_EQ(std::string(memory.begin() + 384, memory.begin() + 392), "Acme Kft");
}

TEST(TransferScreen, ClosingWhileAnOperationRunsAsksFirst) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_TRUE(rig.screen.closeRequested());  // idle: no question
    EXPECT_TRUE(rig.dialogs.questions.empty());

    rig.click("BitBtn2");
    rig.tick();
    rig.dialogs.answer = false;
    EXPECT_FALSE(rig.screen.closeRequested());
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    EXPECT_EQ(rig.dialogs.questions[0], "Művelet van folyamatban, biztosan ki akar lépni???");
    EXPECT_NE(rig.screen.engine().vars().state, 0);  // the read goes on

    rig.dialogs.answer = true;
    bool closedByWindow = false;
    rig.screen.closeWindow = [&] { closedByWindow = rig.screen.closeRequested(); };
    rig.click("BitBtn3");
    EXPECT_TRUE(closedByWindow);
    EXPECT_EQ(rig.screen.engine().vars().state, 0);
    EXPECT_FALSE(rig.channel.IsOpen());
}

TEST(TransferScreen, RestartAsksAndSendsTheRestartFrame) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    rig.dialogs.answer = false;
    rig.screen.menuClicked("jraindts1");
    rig.runUntilIdle();
    EXPECT_EQ(rig.model.counters().restarts, 0u);
    rig.dialogs.answer = true;
    rig.click("BitBtn4");
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_EQ(rig.model.counters().restarts, 1u);
    EXPECT_EQ(rig.dialogs.questions.back(), "Biztosan újra akarja inditani az eszközt?");
}

TEST(TransferScreen, TheVersionReplyAdaptsPagesAndMenus) {
    ScreenRig rig(70, 33);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_FALSE(rig.visible("TabSheet24"));  // remote monitoring from 3.4 on
    EXPECT_FALSE(rig.visible("TabSheet27"));
    EXPECT_TRUE(rig.visible("CheckEgyeb3"));   // a Z-4 from 1.8 on
    EXPECT_FALSE(rig.visible("ComboBox20"));
    EXPECT_TRUE(rig.visible("Szoftverfrissts1"));
    // The monitor from 1.6 on, the firmware download from 2.9 on.
    EXPECT_TRUE(rig.screen.menus().find("Hibakeress1")->enabled());
    EXPECT_TRUE(rig.screen.menus().find("Szoftverfrissts1")->enabled());

    rig.screen.menuClicked("GSMsoftververzi1");
    ASSERT_TRUE(rig.runUntilIdle());
    rig.tick();  // the version message comes with the next tick
    ASSERT_FALSE(rig.dialogs.messages.empty());
    EXPECT_EQ(rig.dialogs.messages.back(), "Modul szoftvare verzió: 3.3");
}

TEST(TransferScreen, TheClockLabelShowsThePcTime) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.tick();
    EXPECT_EQ(rig.control<controls::Control>("Label99").caption(), "13:45:09");
}

}  // namespace
}  // namespace vardeck::testing
