#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "ScriptedDialogs.h"
#include "z4config/WindowSizeView.h"
#include "z4config/Z4Editor.h"
#include "z4config/Z4MenuViews.h"

namespace fs = std::filesystem;
using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;

namespace {

SettingsAccess mapSettings(std::map<std::string, std::string>& values) {
    return {[&values](const std::string& n) { return values[n]; },
            [&values](const std::string& n, const std::string& t) { values[n] = t; }};
}

class ContactFile : public ::testing::Test {
protected:
    void SetUp() override { path = fs::temp_directory_path() / ("vardeck-contact-" + std::to_string(::getpid()) + ".txt"); }
    void TearDown() override { fs::remove(path); }
    std::string show(const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        return contactText(path.string());
    }
    fs::path path;
};

}  // namespace

TEST(WindowSizeView, StoresTheChoiceAndAsksForARestart) {
    std::map<std::string, std::string> settings;
    WindowSizeView view(1, mapSettings(settings));
    view.activate();
    EXPECT_EQ(settings["monitor"], "1");
    EXPECT_EQ(view.RadioGroup1.itemText(), "800 X 600");
    EXPECT_FALSE(view.Label1.visible());
    view.RadioGroup1.setItemIndex(3);
    ScriptedDialogs dialogs;
    EXPECT_TRUE(view.confirm(dialogs));
    EXPECT_EQ(settings["monitor"], "3");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Restart program..."});
}

TEST(WindowSizeView, Brand50ShowsTheNoteInsteadOfTheMessage) {
    std::map<std::string, std::string> settings{{"monitor", "4"}};
    WindowSizeView view(50, mapSettings(settings));
    view.activate();
    EXPECT_EQ(view.RadioGroup1.itemIndex(), 4);
    EXPECT_TRUE(view.Label1.visible());
    ScriptedDialogs dialogs;
    view.confirm(dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(WindowSizeView, AValueOfNoItemKeepsTheSelection) {
    std::map<std::string, std::string> settings{{"monitor", "17"}};
    WindowSizeView view(1, mapSettings(settings));
    view.activate();
    EXPECT_EQ(view.RadioGroup1.itemIndex(), 1);
    EXPECT_EQ(settings["monitor"], "17");
}

TEST(WiringView, CaptionFollowsModelAndBrand) {
    EXPECT_EQ(wiringViewTexts(kTypeZ4, 1).caption, "Z-4");
    EXPECT_EQ(wiringViewTexts(kTypeTrix, 1).caption, "T-RIX");
    EXPECT_FALSE(wiringViewTexts(kTypeTrix, 1).tabSheet4Caption);
    EXPECT_EQ(wiringViewTexts(kTypeTrix, 40).caption, "K-VEX");
    EXPECT_EQ(wiringViewTexts(kTypeZ4, 41).tabSheet4Caption, "TORVEL");
    EXPECT_FALSE(wiringViewTexts(kTypeZ1, 1).secondPictureVisible);
    EXPECT_EQ(wiringViewTexts(kTypeGps, 1).caption, "Z-GPS");
    EXPECT_FALSE(wiringViewTexts(kTypeCid, 1).caption);
}

TEST_F(ContactFile, LinesAreShownInEitherEncoding) {
    EXPECT_EQ(show("Kft.\r\nTel: 1\r\n"), "Kft.\nTel: 1\n");
    EXPECT_EQ(show("\xC1rp\xE1\x64 utca"), "Árpád utca");  // code page 1250
    EXPECT_EQ(show("Árpád\tutca"), "Árpád\tutca");
}

TEST_F(ContactFile, MissingFileLeavesTheAreaEmpty) {
    EXPECT_EQ(contactText((path.parent_path() / "no-such-contact.txt").string()), "");
}

TEST_F(ContactFile, BinaryAndHugeFilesAreShownSafelyWithANote) {
    const std::string binary = show(std::string("\x7F" "ELF\0\x01\x02 text", 12));
    EXPECT_EQ(binary.substr(0, 4), "?ELF");
    EXPECT_EQ(binary.find('\0'), std::string::npos);
    EXPECT_NE(binary.find(kContactNotTextNote), std::string::npos);

    std::string huge;
    for (int i = 0; i < 40000; ++i) huge += "árvíztűrő\n";  // UTF-8 cut in the middle of a letter
    const std::string shown = show(huge);
    EXPECT_LT(shown.size(), kContactMaxBytes + 200);
    EXPECT_EQ(shown.substr(0, 14), "árvíztűrő\n");
    EXPECT_NE(shown.find(kContactTruncatedNote), std::string::npos);
    EXPECT_EQ(shown.find(kContactNotTextNote), std::string::npos);
}
