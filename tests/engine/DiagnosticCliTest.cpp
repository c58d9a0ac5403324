// vardeck-cli status, log, signal and monitor against vardeck-sim over a pseudo-terminal.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <cstdio>

#include "sim/SimProcess.h"
#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"
#include "tests/z4screen/ReportReceiver.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    return out;
}

class DiagnosticCli : public ::testing::Test {
protected:
    void startSim(std::vector<std::string> args) {
        std::vector<std::string> all = {"--device", "71", "--firmware", "43"};
        all.insert(all.end(), args.begin(), args.end());
        std::string error;
        ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, all, 10s, error)) << error;
        port = " --port " + sim.slavePath() + " --type 71";
    }
    sim::testfiles::TempDir dir{"vardeck-diagnostic-cli"};
    sim::SimProcess sim;
    std::string port;
};

TEST_F(DiagnosticCli, StatusPrintsEachCycleOfTheModulesStatusMemory) {
    // Inputs 1-4, home network, no SIM, signal 21, memory good with output 1, clock 08:15.
    startSim({"--status", "0F010315843038313520"});
    const CliRun run = cli("status" + port + " --count 2");
    ASSERT_EQ(run.exitCode, 0);
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0],
              "{\"inputs\":[true,true,true,true],\"gsmStatus\":\"Saját hálózatra feljelentkezve\","
              "\"error\":\"SIM kártya nincs behelyezve\",\"signal\":21,\"tamper\":false,\"supply\":false,"
              "\"output1\":true,\"output2\":false,\"armed\":false,\"gsmTime\":\"08:15\",\"temperature\":null}");
    EXPECT_EQ(out[1], out[0]);
}

TEST_F(DiagnosticCli, LogAndSignalWalkThePreparedMemories) {
    Bytes log(9 * 64, 0);
    for (int r = 0; r < 9; ++r) {
        log[r * 64] = static_cast<uint8_t>(r == 8 ? 14 : 1 + r % 4);
        log[r * 64 + 2] = '0';
        log[r * 64 + 3] = static_cast<uint8_t>('0' + r);
        log[r * 64 + 4] = '3';
        log[r * 64 + 5] = '0';
        log[r * 64 + 15] = static_cast<uint8_t>(10 + r);
        log[r * 64 + 17] = static_cast<uint8_t>(r);
    }
    sim::testfiles::writeFile(dir.file("log.bin"), log);
    // History: newest sample at position 2 of record 0; record 126 ends it.
    Bytes history(4096, 20);
    history[0] = 10;
    history[1] = 11;
    history[2] = 12;
    history[4095] = 0xFF;
    sim::testfiles::writeFile(dir.file("history.bin"), history);
    Bytes memory(8192, 0);
    memory[90] = 2;
    memory[91] = 0;
    sim::testfiles::writeFile(dir.file("memory.bin"), memory);
    startSim({"--eventlog", dir.file("log.bin"), "--history", dir.file("history.bin"), "--memory",
              dir.file("memory.bin")});

    const CliRun logRun = cli("log" + port);
    ASSERT_EQ(logRun.exitCode, 0);
    const auto records = lines(logRun.out);
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0], "{\"index\":1,\"source\":\"1 Bemenet\",\"time\":\"00:30\",\"signal\":10,\"value\":0}");
    EXPECT_EQ(records[8], "{\"index\":9,\"source\":\"Hőméséklet min\",\"time\":\"08:30\",\"signal\":18,\"value\":8}");

    const CliRun signal = cli("signal" + port + " --csv");
    ASSERT_EQ(signal.exitCode, 0);
    EXPECT_EQ(signal.out, "0,12\n2,11\n4,10\n");
}

TEST_F(DiagnosticCli, MonitorSavesTheTextLeavesTheModeAndSendsTheReport) {
    sim::testfiles::writeFile(dir.file("trace.txt"), Bytes{'+', 'C', 'S', 'Q', ':', ' ', '2', '1', '\r', '\n'});
    startSim({"--monitor-text", dir.file("trace.txt")});
    ReportReceiver server;
    const CliRun run = cli("monitor" + port + " --seconds 1 --out " + dir.file("out.txt") +
                           " --report 127.0.0.1:" + std::to_string(server.port()) +
                           " --imei 356938035643809 --text 'no calls'");
    ASSERT_EQ(run.exitCode, 0);
    const Bytes saved = sim::testfiles::readFile(dir.file("out.txt"));
    const std::string text(saved.begin(), saved.end());
    EXPECT_EQ(text.substr(0, 10), "+CSQ: 21\r\n");
    const std::string report = server.received();
    const std::string head = "QMX_START356938035643809 Szoftver verzi\xF3:43\nno calls\n";
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_EQ(report.substr(head.size(), report.size() - head.size() - 8), text);
    EXPECT_EQ(report.substr(report.size() - 8), "QMX_STOP");
    // Out of monitor mode: the module answers status reads again.
    EXPECT_EQ(cli("status" + port).exitCode, 0);
}

TEST_F(DiagnosticCli, WrongArgumentsAndSilenceGiveTheDocumentedExitCodes) {
    startSim({});
    EXPECT_EQ(cli("status" + port + " --count x").exitCode, 2);
    EXPECT_EQ(cli("monitor" + port + " --report 127.0.0.1 --imei 123").exitCode, 2);
    ASSERT_TRUE(sim.stop(SIGTERM, 10s).has_value());
    EXPECT_EQ(cli("log --port " + dir.file("none") + " --type 71 --firmware 43").exitCode, 1);
}

}  // namespace
}  // namespace vardeck::testing
