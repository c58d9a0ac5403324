// The simulator's command line: what it takes and what it refuses.
#include "sim/SimOptions.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace std::chrono_literals;

TEST(SimOptions, TakesTheFullCommandLine) {
    std::string error;
    auto o = parseSimOptions({"--device", "71", "--firmware", "38", "--memory", "m.bin", "--link", "/tmp/l",
                              "--pace", "--drop", "0.25", "--corrupt", "1", "--noise", "0", "--delay-ms", "40",
                              "--seed", "7", "--verbose", "--latency-ms", "16"},
                             error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->device, 71);
    EXPECT_EQ(o->firmware, 38);
    EXPECT_EQ(o->memoryFile, "m.bin");
    EXPECT_EQ(o->linkPath, "/tmp/l");
    EXPECT_TRUE(o->pace);
    EXPECT_TRUE(o->verbose);
    EXPECT_DOUBLE_EQ(o->faults.drop, 0.25);
    EXPECT_DOUBLE_EQ(o->faults.corrupt, 1.0);
    EXPECT_EQ(o->faults.delay, SimTime{40ms});
    EXPECT_EQ(o->latency, SimTime{16ms});
    EXPECT_EQ(o->faults.seed, 7u);
    EXPECT_TRUE(o->seedGiven);
}

TEST(SimOptions, RefusesMistakesWithAReason) {
    const std::vector<std::vector<std::string>> bad{
        {},                                      // no device
        {"--device", "72"},                      // unknown code
        {"--device", "7x"},                      // not a number
        {"--device"},                            // missing value
        {"--device", "70", "--drop", "1.5"},     // not a probability
        {"--device", "70", "--noise", "nan"},
        {"--device", "70", "--firmware", "256"},
        {"--device", "70", "--delay-ms", "-1"},
        {"--device", "70", "--latency-ms", "1001"},
        {"--device", "70", "--memory", ""},
        {"--device", "70", "--speed", "9600"},   // unknown option
        {"--device", "71", "--status", "0100A"},  // odd digit count
        {"--device", "71", "--stuck", "8192=1"},  // outside the memory
        {"--device", "71", "--stuck", "100"},     // no value
        {"--device", "30", "--stuck", "100=1"},   // not a Z-4 family module
        {"--device", "71", "--status", "01G0"},   // not hex
        {"--device", "71", "--status", std::string(66, '0')},  // 33 bytes
        {"--device", "71", "--status", ""},
        {"--device", "71", "--eventlog", ""},
        {"--device", "30", "--status-live"},     // not a Z-4 family device
        {"--device", "71", "--imei", "35693803564380"},  // 14 digits
        {"--device", "71", "--pin", "12a4"},
        {"--device", "71", "--pin", "123"},
        {"--device", "71", "--phonebook", ""},
        {"--device", "50", "--balance", "x"},    // the GSM modem is the Z-4 family's
        {"--device", "71", "--processor", "12"},
        {"--device", "71", "--new-firmware", "256"},
        {"--device", "71", "--flash", ""},
        {"--device", "30", "--flash", "f.bin"},  // so is the flash
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseSimOptions(args, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
    std::string error;
    parseSimOptions({"--device", "12"}, error);
    EXPECT_NE(error.find("30, 50, 60, 61, 70, 71, 80, 90, 100"), std::string::npos) << error;
}

TEST(SimOptions, TakesTheDiagnosticDataOfTheZ4Family) {
    testfiles::TempDir dir("vardeck-sim-options");
    const std::string log = dir.file("log.bin");
    const std::string history = dir.file("history.bin");
    const std::string monitor = dir.file("monitor.txt");
    testfiles::writeFile(log, Bytes(128, 0x01));
    testfiles::writeFile(history, Bytes(4096, 0x10));
    testfiles::writeFile(monitor, Bytes{'A', 'T', '\r'});
    std::string error;
    auto o = parseSimOptions({"--device", "100", "--status", "0100001aFF", "--status-live", "--eventlog", log,
                              "--history", history, "--monitor-text", monitor, "--seed", "9"},
                             error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->statusBytes, (Bytes{0x01, 0x00, 0x00, 0x1A, 0xFF}));
    auto model = makeModelOptions(*o, error);
    ASSERT_TRUE(model) << error;
    const Z4Diagnostics& z4 = model->z4Diagnostics;
    EXPECT_EQ(z4.statusBlock, o->statusBytes);
    EXPECT_TRUE(z4.liveStatus);
    EXPECT_EQ(z4.liveSeed, 9u);
    EXPECT_EQ(z4.eventLog, Bytes(128, 0x01));
    EXPECT_EQ(z4.history, Bytes(4096, 0x10));
    EXPECT_EQ(z4.monitorText, (Bytes{'A', 'T', '\r'}));
    // Without the options the model keeps its built-in data.
    auto plain = makeModelOptions(*parseSimOptions({"--device", "71"}, error), error);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->z4Diagnostics.eventLog || plain->z4Diagnostics.history || plain->z4Diagnostics.monitorText);
}

TEST(SimOptions, RefusesDataFilesOfTheWrongSize) {
    testfiles::TempDir dir("vardeck-sim-options-bad");
    const std::vector<std::pair<std::string, Bytes>> bad{
        {"--eventlog", Bytes(100, 0)},          // not whole records
        {"--eventlog", Bytes(65536 + 64, 0)},   // more than 64 KiB
        {"--history", Bytes(4095, 0)},
        {"--history", Bytes(4097, 0)},
        {"--monitor-text", Bytes(1024 * 1024 + 1, 'x')},
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(bad[i].first + " " + std::to_string(bad[i].second.size()));
        const std::string file = dir.file("f" + std::to_string(i));
        testfiles::writeFile(file, bad[i].second);
        std::string error;
        auto o = parseSimOptions({"--device", "71", bad[i].first, file}, error);
        ASSERT_TRUE(o) << error;
        EXPECT_FALSE(makeModelOptions(*o, error));
        EXPECT_NE(error.find(file), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    std::string error;
    auto missing = parseSimOptions({"--device", "71", "--eventlog", dir.file("none")}, error);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(makeModelOptions(*missing, error));
}

TEST(SimOptions, TakesTheGsmModemOfTheZ4Family) {
    testfiles::TempDir dir("vardeck-sim-options-modem");
    const std::string book = dir.file("book.sim");
    testfiles::writeFile(book, Bytes{'2', '\n', '1', '1', '2', '\n', 'S', 'O', 'S', '\n'});
    std::string error;
    auto o = parseSimOptions({"--device", "80", "--phonebook", book, "--pin", "4321", "--imei", "490154203237518",
                              "--balance", "Egyenleg: 5 Ft", "--modem-log", dir.file("modem.log")},
                             error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->modemLogFile, dir.file("modem.log"));
    auto model = makeModelOptions(*o, error);
    ASSERT_TRUE(model) << error;
    EXPECT_EQ(model->gsmModem.pin, "4321");
    EXPECT_EQ(model->gsmModem.imei, "490154203237518");
    EXPECT_EQ(model->gsmModem.balanceText, (Bytes{'E', 'g', 'y', 'e', 'n', 'l', 'e', 'g', ':', ' ', '5', ' ', 'F', 't'}));
    EXPECT_EQ(model->gsmModem.phonebook.at(1), (PhonebookEntry{"112", "SOS"}));
    // Without them: PIN 0000, the test IMEI, an empty phonebook.
    auto plain = makeModelOptions(*parseSimOptions({"--device", "71"}, error), error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->gsmModem.pin, "0000");
    EXPECT_EQ(plain->gsmModem.imei.size(), 15u);
    EXPECT_EQ(plain->gsmModem.phonebook.occupied(), 0);
}

TEST(SimOptions, TakesTheFlashAndProcessorOfTheZ4Family) {
    std::string error;
    auto o = parseSimOptions({"--device", "90", "--flash", "f.bin", "--processor", "11", "--new-firmware", "45"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->flashFile, "f.bin");
    auto model = makeModelOptions(*o, error);
    ASSERT_TRUE(model) << error;
    EXPECT_EQ(model->z4Processor.code, 11);
    EXPECT_EQ(model->z4Processor.firmwareAfterFpga, 45);
    auto plain = makeModelOptions(*parseSimOptions({"--device", "71"}, error), error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->z4Processor.code, 10);
    EXPECT_EQ(plain->z4Processor.firmwareAfterFpga, 43);
}
