#include "serial/PortDiscovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;
using vardeck::discoverSerialPorts;

namespace {

// A made-up /dev and /sys tree in a temporary folder.
class FakeSystem {
public:
    FakeSystem() : root_(fs::temp_directory_path() / ("vardeck-ports-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        fs::create_directories(root_ / "sys/class/tty");
        fs::create_directories(root_ / "dev/serial/by-id");
    }
    ~FakeSystem() { fs::remove_all(root_); }
    void tty(const std::string& name, const std::string& type = "") {
        fs::create_directories(root_ / "sys/class/tty" / name);
        if (!type.empty()) std::ofstream(root_ / "sys/class/tty" / name / "type") << type << "\n";
    }
    void byId(const std::string& link, const std::string& target) {
        fs::create_symlink("../../" + target, root_ / "dev/serial/by-id" / link);
    }
    std::string root() const { return root_.string(); }

private:
    fs::path root_;
};

}  // namespace

TEST(PortDiscovery, ListsUsbAdaptersWithStableNamesAndRealUartsOnly) {
    FakeSystem sys;
    sys.tty("ttyS0", "4");   // a real 16550
    sys.tty("ttyS1", "0");   // phantom
    sys.tty("ttyS2");        // no type at all: phantom
    sys.tty("ttyUSB10");
    sys.tty("ttyUSB2");
    sys.tty("ttyACM0");
    sys.tty("tty1");         // a console, not a serial port
    sys.byId("usb-FTDI_FT232R_A1-if00-port0", "ttyUSB2");

    auto ports = discoverSerialPorts(sys.root());
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[0].kernelName, "ttyACM0");
    EXPECT_EQ(ports[1].kernelName, "ttyUSB2");
    EXPECT_EQ(ports[1].stablePath, "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
    EXPECT_EQ(ports[1].devicePath, "/dev/ttyUSB2");
    EXPECT_TRUE(ports[1].usb);
    EXPECT_EQ(ports[2].kernelName, "ttyUSB10");
    EXPECT_TRUE(ports[2].stablePath.empty());
    EXPECT_EQ(ports[3].kernelName, "ttyS0");
    EXPECT_FALSE(ports[3].usb);
}

TEST(PortDiscovery, MissingTreeGivesEmptyList) {
    EXPECT_TRUE(discoverSerialPorts("/nonexistent/vardeck").empty());
}
