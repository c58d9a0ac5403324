// The "Írás ellenőrzése" menu item: kept in the settings, and a module that holds
// other bytes than were written shows where.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "tests/z4screen/ScreenRig.h"

namespace vardeck::testing {
namespace {

TEST(VerifyScreen, TheMenuItemIsKeptAndADifferenceIsShown) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_FALSE(rig.screen.engine().verifyAfterWrite());
    rig.screen.menuClicked("IrasEllenorzese1");
    EXPECT_EQ(rig.setting("verify"), "1");
    EXPECT_TRUE(rig.screen.engine().verifyAfterWrite());

    rig.model.setStuck(500, 0x01);
    rig.click("BitBtn1");
    ASSERT_TRUE(rig.runUntilIdle());
    for (int i = 0; i < 500 && !rig.screen.engine().verifyDifferences().size(); ++i) rig.tick();
    ASSERT_FALSE(rig.dialogs.messages.empty());
    EXPECT_NE(rig.dialogs.messages.back().find("  500: "), std::string::npos) << rig.dialogs.messages.back();
    EXPECT_EQ(rig.status(), "Ellenőrzés sikertelen: a modul mást tárol, mint amit írtunk!");

    ScreenRig again(71, 43);
    again.setSetting("verify", "1");
    again.handOverAndActivate();
    EXPECT_TRUE(again.screen.menus().find("IrasEllenorzese1") != nullptr);
    EXPECT_TRUE(again.screen.engine().verifyAfterWrite());
}

}  // namespace
}  // namespace vardeck::testing

namespace vardeck::testing {
namespace {

TEST(CompareScreen, TheEditorIsComparedWithAFileControlByControl) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    const std::string demo =
        (std::filesystem::path(__FILE__).parent_path() / "../../resources/demo/trix-demo.img").string();
    rig.dialogs.file = demo;
    rig.screen.menuClicked("Osszehasonlitas1");
    ASSERT_FALSE(rig.dialogs.messages.empty());
    EXPECT_NE(rig.dialogs.messages.back().find("MaskEdit1"), std::string::npos) << rig.dialogs.messages.back();

    const std::string odd = (std::filesystem::temp_directory_path() / ("vardeck-compare-odd-" + std::to_string(::getpid()) + ".img")).string();
    std::ofstream(odd, std::ios::binary) << std::string(100, 'x');
    rig.dialogs.file = odd;
    rig.screen.menuClicked("Osszehasonlitas1");
    EXPECT_NE(rig.dialogs.messages.back().find("100 bytes"), std::string::npos);
    std::filesystem::remove(odd);
}

}  // namespace
}  // namespace vardeck::testing
