// The vardeck-sim program over a real pseudo-terminal, as a program under test
// sees it. Every wait has a generous deadline; no test sleeps.
#include "sim/DeviceCatalog.h"
#include "sim/SimFrame.h"
#include "sim/SimProcess.h"
#include "TestFiles.h"
#include "TestTerminal.h"

#include <gtest/gtest.h>

#include <bit>
#include <csignal>
#include <filesystem>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace vardeck::sim;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testfiles::kDeadline;
using testfiles::Terminal;

namespace {

const Bytes kIdentify{0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE};

Bytes frameBytes(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    const Frame f = makeFrame(b0, b1, b2, b3);
    return Bytes(f.begin(), f.end());
}

class SimProgram : public ::testing::Test {
protected:
    void start(SimProcess& sim, const std::vector<std::string>& args) { testfiles::startSimulator(sim, args); }
    // The exit status of a simulator that had to refuse its command line.
    std::optional<int> refusal(const std::vector<std::string>& args) {
        SimProcess sim;
        std::string error;
        EXPECT_FALSE(sim.start(VARDECK_SIM_PATH, args, kDeadline, error));
        return sim.waitExit(kDeadline);
    }
    testfiles::TempDir dir{"vardeck-sim-test"};
};

}  // namespace

TEST_F(SimProgram, EveryDeviceIdentifiesItselfThroughNoiseAndTheSecondProbe) {
    for (int code : knownDeviceCodes()) {
        SCOPED_TRACE(code);
        SimProcess sim;
        ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", std::to_string(code)}));
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.isOpen());
        // Junk, the second probe (no answer), then the identification frame.
        Bytes traffic{0x13, 0x37};
        for (uint8_t b : {0xA0, 0xFE, 0x00, 0x00, 0x62, 0x9D}) traffic.push_back(b);
        traffic.insert(traffic.end(), kIdentify.begin(), kIdentify.end());
        ASSERT_TRUE(port.write(traffic));
        EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code)));
        EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
    }
}

TEST_F(SimProgram, KeepsServingWhenThePortIsClosedAndReopened) {
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", "71"}));
    for (int round = 0; round < 3; ++round) {
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.write(kIdentify));
        EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x00, 0xFF, 71)) << "round " << round;
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

TEST_F(SimProgram, LinkPointsAtTheTerminalAndGoesAwayOnInterrupt) {
    const std::filesystem::path link = dir.file("ttyZ4");
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", "80", "--link", link.string()}));
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.slavePath());
    {
        Terminal port(link.string());
        ASSERT_TRUE(port.write(kIdentify));
        EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x00, 0xFF, 80));
    }
    EXPECT_EQ(sim.stop(SIGINT, kDeadline), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST_F(SimProgram, MemoryIsLoadedAndWrittenBackAtExit) {
    const std::string file = dir.file("z4.bin");
    Bytes pattern(16);
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(0xA0 + i);
    testfiles::writeFile(file, pattern);

    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", "70", "--firmware", "38", "--memory", file}));
    {
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.write(frameBytes(0x00, 0x00, 0x05, 0x00)));
        EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x00, 0x05, 0xA5));
        ASSERT_TRUE(port.write(frameBytes(0x01, 0x01, 0x23, 0x5A)));
        EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x01, 0x23, 0x5A));
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);

    const Bytes saved = testfiles::readFile(file);
    ASSERT_EQ(saved.size(), 8192u);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), saved.begin()));
    EXPECT_EQ(saved[0x123], 0x5A);
    EXPECT_EQ(saved[0xFE], 38);
    EXPECT_EQ(saved[0xFF], 70);
}

TEST_F(SimProgram, RefusesUnknownCodesAndOversizedMemoryFiles) {
    EXPECT_EQ(refusal({"--device", "12"}), 2);
    const std::string big = dir.file("big.bin");
    testfiles::writeFile(big, Bytes(8193, 0x78));
    EXPECT_EQ(refusal({"--device", "90", "--memory", big}), 2);
    const std::string shortFlash = dir.file("flash.bin");
    testfiles::writeFile(shortFlash, Bytes(4096, 0xFF));
    EXPECT_EQ(refusal({"--device", "71", "--flash", shortFlash}), 2);
}

TEST_F(SimProgram, PacedRepliesFollowTheLineSpeedOfThePort) {
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", "60", "--pace"}));
    Terminal port(sim.slavePath(), B4800);
    const auto sent = Clock::now();
    ASSERT_TRUE(port.write(kIdentify));
    EXPECT_EQ(port.read(6), frameBytes(0xAB, 0x00, 0xFF, 60));
    // Six bytes at 4800 bit/s need 12.5 ms; the bound only says "paced at all".
    EXPECT_GE(Clock::now() - sent, 10ms);
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

TEST_F(SimProgram, FaultOptionsReachTheReplies) {
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(start(sim, {"--device", "50", "--corrupt", "1", "--delay-ms", "30", "--seed", "5"}));
    Terminal port(sim.slavePath());
    const auto sent = Clock::now();
    ASSERT_TRUE(port.write(kIdentify));
    const Bytes got = port.read(6);
    EXPECT_GE(Clock::now() - sent, 30ms);
    const Bytes clean = frameBytes(0xAB, 0x00, 0xFF, 50);
    ASSERT_EQ(got.size(), 6u);
    int flipped = 0;
    for (std::size_t i = 0; i < 6; ++i) flipped += std::popcount(static_cast<unsigned>(got[i] ^ clean[i]));
    EXPECT_EQ(flipped, 1);
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

// A harness that dies without stopping its simulator must not leave it running:
// the simulator ends in order (its link goes away) when its parent ends.
TEST_F(SimProgram, EndsInOrderWhenTheProgramThatStartedItDies) {
    const std::filesystem::path link = dir.file("ttyOrphan");
    const pid_t harness = fork();
    ASSERT_GE(harness, 0);
    if (harness == 0) {
        SimProcess sim;
        std::string error;
        const bool started = sim.start(VARDECK_SIM_PATH, {"--device", "71", "--link", link.string()}, kDeadline, error);
        _exit(started ? 0 : 1);  // no destructor: the simulator is not stopped
    }
    int status = 0;
    ASSERT_EQ(waitpid(harness, &status, 0), harness);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::filesystem::exists(std::filesystem::symlink_status(link)) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}
