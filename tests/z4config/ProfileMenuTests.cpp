// The profile commands against real files in a scratch folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "ImageTestSupport.h"
#include "ScriptedDialogs.h"
#include "z4config/ProfileFormat.h"
#include "z4config/Z4ProfileMenu.h"

namespace fs = std::filesystem;
using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

class ProfileMenu : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vardeck-profiles-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        editor.setUpForDeviceType(kTypeTrix);
        menu = std::make_unique<Z4ProfileMenu>(editor, image, environment());
    }
    void TearDown() override { fs::remove_all(dir); }

    ProfileEnvironment environment() {
        ProfileEnvironment env;
        env.dialogs = &dialogs;
        env.settings.read = [this](const std::string& name) { return settings[name]; };
        env.settings.write = [this](const std::string& name, const std::string& text) { settings[name] = text; };
        env.personalProfilePath = (dir / "custom.dat").string();
        env.brandCode = 1;
        env.programTitle = "Vardeck title";
        return env;
    }
    Edit& field(int i) { return editor.get<Edit>(kCustomerFields.at(i)); }
    std::string path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    Z4Editor editor;
    Image image = filledImage(0xFF);
    ScriptedDialogs dialogs;
    std::map<std::string, std::string> settings;
    std::unique_ptr<Z4ProfileMenu> menu;
};

}  // namespace

TEST_F(ProfileMenu, SaveAndOpenBringBackImageAndCustomer) {
    editor.MaskEdit[0]->setText("+36301234567");
    field(0).setText("Kovács Éva");
    field(5).setText("2024.05.06. 10:00");
    dialogs.files = {path("site")};  // no extension: the dialog's default one is added
    ASSERT_TRUE(menu->saveProfile({}));
    EXPECT_EQ(dialogs.filters.back(), "dat");
    ASSERT_EQ(fs::file_size(dir / "site.dat"), 1792u);
    EXPECT_EQ(field(1).text(), " ");  // empty fields are saved, and left, as one space
    EXPECT_EQ(slurp(dir / "site.dat").substr(256, 12), "+36301234567");

    Z4Editor other;
    other.setUpForDeviceType(kTypeTrix);
    Image otherImage = filledImage(0);
    Z4ProfileMenu otherMenu(other, otherImage, environment());
    dialogs.files = {path("site.dat")};
    ASSERT_TRUE(otherMenu.openProfile());
    EXPECT_EQ(other.MaskEdit[0]->text(), "+36301234567");
    EXPECT_EQ(other.get<Edit>("Edit2").text(), "Kovács Éva");
    EXPECT_EQ(other.get<Edit>("Edit3").text(), " ");
    EXPECT_EQ(other.get<Edit>("Edit7").text(), "2024.05.06. 10:00");
    EXPECT_EQ(otherImage[2000], 0);  // bytes beyond the profile keep their contents
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProfileMenu, CancellingChangesNothingButTheFreshEncoding) {
    field(0).setText("");
    EXPECT_FALSE(menu->saveProfile({}));
    EXPECT_EQ(field(0).text(), "");
    EXPECT_EQ(image[8], 1);  // input 1's type byte, encoded before the dialog
    EXPECT_FALSE(menu->openProfile());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProfileMenu, AProfileTooShortForTheDeviceChangesNothing) {
    editor.setUpForDeviceType(kTypeCid);
    spit(dir / "z4.dat", std::string(kShortProfileSize, 'Q'));
    image = randomImage(5);
    const Image before = image;
    field(0).setText("Kept");
    dialogs.files = {path("z4.dat")};
    EXPECT_FALSE(menu->openProfile());
    EXPECT_EQ(image, before);
    EXPECT_EQ(field(0).text(), "Kept");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(kProfileTooShort), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("1792"), std::string::npos);
}

TEST_F(ProfileMenu, FilesThatAreNoProfileAreRefusedWithAReason) {
    spit(dir / "huge.dat", std::string(1 << 20, 'x'));
    fs::create_directory(dir / "folder.dat");
    dialogs.files = {path("huge.dat"), path("folder.dat"), path("missing.dat")};
    const Image before = image;
    EXPECT_FALSE(menu->openProfile());
    EXPECT_FALSE(menu->openProfile());
    EXPECT_FALSE(menu->openProfile());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_NE(dialogs.messages[0].find(kProfileTooLong), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find(kProfileReadFailed), std::string::npos);
    EXPECT_NE(dialogs.messages[2].find(kProfileReadFailed), std::string::npos);
    EXPECT_EQ(image, before);
}

TEST_F(ProfileMenu, AFailedSaveKeepsWhatWasThereAndLeavesNoTemporary) {
    // The new file is written completely, then the rename over a folder fails.
    fs::create_directory(dir / "taken.dat");
    spit(dir / "taken.dat" / "inside", "previous");
    dialogs.files = {path("taken.dat"), path("no-folder/x.dat")};
    field(0).setText("");
    EXPECT_FALSE(menu->saveProfile({}));
    EXPECT_FALSE(menu->saveProfile({}));
    EXPECT_EQ(slurp(dir / "taken.dat" / "inside"), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(field(0).text(), "");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].find(kProfileWriteFailed), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find("no-folder"), std::string::npos);
}

TEST_F(ProfileMenu, ASaveReplacesTheFileWholeAndKeepsItsPermissions) {
    spit(dir / "old.dat", std::string(5000, 'o'));
    fs::permissions(dir / "old.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    dialogs.files = {path("old.dat")};
    ASSERT_TRUE(menu->saveProfile({}));
    EXPECT_EQ(fs::file_size(dir / "old.dat"), 1792u);
    EXPECT_EQ(fs::status(dir / "old.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(ProfileMenu, ThePersonalProfileIsRefusedUntilAllowed) {
    Image saved = randomImage(11);
    spit(dir / "custom.dat", std::string(saved.begin(), saved.begin() + 1024));
    EXPECT_TRUE(menu->personalProfileRefused());
    menu->applyPersonalProfile();
    EXPECT_EQ(image, filledImage(0xFF));

    menu->togglePersonalProfileRefusal();
    EXPECT_EQ(settings["custom"], "False");
    menu->applyPersonalProfile();
    Image expected = filledImage(0xFF);
    std::copy(saved.begin(), saved.begin() + 1024, expected.begin());
    Z4Editor reference;
    decodeImage(expected, reference);  // the decode's own rewrites (accent mapping, 120 and 121)
    EXPECT_EQ(image, expected);
    EXPECT_EQ(editor.MaskEdit[0]->text(), reference.MaskEdit[0]->text());

    menu->togglePersonalProfileRefusal();
    EXPECT_EQ(settings["custom"], "True");
}

TEST_F(ProfileMenu, OnlyTrueChecksTheRefusalAtActivation) {
    menu->togglePersonalProfileRefusal();
    settings["custom"] = "yes";
    menu->applyPersonalProfile();
    EXPECT_FALSE(menu->personalProfileRefused());
    settings["custom"] = "True";
    menu->applyPersonalProfile();
    EXPECT_TRUE(menu->personalProfileRefused());
}

TEST_F(ProfileMenu, AShortPersonalProfileIsIgnoredSilentlyALongOneGivesItsFirst1024Bytes) {
    menu->togglePersonalProfileRefusal();
    for (std::size_t size : {0u, 1023u}) {
        spit(dir / "custom.dat", std::string(size, '\x07'));
        menu->applyPersonalProfile();
        ASSERT_EQ(image, filledImage(0xFF)) << size;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    spit(dir / "custom.dat", std::string(1024, '\x07') + std::string(768, '\x09'));  // a 1792-byte profile
    menu->applyPersonalProfile();
    EXPECT_EQ(image[0], 0x07);
    EXPECT_EQ(image[1023], 0x07);
    EXPECT_EQ(image[1024], 0xFF);
}

TEST_F(ProfileMenu, SavingThePersonalProfileWritesTheImageAsItStands) {
    image = randomImage(12);
    editor.MaskEdit[0]->setText("+361");  // not encoded first
    ASSERT_TRUE(menu->savePersonalProfile());
    EXPECT_EQ(slurp(dir / "custom.dat"), std::string(image.begin(), image.begin() + 1024));
}

TEST_F(ProfileMenu, CustomerDefaultsFillOnlyEmptyFields) {
    field(4).setText("Mine");
    menu->fillCustomerDefaults("T-RIX GSM", "2024.01.02. 3:04");
    EXPECT_EQ(field(4).text(), "Mine");
    EXPECT_EQ(field(5).text(), "2024.01.02. 3:04");
}

TEST_F(ProfileMenu, TheWindowIsScaledOnceAtTheFirstActivation) {
    EXPECT_FALSE(menu->firstActivationScale());
    EXPECT_EQ(settings["monitor"], "2");
    Z4ProfileMenu fresh(editor, image, environment());
    settings["monitor"] = "3";
    const auto scale = fresh.firstActivationScale();
    ASSERT_TRUE(scale);
    EXPECT_EQ(scale->numerator, 4);
    EXPECT_EQ(scale->denominator, 3);
    EXPECT_EQ(scale->left, 5);
    EXPECT_FALSE(fresh.firstActivationScale());
    EXPECT_FALSE(windowScaleFor("7"));
    EXPECT_EQ(windowScaleFor("0")->denominator, 2);
}

TEST_F(ProfileMenu, HelpAndVersionMessages) {
    menu->showHelp();
    menu->showVersion();
    ProfileEnvironment env = environment();
    env.brandCode = 10;
    Z4ProfileMenu quorvex(editor, image, env);
    quorvex.showVersion();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0], kHelpMessage);
    EXPECT_EQ(dialogs.messages[1], "Vardeck title");
    EXPECT_EQ(dialogs.messages[2], "Quorvex Programska različica 2.1");
}
