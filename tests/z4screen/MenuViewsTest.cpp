// The views of the menu bar as the screen opens them, the version reply's split
// between editor and screen, and brand 20's help texts and English captions.
#include <gtest/gtest.h>

#include "tests/sim/TestFiles.h"
#include "tests/z4screen/ScreenRig.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/VersionEffects.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::testing {
namespace {

using controls::Edit;
using z4screen::MenuView;

struct OpenedViews {
    explicit OpenedViews(ScreenRig& rig) {
        rig.screen.openView = [this](MenuView view) { opened.push_back(view); };
    }
    std::vector<MenuView> opened;
};

std::string caption(ScreenRig& rig, const std::string& name) { return rig.screen.targets().find(name)->caption(); }

TEST(MenuViews, TheManualsShowTheConnectedModel) {
    ScreenRig kvex(71, 43, 40);
    OpenedViews views(kvex);
    kvex.handOverAndActivate();
    kvex.screen.menuClicked("Bektsirajz1");
    ASSERT_EQ(views.opened, std::vector<MenuView>{MenuView::Wiring});
    const z4screen::WiringView& wiring = kvex.screen.menuViews().wiring;
    EXPECT_EQ(wiring.Z4Form4.caption(), "K-VEX");
    EXPECT_EQ(wiring.TabSheet4.caption(), "K-VEX");
    EXPECT_TRUE(wiring.Image2.visible());

    ScreenRig z1(80, 43);
    OpenedViews z1Views(z1);
    z1.handOverAndActivate();
    z1.screen.menuClicked("Bektsirajz1");
    z1.screen.menuClicked("eleptilers1");
    EXPECT_EQ(z1Views.opened, (std::vector<MenuView>{MenuView::Wiring, MenuView::InstallerDescription}));
    EXPECT_EQ(z1.screen.menuViews().wiring.Z4Form4.caption(), "Z-1");
    EXPECT_FALSE(z1.screen.menuViews().wiring.Image2.visible());  // one output only
    EXPECT_EQ(z4screen::wiringTerminals(80).size(), 6u);
    EXPECT_NE(z1.screen.menuViews().installer.Memo1.caption().find("BE1, BE2"), std::string::npos);
}

TEST(MenuViews, TheContactViewShowsTheStartDirectorysFileEachTimeItOpens) {
    sim::testfiles::TempDir dir("z4screen-contact");
    ScreenRig rig(71, 43, 50, dir.path().string());
    OpenedViews views(rig);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.visible("Contact1"));
    const z4screen::ContactView& contact = rig.screen.menuViews().contact;
    EXPECT_EQ(contact.Memo1.caption(), "Not contact");

    rig.screen.menuClicked("Contact1");  // no file: an empty area, no message
    EXPECT_EQ(contact.Memo1.caption(), "");
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(contact.Image1.picture(), "fallback");

    const std::string text = "Ostera Kft.\r\nTel: +36 1 234 5678\r\n";
    sim::testfiles::writeFile(dir.file("contact.txt"), sim::Bytes(text.begin(), text.end()));
    sim::testfiles::writeFile(dir.file("logo.jpg"), sim::Bytes{0xFF, 0xD8});
    rig.screen.menuClicked("Contact1");
    EXPECT_EQ(contact.Memo1.caption(), "Ostera Kft.\nTel: +36 1 234 5678\n");
    EXPECT_EQ(contact.Image1.picture(), dir.file("logo.jpg"));
    EXPECT_EQ(views.opened.size(), 2u);
}

TEST(MenuViews, TheWindowSizeViewStoresTheChoiceInTheLanguageOfTheScreen) {
    ScreenRig rig(71, 43);
    OpenedViews views(rig);
    rig.handOverAndActivate();
    z4config::WindowSizeView& sizes = rig.screen.menuViews().windowSize;

    rig.screen.menuClicked("Angol1");
    rig.screen.menuClicked("Kpernyfelbontsbelltsa1");
    ASSERT_EQ(views.opened, std::vector<MenuView>{MenuView::WindowSize});
    EXPECT_EQ(sizes.RadioGroup1.itemIndex(), 2);  // the first activation stored "2"
    EXPECT_EQ(sizes.caption(), "Screen");
    EXPECT_EQ(sizes.RadioGroup1.caption(), "Size screen");
    EXPECT_EQ(sizes.Button1.caption(), "OK");

    sizes.RadioGroup1.setItemIndex(3);
    rig.screen.windowSizeConfirmed();
    EXPECT_EQ(rig.setting("monitor"), "3");
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0], "Restart program...");

    // German has no texts for the view: it keeps the English ones; Hungarian has none
    // for the title either, and shows the design title again.
    rig.screen.menuClicked("German1");
    rig.screen.menuClicked("Kpernyfelbontsbelltsa1");
    EXPECT_EQ(sizes.caption(), "Screen");
    EXPECT_EQ(sizes.RadioGroup1.itemIndex(), 3);
    rig.screen.menuClicked("Magyar1");
    rig.screen.menuClicked("Kpernyfelbontsbelltsa1");
    EXPECT_EQ(sizes.caption(), "Képernyő");
    EXPECT_EQ(sizes.RadioGroup1.caption(), "Képernyőfelbontás");
    EXPECT_EQ(sizes.Button1.caption(), "Rendben");
}

// The editor adapts its own controls, the screen the rest; each rule reaches its
// control from one place.
TEST(VersionReply, EveryRuleReachesItsControl) {
    ScreenRig cid(100, 43);
    cid.handOverAndActivate();
    ASSERT_TRUE(cid.runUntilIdle());
    EXPECT_FALSE(cid.visible("CheckEgyeb4"));  // the editor's
    EXPECT_FALSE(cid.visible("Label64"));      // the screen's
    EXPECT_FALSE(cid.visible("Karbantarts1"));
    EXPECT_FALSE(cid.screen.menus().find("Bektsirajz1")->enabled());
    OpenedViews views(cid);
    cid.screen.menuClicked("Bektsirajz1");
    EXPECT_TRUE(views.opened.empty());

    ScreenRig z1(80, 43);
    z1.handOverAndActivate();
    EXPECT_TRUE(z1.visible("TabSheet16"));  // the Z-1's page set has it
    ASSERT_TRUE(z1.runUntilIdle());
    EXPECT_FALSE(z1.visible("TabSheet16"));
    EXPECT_TRUE(z1.screen.statusTemperatureHidden());

    for (int type : {70, 71, 80, 90, 100}) {
        for (int version : {15, 17, 18, 29, 33, 35, 40, 43}) {
            for (const ControlEffect& effect : versionEffects(version, type)) {
                EXPECT_EQ(z1.screen.editor().controls().find(effect.control), nullptr) << effect.control;
            }
        }
    }
}

TEST(AreaBrand, HelpTextsShowInTheWindowColourBelowTheMovedButtons) {
    ScreenRig plain(71, 43);
    EXPECT_FALSE(plain.visible("RichEdit1"));
    EXPECT_FALSE(plain.visible("Memo6"));
    EXPECT_EQ(plain.control<controls::Control>("BitBtn4").placement(), controls::Placement{});

    ScreenRig area(71, 43, 20);
    for (const char* name : {"RichEdit1", "Memo1", "Memo2", "Memo3", "Memo4", "Memo5", "Memo6"}) {
        EXPECT_TRUE(area.visible(name)) << name;
        EXPECT_EQ(area.control<controls::Panel>(name).color(), z4screen::kConfiguratorColor) << name;
    }
    const controls::Placement& button = area.control<controls::Control>("BitBtn4").placement();
    EXPECT_EQ(button.top, 425);
    EXPECT_EQ(button.leftShift, -100);
    const controls::Placement& help = area.control<controls::Control>("RichEdit1").placement();
    EXPECT_EQ(help.top, 475);
    EXPECT_EQ(help.width, 465);
    EXPECT_EQ(help.height, 90);
    EXPECT_EQ(area.control<controls::Control>("Memo6").placement().height, 177);
    EXPECT_EQ(area.control<controls::Control>("Z4Form1").placement().heightShift, -110);
}

TEST(AreaBrand, EnglishCaptionsNameTheAreas) {
    ScreenRig rig(71, 43, 20);
    rig.setSetting("Language", "1");
    rig.handOverAndActivate();
    EXPECT_EQ(caption(rig, "TabSheet2"), "Area 1");
    EXPECT_EQ(caption(rig, "TabSheet3"), "Area 2");
    EXPECT_EQ(caption(rig, "TabSheet4"), "In3");
    EXPECT_EQ(caption(rig, "TabSheet5"), "In4");
    EXPECT_EQ(caption(rig, "TabSheet11"), "Area 3");
    for (int area = 1; area <= 4; ++area) {
        const std::string field = area == 1 ? "riasztas" : "riasztas" + std::to_string(area);
        EXPECT_EQ(rig.control<Edit>(field).text(), "Area #" + std::to_string(area));
    }
    EXPECT_EQ(rig.control<Edit>("riasztas9").text(), "Area #3 or Tamper");
    // Hungarian keeps the page captions of the design.
    rig.screen.menuClicked("Magyar1");
    EXPECT_EQ(caption(rig, "TabSheet2"), "Be1");
    EXPECT_EQ(rig.control<Edit>("riasztas2").text(), "Area #2");
}

}  // namespace
}  // namespace vardeck::testing
