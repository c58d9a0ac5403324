#include "ChannelTestSupport.h"
#include "serial/OpenErrors.h"
#include "serial/PortNames.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vardeck {
namespace {

// Every test leaves the process-wide table as it found it.
class PortNames : public ::testing::Test {
protected:
    void TearDown() override { setComPortTable(nullptr); }
};

TEST_F(PortNames, ComNamesMapToTheDefaultUarts) {
    EXPECT_EQ(devicePathFor("COM1"), "/dev/ttyS0");
    EXPECT_EQ(devicePathFor("COM2"), "/dev/ttyS1");
    EXPECT_EQ(devicePathFor("com8"), "/dev/ttyS7");
    EXPECT_EQ(devicePathFor("\\\\.\\COM12"), "/dev/ttyS11");
    EXPECT_EQ(comPortNumber("\\\\.\\COM12"), 12);
    EXPECT_EQ(comPortNumber("COM3"), 3);
}

TEST_F(PortNames, OtherNamesLiveBelowDevOrStandForThemselves) {
    EXPECT_EQ(devicePathFor("\\\\.\\ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathFor("\\\\.\\/dev/ttyACM0"), "/dev/ttyACM0");
    EXPECT_EQ(devicePathFor("/dev/pts/5"), "/dev/pts/5");
    EXPECT_EQ(devicePathFor("ttyUSB1"), "/dev/ttyUSB1");
    EXPECT_EQ(devicePathFor(""), "");
    EXPECT_EQ(devicePathFor("\\\\.\\"), "");
    // Not COM port numbers: nothing to look up in the table.
    for (const char* name : {"COM", "COM0", "COMX", "COM3a", "COM-1", "\\\\.\\COM"}) {
        EXPECT_EQ(comPortNumber(name), 0) << name;
    }
}

TEST_F(PortNames, TheInstalledTableDecidesAndFallsBackToTheDefault) {
    setComPortTable([](int n) { return n == 3 ? std::string("/dev/ttyUSB0") : std::string(); });
    EXPECT_EQ(devicePathFor("COM3"), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathFor("\\\\.\\COM3"), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathFor("COM4"), "/dev/ttyS3");
    setComPortTable(nullptr);
    EXPECT_EQ(devicePathFor("COM3"), "/dev/ttyS2");
}

TEST_F(PortNames, ChannelOpensAHighComNumberThroughTheTable) {
    EventLoop loop;
    test::ChannelOnPty c(loop);
    const std::string slave = c.pty.slavePath();
    setComPortTable([slave](int n) { return n == 12 ? slave : std::string(); });
    c.channel.SetDeviceName("\\\\.\\COM12");
    c.channel.Open();
    EXPECT_TRUE(c.channel.IsOpen());
    EXPECT_EQ(c.lastError, 0);
    EXPECT_EQ(c.channel.DeviceName(), "\\\\.\\COM12");  // the stored form stays as given
}

TEST(OpenErrorText, SaysWhatToDo) {
    EXPECT_EQ(describeOpenError(0, "COM1"), "");
    std::string denied = describeOpenError(EACCES, "\\\\.\\ttyUSB0");
    EXPECT_NE(denied.find("/dev/ttyUSB0"), std::string::npos) << denied;
    EXPECT_NE(denied.find("dialout"), std::string::npos) << denied;
    EXPECT_NE(describeOpenError(EBUSY, "COM1").find("in use"), std::string::npos);
    EXPECT_NE(describeOpenError(ENOENT, "COM3").find("COM3 (/dev/ttyS2)"), std::string::npos);
}

}  // namespace
}  // namespace vardeck
