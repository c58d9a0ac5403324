#include <gtest/gtest.h>

#include "tests/shell/SearchTestSupport.h"

namespace vardeck {
namespace {

using testing::SearchRig;

TEST(Startup, FirstStartAsksForTheLanguage) {
    SearchRig rig;
    rig.form1().FormActivate();
    rig.clock.advance(249);
    EXPECT_TRUE(rig.host.calls.empty());
    rig.clock.advance(1);
    EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"hideForm1", "showLanguageView"}));
    EXPECT_FALSE(rig.screens->startup.startTimer.enabled());

    rig.screens->form10.Image2Click();
    EXPECT_EQ(rig.stored("Language"), "1");
    EXPECT_EQ(rig.host.calls.back(), "closeLanguageView");
    rig.screens->form10.FormClose();  // the view's own close event: harmless twice
    rig.clock.advance(250);
    EXPECT_EQ(rig.host.calls.back(), "showSearchView");
    EXPECT_FALSE(rig.screens->startup.startTimer.enabled());

    rig.form8().FormActivate();  // the view comes up in English
    EXPECT_EQ(rig.form8().Form8.caption(), "Search... TRIX");
    EXPECT_EQ(rig.stored("StartDir"), "/start");
    EXPECT_NE(rig.stored("StartDate"), "<missing>");
    EXPECT_EQ(rig.stored("comport"), "<missing>");
}

TEST(Startup, AModuleAnsweringDuringTheLanguageQuestionIsHandedOverOnlyAfterIt) {
    SearchRig rig;
    rig.form1().FormActivate();
    rig.clock.advance(250);
    ASSERT_EQ(rig.host.calls.back(), "showLanguageView");
    rig.channel.writes.clear();
    ASSERT_FALSE(rig.nextWrite().empty());  // the search runs behind the question
    rig.channel.deliver(testing::identificationReply(71));
    rig.clock.advance(6000);
    EXPECT_EQ(rig.host.count("openZ4Configurator 71"), 0);

    rig.screens->form10.Image2Click();
    rig.clock.advance(2500);
    EXPECT_EQ(rig.host.count("openZ4Configurator 71"), 1);
    EXPECT_EQ(rig.stored("Language"), "1");
}

TEST(Startup, KnownLanguageGoesStraightToTheSearch) {
    SearchRig rig;
    rig.store("Language", "3");
    rig.clock.advance(250);
    EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"hideForm1", "showSearchView"}));
}

TEST(Startup, Brand20NeverAsks) {
    SearchRig rig(20);
    rig.clock.advance(250);
    EXPECT_EQ(rig.stored("Language"), "1");
    EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"hideForm1", "showSearchView"}));
}

}  // namespace
}  // namespace vardeck
