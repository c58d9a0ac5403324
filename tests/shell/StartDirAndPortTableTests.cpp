#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "serial/PortNames.h"
#include "brand/Brand.h"
#include "shell/PortTable.h"
#include "settings/Settings.h"
#include "settings/SettingsStoreMemory.h"
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
