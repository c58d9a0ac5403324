// A Z-4 family module behind vardeck-sim, over a real pseudo-terminal: block
// transfers, the clock and the status memory as a program sees them, and the
// memory file that keeps what was written.
#include "sim/SimProcess.h"
#include "TestFiles.h"
#include "TestTerminal.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using testfiles::kDeadline;
using testfiles::Terminal;

TEST(Z4Program, BlockWriteReadBackAndClockEndUpInTheMemoryFile) {
    testfiles::TempDir dir("vardeck-z4-sim-test");
    const std::string file = dir.file("z4.bin");
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "71", "--firmware", "41", "--memory", file}));
    std::vector<Bytes> blocks;
    {
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.isOpen());
        for (uint8_t b = 0; b < 6; ++b) {
            blocks.push_back(pattern(256, static_cast<uint8_t>(40 * b + 3)));
            ASSERT_TRUE(port.write(largeWrite(static_cast<uint16_t>(16 * b), blocks.back())));
            EXPECT_EQ(port.read(1), Bytes{dataSum(blocks.back().data(), 256)}) << "block " << int{b};
        }
        ASSERT_TRUE(port.write(largeRead(16)));
        EXPECT_EQ(port.read(257), blocks[1] + Bytes{dataSum(blocks[1].data(), 256)});
        ASSERT_TRUE(port.write(setClock("250314093000")));
        EXPECT_EQ(port.read(6), frame(0xAB, 0xAA, 0x00, 0x00));
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);

    const Bytes saved = testfiles::readFile(file);
    ASSERT_EQ(saved.size(), 8192u);
    for (std::size_t b = 0; b < 6; ++b) {
        Bytes stored(saved.begin() + static_cast<std::ptrdiff_t>(256 * b),
                     saved.begin() + static_cast<std::ptrdiff_t>(256 * b + 256));
        if (b == 0) {
            EXPECT_EQ(stored[0xFE], 41);
            EXPECT_EQ(stored[0xFF], 71);
            stored[0xFE] = blocks[0][0xFE];
            stored[0xFF] = blocks[0][0xFF];
        }
        EXPECT_EQ(stored, blocks[b]) << "block " << b;
    }
}

TEST(Z4Program, ContactIdModelMovesSmallBlocksAndShowsItsStatus) {
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "100"}));
    Terminal port(sim.slavePath());
    const Bytes data = pattern(32, 0x5C);
    ASSERT_TRUE(port.write(smallWrite(77, data)));
    EXPECT_EQ(port.read(6), frame(0xAB, 77, 77, 0x00));
    ASSERT_TRUE(port.write(smallRead(77)));
    EXPECT_EQ(port.read(39), frame(0xAB, 0x40, 77, 0x00) + data + Bytes{dataSum(data.data(), 32)});
    // Status byte 512 + 1: registered on the home network.
    ASSERT_TRUE(port.write(statusRead(513)));
    EXPECT_EQ(port.read(6), frame(0xAB, 0x02, 0x01, 0x01));
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

TEST(Z4Program, StatusAndEventLogComeFromTheCommandLine) {
    testfiles::TempDir dir("vardeck-z4-sim-diag");
    const std::string log = dir.file("events.bin");
    const Bytes records = pattern(64, 0x31) + pattern(64, 0x47);
    testfiles::writeFile(log, records);
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(
        testfiles::startSimulator(sim, {"--device", "71", "--status", "0503001A", "--eventlog", log}));
    Terminal port(sim.slavePath());
    ASSERT_TRUE(port.isOpen());
    ASSERT_TRUE(port.write(statusRead(512 + 3)));
    EXPECT_EQ(port.read(6), frame(0xAB, 0x02, 0x03, 0x1A));
    ASSERT_TRUE(port.write(eventRead(2)));
    EXPECT_EQ(port.read(65), pattern(64, 0x47) + Bytes{dataSum(records.data() + 64, 64)});
    ASSERT_TRUE(port.write(eventRead(3)));
    EXPECT_EQ(port.read(65), Bytes(64, 0xFF) + Bytes{0xC0});
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
}

TEST(Z4Program, GsmModemReadsAndWritesThePhonebookFileAndLogsItsLines) {
    testfiles::TempDir dir("vardeck-z4-sim-modem");
    const std::string book = dir.file("numbers.sim");
    const std::string log = dir.file("modem.log");
    const std::string first = "2\r\n+36301234567\r\nAnna\r\n";
    testfiles::writeFile(book, Bytes(first.begin(), first.end()));
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(
        testfiles::startSimulator(sim, {"--device", "71", "--phonebook", book, "--modem-log", log}));
    auto text = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
    {
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.isOpen());
        ASSERT_TRUE(port.write(frame(0x00, 0xFD, 0x00, 0x47)));
        EXPECT_EQ(port.read(6), frame(0xAB, 0xAC, 0x00, 0x00));
        const Bytes read = text("AT+CPBR=001\r\r\n+CPBR: 1,\"+36301234567\",129,\"Anna\"\r\n\r\nOK\r\n");
        ASSERT_TRUE(port.write(text("AT+CPBR=001\r")));
        EXPECT_EQ(port.read(read.size()), read);
        const std::string write = "AT+CPBW=002,\"06201112222\",129,\"Bela\"\r";
        ASSERT_TRUE(port.write(text(write)));
        EXPECT_EQ(port.read(write.size() + 6), text(write + "\r\nOK\r\n"));
        ASSERT_TRUE(port.write(leaveMode()));
        EXPECT_EQ(port.read(6), frame(0xAB, 0xAC, 0x00, 0x00));
        ASSERT_TRUE(port.write(closingFrame()));
        // Each line is in the log before its answer leaves.
        const Bytes logged = testfiles::readFile(log);
        EXPECT_EQ(std::string(logged.begin(), logged.end()),
                  "AT+CPBR=001\\r\nAT+CPBW=002,\"06201112222\",129,\"Bela\"\\r\n");
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);
    const Bytes saved = testfiles::readFile(book);
    const std::string savedText(saved.begin(), saved.end());
    const std::string start = "3\r\n+36301234567\r\nAnna\r\n06201112222\r\nBela\r\n\r\n\r\n";
    EXPECT_EQ(savedText.substr(0, start.size()), start);
    EXPECT_EQ(std::count(savedText.begin(), savedText.end(), '\n'), 501);
}

TEST(Z4Program, FlashFileKeepsWhatWasThereAndWhatWasUploaded) {
    testfiles::TempDir dir("vardeck-z4-sim-flash");
    const std::string file = dir.file("flash.bin");
    Bytes flash(4 * 1024 * 1024, 0xFF);
    const Bytes kept = pattern(256, 0x65);
    std::copy(kept.begin(), kept.end(), flash.begin() + 5 * 256);
    testfiles::writeFile(file, flash);
    SimProcess sim;
    ASSERT_NO_FATAL_FAILURE(testfiles::startSimulator(sim, {"--device", "71", "--flash", file, "--processor", "11"}));
    const Bytes sound = pattern(256, 0x12);
    const Bytes soundEnd = Bytes(20, 0x33) + Bytes(236, 0xFF);
    const Bytes firmware = pattern(256, 0x9A);
    {
        Terminal port(sim.slavePath());
        ASSERT_TRUE(port.isOpen());
        ASSERT_TRUE(port.write(identify()));
        EXPECT_EQ(port.read(6), frame(11, 2, 43, 1));
        ASSERT_TRUE(port.write(announceUpload(0x0400)));
        EXPECT_EQ(port.read(1), Bytes{0x00});
        ASSERT_TRUE(port.write(sound));
        EXPECT_EQ(port.read(1), Bytes{0x00});
        ASSERT_TRUE(port.write(soundEnd));
        EXPECT_EQ(port.read(1), Bytes{0x01});
        ASSERT_TRUE(port.write(largeWrite(0x3E00, firmware)));
        EXPECT_EQ(port.read(1), Bytes{dataSum(firmware.data(), 256)});
    }
    EXPECT_EQ(sim.stop(SIGTERM, kDeadline), 0);

    const Bytes saved = testfiles::readFile(file);
    ASSERT_EQ(saved.size(), flash.size());
    auto page = [&](std::size_t n) {
        return Bytes(saved.begin() + static_cast<std::ptrdiff_t>(n * 256),
                     saved.begin() + static_cast<std::ptrdiff_t>(n * 256 + 256));
    };
    EXPECT_EQ(page(5), kept);
    EXPECT_EQ(page(0x0400), sound);
    EXPECT_EQ(page(0x0401), soundEnd);
    EXPECT_EQ(page(0x3E00), firmware);
    EXPECT_EQ(page(0x3E01), Bytes(256, 0xFF));
}
