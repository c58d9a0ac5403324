// vardeck-cli identify, read and write against vardeck-sim over a pseudo-terminal.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "sim/SimProcess.h"
#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

TEST(TransferCli, IdentifyReadAndWriteAModule) {
    sim::testfiles::TempDir dir("vardeck-engine-cli");
    const std::string memoryFile = dir.file("memory.bin");
    Bytes memory(8192);
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 5 + 1);
    sim::testfiles::writeFile(memoryFile, memory);
    sim::SimProcess sim;
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", "70", "--firmware", "32", "--memory", memoryFile}, 10s, error))
        << error;
    const std::string port = " --port " + sim.slavePath();

    // A pseudo-terminal is no USB adapter: low-latency mode is not asked for.
    const std::string notAsked = "low latency: not a USB serial adapter\n";
    const CliRun identify = cli("identify" + port + " --verbose 2>&1");
    EXPECT_EQ(identify.exitCode, 0);
    EXPECT_EQ(identify.out, notAsked + "70\n");

    const std::string image = dir.file("image.bin");
    const CliRun readRun = cli("read" + port + " --type 70 --verbose --out " + image + " 2>&1");
    ASSERT_EQ(readRun.exitCode, 0);
    EXPECT_NE(readRun.out.find(notAsked), std::string::npos) << readRun.out;
    Bytes read = sim::testfiles::readFile(image);
    ASSERT_EQ(read.size(), 8192u);
    memory[254] = 32;
    memory[255] = 70;
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 1024, read.begin()));

    read[100] = 0xA5;
    read[390] = 0x5A;  // company bytes: written only with --company
    sim::testfiles::writeFile(image, read);
    ASSERT_EQ(cli("write" + port + " --type 70 --company --in " + image).exitCode, 0);
    ASSERT_TRUE(sim.stop(SIGTERM, 10s).has_value());
    const Bytes after = sim::testfiles::readFile(memoryFile);
    ASSERT_EQ(after.size(), 8192u);
    EXPECT_EQ(after[100], 0xA5);
    EXPECT_EQ(after[390], 0x5A);
}

TEST(TransferCli, NothingAnsweringGivesTheDocumentedExitCodes) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const std::string port = std::string(" --port ") + ::ttyname(slave);
    EXPECT_EQ(cli("identify" + port + " --timeout-ms 300").exitCode, 2);
    EXPECT_EQ(cli("write" + port + " --type 71 --in /nonexistent/image").exitCode, 1);
    EXPECT_EQ(cli("read" + port + " --type 71 --firmware 32 --timeout-s 1 --out /dev/null").exitCode, 3);
    EXPECT_EQ(cli("read" + port + " --type 55 --out x").exitCode, 2);
    EXPECT_EQ(cli("identify --port /nonexistent/tty").exitCode, 1);
    ::close(slave);
    ::close(master);
}

}  // namespace
}  // namespace vardeck::testing
