// The page set of each device type, tab changes with their refresh and leaving rules,
// and the phone field's context menu.
#include <gtest/gtest.h>

#include <set>

#include "tests/z4screen/ScreenRig.h"
#include "controls/Controls.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::testing {
namespace {

using controls::CheckList;
using controls::Edit;

std::set<std::string> visiblePages(ScreenRig& rig) {
    std::set<std::string> pages;
    for (const z4screen::PageEntry& page : z4screen::pageOrder()) {
        if (rig.visible(page.name)) pages.insert(page.name);
    }
    return pages;
}

struct PageSetCase {
    int code;
    std::set<std::string> pages;
};

class PageSetTest : public ::testing::TestWithParam<PageSetCase> {};

TEST_P(PageSetTest, TheHandOverShowsThePagesOfTheModel) {
    const PageSetCase& c = GetParam();
    ScreenRig rig(c.code, 43);
    rig.handOverAndActivate(0);
    std::set<std::string> want = c.pages;
    want.insert({"TabSheet24", "TabSheet27"});  // left to the firmware version (4.3 has both)
    EXPECT_EQ(visiblePages(rig), want);
    EXPECT_EQ(rig.screen.deviceType(), c.code);
    EXPECT_EQ(rig.visible("MaskEdit5"), c.code != 80);
    EXPECT_EQ(rig.visible("Label9"), c.code != 80);
    EXPECT_EQ(rig.visible("ComboKi2"), c.code != 80);
    EXPECT_EQ(rig.visible("Label82"), c.code == 71);
    EXPECT_EQ(rig.visible("SpinEdit11"), c.code == 100);
    EXPECT_EQ(rig.visible("Button5"), c.code == 100);
    EXPECT_FALSE(rig.screen.editor().StatusBar1.panel(1).empty());
}

const std::set<std::string> kZ4Pages = {"TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet4",
                                        "TabSheet5",  "TabSheet10", "TabSheet11", "TabSheet12",
                                        "TabSheet13", "TabSheet14", "TabSheet15"};

std::set<std::string> plus(std::set<std::string> pages, std::initializer_list<const char*> more) {
    for (const char* p : more) pages.insert(p);
    return pages;
}

INSTANTIATE_TEST_SUITE_P(
    Models, PageSetTest,
    ::testing::Values(PageSetCase{70, plus(kZ4Pages, {"TabSheet16"})}, PageSetCase{71, plus(kZ4Pages, {"TabSheet22"})},
                      PageSetCase{80, {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet10", "TabSheet11", "TabSheet13",
                                       "TabSheet14", "TabSheet15", "TabSheet16"}},
                      PageSetCase{90, plus(kZ4Pages, {"TabSheet17", "TabSheet18", "TabSheet19"})},
                      PageSetCase{100, {"TabSheet1", "TabSheet14", "TabSheet20", "TabSheet21"}}));

TEST(Pages, ThePlaceholderInputPagesSendTheUserToTheFirstPage) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.screen.pageSelected("TabSheet3");
    EXPECT_EQ(rig.screen.activePage(), "TabSheet3");
    rig.screen.pageSelected("TabSheet7");
    EXPECT_EQ(rig.screen.activePage(), "TabSheet1");
}

TEST(Pages, ShowingAPageCaptionsItsListsAfterThePhoneNumbers) {
    ScreenRig rig(80, 43);
    rig.handOverAndActivate();
    rig.typeText("MaskEdit2", "+36301112233");
    rig.screen.pageSelected("TabSheet2");
    const auto& sms = rig.control<CheckList>("SMSst1");
    EXPECT_EQ(sms.itemCaption(0), "Phone1");
    EXPECT_FALSE(sms.itemEnabled(0));
    EXPECT_EQ(sms.itemCaption(1), "+36301112233");
    EXPECT_TRUE(sms.itemEnabled(1));
    EXPECT_EQ(sms.itemCaption(5), "");  // a Z-1 has four phone numbers
}

TEST(Pages, LeavingOtherWithAShortSecurityCodeWarnsOnce) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.screen.pageSelected("TabSheet14");
    rig.typeText("Edit1", "123");
    rig.screen.pageSelected("TabSheet1");
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0], "Biztonsági kód nem megfelelő");
    rig.screen.menuClicked("Angol1");
    rig.screen.pageSelected("TabSheet14");
    rig.screen.pageSelected("TabSheet2");
    EXPECT_EQ(rig.dialogs.messages.back(), "Security PIN does not match");
}

TEST(Pages, TheAccentWarningComesOncePerPageVisit) {
    ScreenRig rig(71, 32);
    rig.handOverAndActivate();
    ASSERT_TRUE(rig.runUntilIdle());
    rig.screen.pageSelected("TabSheet2");
    rig.typeText("riasztas", "Bejárat é");
    rig.typeText("riasztas", "Bejárat éá");
    EXPECT_EQ(rig.dialogs.messages.size(), 1u);
    rig.screen.pageSelected("TabSheet3");
    rig.typeText("riasztas2", "ő");
    EXPECT_EQ(rig.dialogs.messages.size(), 2u);
}

TEST(Pages, ThePhoneFieldMenuSetsTheField) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    rig.screen.phoneMenuClicked(3, "+3620");
    EXPECT_EQ(rig.control<Edit>("MaskEdit3").text(), "+3620");
    rig.screen.phoneMenuClicked(3, "Delete");
    EXPECT_EQ(rig.control<Edit>("MaskEdit3").text(), "");
}

TEST(Pages, TheSmsHeaderCounterAndAccessPointPresets) {
    ScreenRig rig(100, 43);
    rig.handOverAndActivate();
    rig.typeText("Edit12", "Riaszto");
    EXPECT_EQ(rig.control<controls::Control>("Label181").caption(), "113");
    rig.control<controls::ComboBox>("ComboBox14").setItemIndex(1);
    rig.click("ComboBox14");
    EXPECT_FALSE(rig.control<Edit>("Edit10").text().empty());
    rig.control<controls::ComboBox>("ComboBox14").setItemIndex(0);
    rig.click("ComboBox14");
    EXPECT_TRUE(rig.control<Edit>("Edit10").text().empty());
}

TEST(Pages, ControlsOfLaterOperationsStayDisabled) {
    ScreenRig rig(71, 43);
    rig.handOverAndActivate();
    for (const std::string& name : z4screen::notYetAvailableControls()) {
        EXPECT_FALSE(rig.screen.targets().find(name)->enabled()) << name;
    }
}

}  // namespace
}  // namespace vardeck::testing
