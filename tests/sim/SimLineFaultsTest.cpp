// The faults vardeck-sim puts on the line for the fault benchmark, as a program
// sees them over a real pseudo-terminal: replies split into single bytes, a
// power cycle of the module (SIGUSR1) and the cable unplugged and back (SIGUSR2).
// Every wait has a generous deadline; nothing sleeps.
#include "sim/SimProcess.h"
#include "TestFiles.h"
#include "TestTerminal.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <thread>

using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testfiles::kDeadline;
using testfiles::Terminal;

namespace {

// Waits up to `deadline` for a readable or hung-up descriptor; reads what is there.
// Nothing when nothing came; an empty result when the port failed.
std::optional<Bytes> readSome(int fd, std::chrono::milliseconds deadline) {
    pollfd pfd{fd, POLLIN, 0};
    if (poll(&pfd, 1, static_cast<int>(deadline.count())) <= 0) return std::nullopt;
    uint8_t buffer[512];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? Bytes(buffer, buffer + n) : Bytes{};
}

}  // namespace

TEST(SimLineFaults, SplitRepliesArriveInPiecesAtLeastTwoMillisecondsApart) {
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "71", "--split-replies"}));
    Terminal port(sim.slavePath());
    ASSERT_TRUE(port.isOpen());
    const auto sent = Clock::now();
    ASSERT_TRUE(port.write(largeRead(0)));
    // 257 bytes, 2 ms apart: half a second, so even a slow reader sees pieces.
    Bytes reply;
    int reads = 0;
    while (reply.size() < 257) {
        const std::optional<Bytes> piece = readSome(port.fd(), kDeadline);
        if (!piece || piece->empty()) break;
        reply = reply + *piece;
        ++reads;
    }
    const auto took = Clock::now() - sent;
    port.close();
    ASSERT_EQ(reply.size(), 257u);
    EXPECT_EQ(reply[256], dataSum(reply.data(), 256));
    EXPECT_GE(took, 256 * 2ms);
    EXPECT_GT(reads, 10);
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

// A power cycle in the middle of a block write: the half-received block is
// forgotten (not stored, its missing data not awaited), the module hears nothing
// while it starts, and what it held before stays.
TEST(SimLineFaults, PowerCycleForgetsTheBlockUnderWayAndKeepsTheMemory) {
    testfiles::TempDir dir("vardeck-sim-power-cycle");
    const std::string file = dir.file("z4.bin");
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "71", "--memory", file}));
    Terminal port(sim.slavePath());
    ASSERT_TRUE(port.write(byteWrite(0x123, 0x5A)));
    ASSERT_EQ(port.read(6), frame(0xAB, 0x01, 0x23, 0x5A));
    const Bytes block = largeWrite(0x40, pattern(256, 9));
    ASSERT_TRUE(port.write(Bytes(block.begin(), block.begin() + 134)));  // header and half the data

    const auto cycled = Clock::now();
    ASSERT_TRUE(sim.sendSignal(SIGUSR1));
    // Ask until the module answers. Without the power cycle its wait for the rest
    // of the block would end after 400 ms; the start-up takes a second.
    Bytes answer;
    while (answer.empty() && Clock::now() - cycled < 10s) {
        ASSERT_TRUE(port.write(byteRead(0x123)));
        answer = port.read(6, 100ms);
    }
    EXPECT_GE(Clock::now() - cycled, 1s);
    EXPECT_EQ(answer, frame(0xAB, 0x00, 0x23, 0x5A));
    port.close();
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
    const Bytes saved = testfiles::readFile(file);
    ASSERT_EQ(saved.size(), 8192u);
    EXPECT_EQ(saved[1024], 0xFF) << "the half block was not stored";
}

// The cable unplugged: the program's port fails, the link goes, and two seconds
// later a new terminal behind the same link serves the same module.
TEST(SimLineFaults, UnpluggedCableFailsThePortAndComesBackBehindTheLink) {
    testfiles::TempDir dir("vardeck-sim-unplug");
    const std::string link = dir.file("ttyZ4");
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "71", "--link", link}));
    {
        Terminal port(link);
        ASSERT_TRUE(port.write(byteWrite(0x10, 0x77)));
        ASSERT_EQ(port.read(6), frame(0xAB, 0x01, 0x10, 0x77));
        const auto unplugged = Clock::now();
        ASSERT_TRUE(sim.sendSignal(SIGUSR2));
        // The hang-up reaches the program's end: a read gives nothing (EIO or end of file).
        const std::optional<Bytes> got = readSome(port.fd(), kDeadline);
        ASSERT_TRUE(got.has_value() && got->empty()) << "the port did not fail";

        // Open the link again until it leads to the new terminal.
        std::optional<Terminal> again;
        while (Clock::now() - unplugged < 10s) {
            if (std::filesystem::exists(link)) {
                again.emplace(link);
                if (again->isOpen()) break;
            }
            std::this_thread::sleep_for(20ms);
        }
        ASSERT_TRUE(again && again->isOpen()) << "no new terminal behind the link";
        EXPECT_GE(Clock::now() - unplugged, 2s);
        ASSERT_TRUE(again->write(byteRead(0x10)));
        EXPECT_EQ(again->read(6), frame(0xAB, 0x00, 0x10, 0x77)) << "the module kept its memory";
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}
