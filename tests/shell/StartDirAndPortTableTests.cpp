#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "serial/PortNames.h"
#include "brand/Brand.h"
#include "shell/PortTable.h"
#include "settings/Settings.h"
#include "settings/SettingsStoreMemory.h"
#include "settings/DataFolders.h"
#include "settings/StartDir.h"
#include "tests/shell/TempFolder.h"

using namespace vardeck;

namespace {

// Runs the test in another working directory and returns to the old one.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& dir) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace

TEST(StartDir, FilesAreLookedForWhereTheProgramStarted) {
    vardeck::testing::TempFolder folder;
    std::string started = std::filesystem::canonical(folder.path()).string();
    {
        ScopedWorkingDirectory cwd(started);
        recordStartDir();
    }
    // Moving away later does not change the start directory.
    EXPECT_EQ(startDir(), started);
    EXPECT_EQ(startDirFile("\\custom.dat"), started + "/custom.dat");
    EXPECT_EQ(startDirFile("\\sub\\logo.jpg"), started + "/sub/logo.jpg");
    {
        ScopedWorkingDirectory root("/");
        recordStartDir();
        EXPECT_EQ(startDir(), "/");
        EXPECT_EQ(startDirFile("\\logo.jpg"), "/logo.jpg");
    }
}

TEST(DataFolders, TheUsersFolderIsCreatedAndBecomesTheWorkingDirectory) {
    vardeck::testing::TempFolder folder;
    const std::string data = std::filesystem::canonical(folder.path()).string() + "/data";
    const char* previous = ::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ScopedWorkingDirectory cwd("/");
    const DataFolderEntry entry = enterDataFolder(userDataFolder());
    previous ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");

    EXPECT_EQ(entry.folder, data + "/vardeck");
    EXPECT_TRUE(entry.entered);
    EXPECT_EQ(entry.problem, "");
    EXPECT_EQ(std::filesystem::current_path(), data + "/vardeck");
}

TEST(DataFolders, AFolderThatCannotBeMadeIsReportedAndTheWorkingDirectoryStays) {
    vardeck::testing::TempFolder folder;
    vardeck::testing::writeWholeFile(folder.file("file"), "x");
    ScopedWorkingDirectory cwd("/");
    const DataFolderEntry entry = enterDataFolder(folder.file("file") + "/vardeck");
    EXPECT_FALSE(entry.entered);
    EXPECT_EQ(entry.problem.rfind(folder.file("file") + "/vardeck: ", 0), 0u) << entry.problem;
    EXPECT_EQ(std::filesystem::current_path(), "/");
    EXPECT_NE(enterDataFolder("").problem, "");  // no home folder to put it in
}

TEST(DataFolders, ReadOnlyFilesFallBackToTheInstalledDefaults) {
    vardeck::testing::TempFolder start, defaults;
    vardeck::testing::writeWholeFile(defaults.file("contact.txt"), "default");
    EXPECT_EQ(withInstalledDefault(start.file("contact.txt"), defaults.path()), defaults.file("contact.txt"));
    EXPECT_EQ(withInstalledDefault(start.file("logo.jpg"), defaults.path()), start.file("logo.jpg"));
    EXPECT_EQ(withInstalledDefault(start.file("contact.txt"), ""), start.file("contact.txt"));
    // The user's own file wins.
    vardeck::testing::writeWholeFile(start.file("contact.txt"), "own");
    EXPECT_EQ(withInstalledDefault(start.file("contact.txt"), defaults.path()), start.file("contact.txt"));
}

TEST(PortTable, TableEntriesOverrideTheDefaultDevice) {
    ScopedSettingsStore scope(std::make_shared<MemorySettingsStore>());
    EXPECT_EQ(portTableKey(), currentBrand().brandKey + "\\ports");
    WriteSetting(portTableKey(), "COM3", "/dev/ttyUSB0");
    WriteSetting(portTableKey(), "com12", "ttyACM1");
    WriteSetting(currentBrand().brandKey, "COM4", "/dev/wrong-key");

    EXPECT_EQ(comPortDeviceFromTable(3), "/dev/ttyUSB0");
    EXPECT_EQ(comPortDeviceFromTable(12), "/dev/ttyACM1");
    EXPECT_EQ(comPortDeviceFromTable(4), "");
    EXPECT_EQ(comPortDeviceFromTable(0), "");

    installComPortTable();
    EXPECT_EQ(devicePathFor("\\\\.\\COM3"), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathFor("COM4"), "/dev/ttyS3");
    // The table is read at every open: a later change counts without reinstalling.
    WriteSetting(portTableKey(), "COM4", "/dev/ttyUSB9");
    EXPECT_EQ(devicePathFor("COM4"), "/dev/ttyUSB9");
    setComPortTable({});
    EXPECT_EQ(devicePathFor("COM3"), "/dev/ttyS2");
}
