// The screen activation: texts by language, defaults that never replace a loaded or
// typed value, the settings it reads and writes, brands, and the language menu.
#include <gtest/gtest.h>

#include "i18n/TextTable.h"
#include "tests/sim/TestFiles.h"
#include "tests/z4screen/ScreenRig.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

namespace vardeck::testing {
namespace {

using controls::CheckBox;
using controls::ComboBox;
using controls::Control;
using controls::Edit;
using controls::MenuItem;

std::string caption(ScreenRig& rig, const std::string& name) { return rig.screen.targets().find(name)->caption(); }

TEST(Activation, EveryTextTableRowOfTheConfiguratorHasItsControl) {
    ScreenRig rig(71, 43);
    for (const i18n::TextRow& row : i18n::textTable()) {
        if (row.target.screen != i18n::Screen::Configurator) continue;
        EXPECT_NE(rig.screen.targets().find(row.target.control), nullptr) << row.target.control;
    }
}

TEST(Activation, TheLanguageMenuSwitchesEveryTextAtOnce) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    EXPECT_EQ(caption(rig, "TabSheet2"), "Be1");
    EXPECT_TRUE(rig.control<MenuItem>("Magyar1").checked());

    rig.screen.menuClicked("Angol1");
    EXPECT_EQ(rig.setting("Language"), "1");
    EXPECT_EQ(caption(rig, "TabSheet2"), "In1");
    EXPECT_EQ(caption(rig, "BitBtn2"), "Read");
    EXPECT_EQ(caption(rig, "Label19"), "Select the phone numbers to send SMS to");  // a copy row
    EXPECT_EQ(rig.control<ComboBox>("ComboBox9").items()[3], "03/ Autonomous mode input");
    EXPECT_EQ(rig.control<Edit>("riasztas").text(), "1st input alarm");
    EXPECT_TRUE(rig.control<MenuItem>("Angol1").checked());
    EXPECT_FALSE(rig.control<MenuItem>("Magyar1").checked());
    // Messages follow at once.
    ASSERT_TRUE(rig.runUntilIdle());
    rig.click("BitBtn2");
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_EQ(rig.status(), "Successful readout!");

    // Back to Hungarian: rows without a Hungarian text show the design text again.
    rig.screen.menuClicked("Magyar1");
    EXPECT_EQ(caption(rig, "Label14"), "SMS szöveg:");
    EXPECT_EQ(caption(rig, "BitBtn2"), "Olvasás");
}

TEST(Activation, AnUnknownLanguageValueMeansHungarian) {
    ScreenRig rig(71, 43);
    rig.setSetting("Language", "7");
    rig.handOverAndActivate();
    EXPECT_TRUE(rig.control<MenuItem>("Magyar1").checked());
    EXPECT_EQ(caption(rig, "TabSheet13"), "Életjel");
}

TEST(Activation, ValuesReadFromTheModuleSurviveActivationAndLanguageChange) {
    ScreenRig rig(71, 43);
    auto memory = rig.model.memory();
    const std::string text = "Sajat szoveg";
    std::copy(text.begin(), text.end(), memory.begin() + 512);
    memory[512 + text.size()] = 0xFF;
    memory[64] = 0x01;  // output 1 bistable
    memory[80] = 60;    // input filter "Erős"
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    rig.click("BitBtn2");
    ASSERT_TRUE(rig.runUntilIdle());

    rig.screen.activate();  // the user came back from another window
    rig.screen.menuClicked("German1");
    EXPECT_EQ(rig.control<Edit>("riasztas").text(), text);
    EXPECT_EQ(rig.control<ComboBox>("ComboKi1").itemIndex(), 1);
    EXPECT_EQ(rig.control<ComboBox>("ComboBox12").itemIndex(), 4);
    EXPECT_EQ(caption(rig, "TabSheet13"), "Statusmeldungen");
}

TEST(Activation, ATypedValueSurvivesWhileUntouchedDefaultsFollowTheLanguage) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.typeText("riasztas2", "Hatso ajto");
    rig.control<ComboBox>("ComboBox3").setItemIndex(5);
    rig.click("ComboBox3");
    rig.screen.menuClicked("Sloven1");
    EXPECT_EQ(rig.control<Edit>("riasztas2").text(), "Hatso ajto");
    EXPECT_EQ(rig.control<ComboBox>("ComboBox3").itemIndex(), 5);
    EXPECT_EQ(rig.control<Edit>("riasztas4").text(), "4. vhodni alarm");
    EXPECT_EQ(rig.control<ComboBox>("ComboBox4").itemIndex(), 0);
}

TEST(Activation, SettingsTheScreenWritesWhenTheyAreMissing) {
    ScreenRig rig(71, 43);
    rig.setSetting("monitor", "3");
    rig.handOverAndActivate();
    EXPECT_EQ(rig.setting("mode"), "0");
    EXPECT_EQ(rig.setting("company"), "TRIX");
    EXPECT_FALSE(rig.screen.companyFlag());
    const auto scale = rig.screen.takeWindowScale();
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(scale->numerator * 3, scale->denominator * 4);
    rig.screen.activate();
    EXPECT_FALSE(rig.screen.takeWindowScale().has_value());  // once per run

    ScreenRig fresh(71, 43);
    fresh.handOverAndActivate();
    EXPECT_EQ(fresh.setting("monitor"), "2");
    EXPECT_FALSE(fresh.screen.takeWindowScale().has_value());
}

TEST(Activation, TheServiceModeShowsTheFactoryTestButtons) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    EXPECT_FALSE(rig.visible("Button15"));
    rig.setSetting("mode", "7310428");
    rig.screen.activate();
    EXPECT_TRUE(rig.screen.serviceMode());
    EXPECT_TRUE(rig.visible("Button15"));
}

TEST(Activation, TheAreaBrandPresetsOnlyWhatTheUserDoesNotOwn) {
    ScreenRig rig(71, 43, 20);
    auto memory = rig.model.memory();
    memory[8] = 0x01;  // input 1: type 1, not inverted
    rig.handOverAndActivate();
    EXPECT_EQ(rig.control<Edit>("riasztas").text(), "Area #1");
    EXPECT_EQ(rig.control<ComboBox>("ComboBox1").itemIndex(), 3);
    EXPECT_TRUE(rig.control<CheckBox>("CheckBox1").checked());
    EXPECT_EQ(rig.screen.editor().outputTime(1), 1);
    EXPECT_FALSE(rig.visible("TabSheet10"));
    EXPECT_FALSE(rig.visible("Help1"));
    EXPECT_EQ(rig.searchCaptions.back(), "Galvane GSM module");

    ASSERT_TRUE(rig.runUntilIdle());
    rig.click("BitBtn2");
    ASSERT_TRUE(rig.runUntilIdle());
    rig.screen.menuClicked("Angol1");
    EXPECT_EQ(rig.control<ComboBox>("ComboBox1").itemIndex(), 1);
    EXPECT_FALSE(rig.control<CheckBox>("CheckBox1").checked());
    EXPECT_EQ(caption(rig, "TabSheet2"), "Area 1");
    EXPECT_EQ(caption(rig, "TabSheet11"), "Area 3");
}

TEST(Activation, BrandsSetTitleAndTheirOwnLabels) {
    struct Case {
        int brand;
        const char* title;
        const char* label3d;
    };
    for (const Case& c : {Case{1, "T-RIX PRG Firmware: 4.3.5 / 2019.01", "TRIX"}, Case{10, "Quorvex PRG", "Quorvex"},
                          Case{30, "Vardeck program version 2018.04.05 / GSM Firmware: 4.3.5", "Cadrel-Unit"},
                          Case{50, "Vantrix software", "Pemo"}}) {
        ScreenRig rig(71, 43, c.brand);
        rig.handOverAndActivate();
        EXPECT_EQ(caption(rig, "Z4Form1"), c.title) << c.brand;
        EXPECT_EQ(caption(rig, "Label3D1"), c.label3d) << c.brand;
    }
    ScreenRig vantrix(71, 43, 50);
    vantrix.handOverAndActivate();
    EXPECT_TRUE(vantrix.visible("Label99"));
    EXPECT_TRUE(vantrix.visible("Contact1"));
    EXPECT_FALSE(vantrix.visible("Label3D1"));
    EXPECT_EQ(caption(vantrix, "Kpernyfelbontsbelltsa1"), "Ablak méret változtatás");
    vantrix.screen.menuClicked("Angol1");
    EXPECT_EQ(caption(vantrix, "Kpernyfelbontsbelltsa1"), "Window size");
    EXPECT_EQ(vantrix.control<controls::Form>("Z4Form1").color(), controls::kButtonFace);
}

TEST(Activation, VersionAndHelpMessages) {
    ScreenRig rig(71, 43, 30);
    rig.handOverAndActivate();
    rig.screen.menuClicked("Verzi1");
    rig.screen.menuClicked("Help1");  // hidden for this brand, still answers when chosen
    ASSERT_EQ(rig.dialogs.messages.size(), 2u);
    EXPECT_EQ(rig.dialogs.messages[0], "Cadrel-unit Program version 2.2");
    EXPECT_EQ(rig.dialogs.messages[1], "Sajnos nincs segítség, majd értesítjük, ha lesz");
}

TEST(Activation, TheRefusedPersonalProfileSettingIsRemembered) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    EXPECT_TRUE(rig.control<MenuItem>("ilts1").checked());
    rig.screen.menuClicked("ilts1");
    EXPECT_FALSE(rig.control<MenuItem>("ilts1").checked());
    EXPECT_EQ(rig.setting("custom"), "False");
    rig.setSetting("custom", "True");
    rig.screen.activate();
    EXPECT_TRUE(rig.control<MenuItem>("ilts1").checked());
}

}  // namespace
}  // namespace vardeck::testing

namespace vardeck::testing {
namespace {

TEST(Profiles, AnOpenedProfileIsTheUsersAndSurvivesActivation) {
    sim::testfiles::TempDir dir("z4screen-profile");
    const std::string path = dir.file("customer.dat");
    {
        ScreenRig rig(71, 43);
        rig.handOverAndActivate();
        rig.typeText("riasztas3", "Pince");
        rig.typeText("Edit2", "Kovacs Bela");
        rig.dialogs.file = path;
        rig.click("BitBtn7");
        ASSERT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    }
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.dialogs.file = path;
    rig.click("BitBtn8");
    EXPECT_EQ(rig.control<Edit>("riasztas3").text(), "Pince");
    EXPECT_EQ(rig.control<Edit>("Edit2").text(), "Kovacs Bela");
    rig.screen.menuClicked("Angol1");
    EXPECT_EQ(rig.control<Edit>("riasztas3").text(), "Pince");
    EXPECT_EQ(rig.control<Edit>("riasztas4").text(), "4 bemenet riasztas");  // from the file, not a default
}

}  // namespace
}  // namespace vardeck::testing
