// The GSM page and menu of the configurator: prompts, refusals that send nothing,
// the SIM name files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "tests/z4screen/ScreenRig.h"
#include "z4config/SimNameFile.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

struct GsmRig : ScreenRig {
    GsmRig() : ScreenRig(71, 43) {
        handOverAndActivate();
        EXPECT_TRUE(runUntilIdle());
        model.clearFrameLog();
    }
    controls::Grid& grid() { return control<controls::Grid>("StringGrid1"); }
};

TEST(GsmScreen, RefusedInputSendsNothing) {
    GsmRig rig;
    for (const char* pin : {"123", "12345"}) {
        rig.dialogs.prompts = {std::string(pin)};
        rig.screen.menuClicked("SIMPINkdkikapcsolsa1");
        EXPECT_EQ(rig.dialogs.messages.back(), "Bad PIN");
    }
    EXPECT_EQ(rig.dialogs.promptCaptions.back(), "PIN kód kikapcsolás");
    rig.screen.menuClicked("SMSkzponttelefonszm1");
    rig.screen.diagnosticClicked(MenuView::SmsCentre, "BitBtn1");
    EXPECT_EQ(rig.dialogs.messages.back(), "Hiba, nincs megadva a telefonszám");
    for (int i = 0; i < 30; ++i) rig.tick();
    EXPECT_TRUE(rig.model.frameLog().empty());
    EXPECT_EQ(rig.screen.engine().vars().state, 0);

    rig.screen.diagnosticClicked(MenuView::SmsCentre, "Button2");
    EXPECT_EQ(rig.screen.gsm().smsCentre.Edit1.text(), "+36209300099");
}

TEST(GsmScreen, SimNameFilesRoundTripAndABadFileLeavesTheGridAlone) {
    GsmRig rig;
    rig.click("Button2");
    rig.click("Button2");
    ASSERT_EQ(rig.grid().rowCount(), 4);
    rig.grid().setCell(1, 1, "+36301234567");
    rig.grid().setCell(1, 2, "Kapu nyitó");
    rig.grid().setCell(3, 1, "112");
    const auto dir = std::filesystem::temp_directory_path() / ("vardeck-sim-names-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    rig.dialogs.file = (dir / "names.sim").string();
    rig.click("Button3");
    std::ifstream in(*rig.dialogs.file, std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), {});
    const std::string head = "4\r\n+36301234567\r\nKapu nyit\xF3\r\n\r\n\r\n112\r\n";
    EXPECT_EQ(saved.substr(0, head.size()), head);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), z4config::SimNames::kLines);

    rig.grid().setCell(1, 2, "más");
    rig.click("Button4");
    EXPECT_EQ(rig.grid().cell(1, 2), "Kapu nyitó");

    for (const std::string& bad : {std::string("4\r\n1\r\n"), std::string(600, '\n'), std::string("4\n\0\n", 4)}) {
        std::ofstream(*rig.dialogs.file, std::ios::binary) << bad;
        rig.grid().setCell(3, 1, "112");
        rig.click("Button4");
        EXPECT_EQ(rig.grid().cell(3, 1), "112");
        EXPECT_EQ(rig.grid().rowCount(), 4);
        EXPECT_NE(rig.dialogs.messages.back().find(*rig.dialogs.file + ": "), std::string::npos);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vardeck::testing

namespace vardeck::testing {
namespace {

bool tickUntil(ScreenRig& rig, const std::function<bool()>& done, int maxTicks = 3000) {
    for (int i = 0; i < maxTicks && !done(); ++i) rig.tick();
    return done();
}

TEST(GsmScreen, SmsCentreAndBalanceViewsTalkToTheModemAndLeaveModemModeOnClose) {
    GsmRig rig;
    rig.screen.menuClicked("SMSkzponttelefonszm1");
    rig.screen.diagnosticClicked(MenuView::SmsCentre, "Button1");
    rig.screen.diagnosticClicked(MenuView::SmsCentre, "BitBtn1");
    EXPECT_EQ(rig.screen.gsm().smsCentre.Label2.caption(), "Beállítás folyamatban!");
    ASSERT_TRUE(tickUntil(rig, [&] { return rig.screen.gsm().smsCentre.Label2.caption() == "Sikeres bejegyzés"; }));
    EXPECT_EQ(rig.model.gsmModem().smsCentre(), "+36309888000");
    EXPECT_TRUE(rig.model.inModemMode());
    rig.screen.viewClosed(MenuView::SmsCentre);
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_FALSE(rig.model.inModemMode());

    rig.screen.menuClicked("EgyenleglekrdezsTMobile1");
    z4screen::BalanceView& balance = rig.screen.gsm().balance;
    EXPECT_EQ(balance.Panel1.color(), controls::kRed);
    ASSERT_TRUE(tickUntil(rig, [&] { return !balance.Memo1.text().empty(); }));
    EXPECT_EQ(balance.Panel1.caption(), "Sikeresen végrehajtva...");
    // Grave accents of the network's text are shown as acute ones.
    EXPECT_NE(balance.Memo1.text().find("érvényes"), std::string::npos) << balance.Memo1.text();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_FALSE(rig.model.inModemMode());
}

TEST(GsmScreen, PromptsAndTheTestSmsFollowTheLanguage) {
    GsmRig rig;
    rig.screen.menuClicked("Angol1");
    rig.dialogs.prompts = {std::string("+36301234567")};
    rig.screen.menuClicked("SMStest1");
    EXPECT_EQ(rig.dialogs.promptCaptions.back(), "SMS test");
    ASSERT_TRUE(tickUntil(rig, [&] { return !rig.model.gsmModem().messages().empty(); }));
    const sim::Bytes& sms = rig.model.gsmModem().messages().back().text;
    EXPECT_EQ(std::string(sms.begin(), sms.end()), "Test SMS");
    // The module stays in modem mode after a test SMS; the status bar says so.
    EXPECT_NE(rig.status().find("The module stays in GSM modem mode: restart it!"), std::string::npos) << rig.status();

    rig.screen.menuClicked("Adathvsellenrzs1");
    EXPECT_EQ(rig.dialogs.promptCaptions.back(), "Data call");
}

}  // namespace
}  // namespace vardeck::testing
