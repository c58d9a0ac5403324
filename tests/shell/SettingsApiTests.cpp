#include <gtest/gtest.h>
#include <stdlib.h>

#include "settings/Settings.h"
#include "settings/SettingsStoreFile.h"
#include "settings/SettingsStoreMemory.h"
#include "tests/shell/TempFolder.h"

using namespace vardeck;
using vardeck::testing::TempFolder;

namespace {

const std::string kTrix = "\\software\\GSM\\TRIX";

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = ::getenv(name)) previous_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (previous_) {
            ::setenv(name_, previous_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> previous_;
};

}  // namespace

TEST(SettingsApi, ReadAndWriteGoThroughTheInstalledStore) {
    auto memory = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scope(memory);
    EXPECT_EQ(ReadSetting(kTrix, "Language"), "");
    WriteSetting(kTrix, "Language", "3");
    EXPECT_FALSE(settingsLastWriteFailed());
    EXPECT_EQ(ReadSetting(kTrix, "language"), "3");
    EXPECT_EQ(memory->read(kTrix, "Language"), "3");
}

TEST(SettingsApi, RefusedWriteIsSilentButFlaggedUntilTheNextGoodOne) {
    auto memory = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scope(memory);
    WriteSetting(kTrix, "StartDate", "old");
    memory->setRefuseWrites(true);
    WriteSetting(kTrix, "StartDate", "new");
    EXPECT_TRUE(settingsLastWriteFailed());
    EXPECT_EQ(ReadSetting(kTrix, "StartDate"), "old");
    memory->setRefuseWrites(false);
    WriteSetting(kTrix, "StartDate", "new");
    EXPECT_FALSE(settingsLastWriteFailed());
    EXPECT_EQ(memory->writeCount(), 3);
}

TEST(SettingsApi, ScopedStoreRestoresThePreviousOne) {
    auto outer = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore outerScope(outer);
    WriteSetting(kTrix, "mode", "outer");
    {
        ScopedSettingsStore inner(std::make_shared<MemorySettingsStore>());
        EXPECT_EQ(ReadSetting(kTrix, "mode"), "");
        WriteSetting(kTrix, "mode", "inner");
    }
    EXPECT_EQ(ReadSetting(kTrix, "mode"), "outer");
}

TEST(SettingsApi, DefaultStoreFollowsVardeckSettingsAtEveryCall) {
    TempFolder folder;
    ScopedSettingsStore defaultStore(nullptr);
    {
        ScopedEnvironment env("VARDECK_SETTINGS", folder.file("one.ini").c_str());
        WriteSetting(kTrix, "comport", "COM7");
        EXPECT_FALSE(settingsLastWriteFailed());
        EXPECT_EQ(ReadSetting(kTrix, "comport"), "COM7");
    }
    ScopedEnvironment env("VARDECK_SETTINGS", folder.file("two.ini").c_str());
    EXPECT_EQ(ReadSetting(kTrix, "comport"), "");
    EXPECT_EQ(FileSettingsStore(folder.file("one.ini")).read(kTrix, "comport"), "COM7");

    ScopedEnvironment unwritable("VARDECK_SETTINGS", folder.file("one.ini/below-a-file.ini").c_str());
    WriteSetting(kTrix, "comport", "COM8");
    EXPECT_TRUE(settingsLastWriteFailed());
    EXPECT_EQ(ReadSetting(kTrix, "comport"), "");
}

TEST(SettingsApi, DefaultPathIsInTheUsersConfigurationFolder) {
    ScopedEnvironment noOverride("VARDECK_SETTINGS", nullptr);
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(defaultSettingsPath(), "/cfg/vardeck/settings.ini");
    }
    ScopedEnvironment relative("XDG_CONFIG_HOME", "relative/cfg");  // not absolute: ignored
    ScopedEnvironment home("HOME", "/home/installer");
    EXPECT_EQ(defaultSettingsPath(), "/home/installer/.config/vardeck/settings.ini");
    ScopedEnvironment empty("VARDECK_SETTINGS", "");
    EXPECT_EQ(defaultSettingsPath(), "/home/installer/.config/vardeck/settings.ini");
}
