// vardeck-cli gsm against vardeck-sim's modem over a pseudo-terminal: the phonebook
// round trip, the lines the modem received, and a faulty line.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include "sim/SimProcess.h"
#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"
#include "z4config/SimNameFile.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

z4config::SimNames readNames(const std::string& path) {
    std::string reason;
    auto names = z4config::readSimNames(readText(path), reason);
    EXPECT_TRUE(names) << reason;
    return names.value_or(z4config::SimNames{});
}

void writeNames(const std::string& path, const z4config::SimNames& names) {
    std::ofstream(path, std::ios::binary) << z4config::writeSimNames(names);
}

std::vector<std::string> fileLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class GsmCli : public ::testing::Test {
protected:
    void startSim(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--device", "71", "--phonebook", dir.file("sim.sim"), "--modem-log",
                                         dir.file("modem.log")};
        args.insert(args.end(), extra.begin(), extra.end());
        std::string error;
        ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, args, 10s, error)) << error;
        port = " --port " + sim.slavePath() + " --type 71 --firmware 43";
    }
    sim::testfiles::TempDir dir{"vardeck-gsm-cli"};
    sim::SimProcess sim;
    std::string port;
};

TEST_F(GsmCli, PhonebookRoundTripFollowsTheGridRules) {
    z4config::SimNames onSim;
    onSim.rowCount = 13;
    onSim.numbers[2] = "+36301111111";  // location 3
    onSim.names[2] = "Kapu";
    onSim.numbers[6] = "+36702222222";  // location 7, no name
    onSim.numbers[11] = "112";           // location 12
    onSim.names[11] = "Riasztokozpont iroda";
    writeNames(dir.file("sim.sim"), onSim);
    startSim();

    ASSERT_EQ(cli("gsm phonebook read" + port + " --out " + dir.file("read.sim")).exitCode, 0);
    z4config::SimNames read = readNames(dir.file("read.sim"));
    EXPECT_EQ(read.rowCount, 4);
    EXPECT_EQ(read.numbers[0], "+36301111111");
    EXPECT_EQ(read.numbers[1], "+36702222222");
    EXPECT_EQ(read.names[2], "Riasztokozpont iroda");
    const auto log = fileLines(dir.file("modem.log"));
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "AT\\r");
    EXPECT_EQ(log[1], "AT+CPBS=\"SM\"\\r");
    EXPECT_EQ(log[2], "AT+CPBR=001\\r");
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("AT+CPBR=", 0) == 0; }),
              100);

    read.numbers[4] = "+36209999999";  // a new row 5 with a name
    read.names[4] = "Új";
    read.rowCount = 6;
    writeNames(dir.file("read.sim"), read);
    ASSERT_EQ(cli("gsm phonebook write" + port + " --in " + dir.file("read.sim")).exitCode, 0);
    ASSERT_TRUE(sim.stop(SIGTERM, 10s).has_value());

    // Row k went to location k; the rows without a number were not written.
    const z4config::SimNames after = readNames(dir.file("sim.sim"));
    EXPECT_EQ(after.numbers[0], "+36301111111");
    EXPECT_EQ(after.names[0], "Kapu");
    EXPECT_EQ(after.numbers[1], "+36702222222");
    EXPECT_EQ(after.names[1], "SIM2");
    EXPECT_EQ(after.numbers[2], "112");
    EXPECT_EQ(after.names[2], "Riasztokozpo");
    EXPECT_EQ(after.numbers[3], "");
    EXPECT_EQ(after.names[4], "\xC3\x9Aj");
    EXPECT_EQ(after.numbers[6], "+36702222222");  // location 7 kept its entry
    const auto writes = fileLines(dir.file("modem.log"));
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const std::string& l) { return l.rfind("AT+CPBW=", 0) == 0; }),
              4);
}

TEST_F(GsmCli, ModemOperationsOnAFaultyLineAreSlowerButNeverWrong) {
    z4config::SimNames onSim;
    onSim.rowCount = 3;
    onSim.numbers[0] = "+36301234567";
    onSim.names[0] = "Egy";
    onSim.numbers[1] = "+36207654321";
    onSim.names[1] = "Ketto";
    writeNames(dir.file("sim.sim"), onSim);
    startSim({"--drop", "0.03", "--noise", "0.05", "--seed", "7", "--imei", "490154203237518"});

    ASSERT_EQ(cli("gsm phonebook read" + port + " --out " + dir.file("read.sim")).exitCode, 0);
    const z4config::SimNames read = readNames(dir.file("read.sim"));
    EXPECT_EQ(read.rowCount, 3);
    EXPECT_EQ(read.numbers[0], "+36301234567");
    EXPECT_EQ(read.names[1], "Ketto");
    EXPECT_EQ(read.numbers[2], "");

    const CliRun imei = cli("gsm imei" + port);
    EXPECT_EQ(imei.exitCode, 0);
    EXPECT_EQ(imei.out, "490154203237518\n");
    EXPECT_EQ(cli("gsm sms-centre" + port + " +36309888000").exitCode, 0);
    EXPECT_EQ(cli("gsm pin-off" + port + " --pin 12").exitCode, 2);
}

}  // namespace
}  // namespace vardeck::testing
