// Verify after write: the module's silent corruption is found, its own positions are
// not counted, and a verify read that gets no answer never reports success.
#include <gtest/gtest.h>

#include <csignal>

#include "sim/SimProcess.h"
#include "tests/engine/CliRun.h"
#include "tests/engine/EngineRig.h"
#include "tests/sim/TestFiles.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;

TEST(VerifyAfterWrite, FindsAStuckByteAndLeavesTheModulesOwnBytesOut) {
    for (int firmware : {32, 43}) {
        SCOPED_TRACE(firmware);
        EngineRig rig(71, firmware);
        for (std::size_t i = 0; i < rig.image.size(); ++i) rig.image[i] = static_cast<uint8_t>(i * 3 + 1);
        rig.model.setStuck(300, 0x55);
        rig.engine.setVerifyAfterWrite(true);
        rig.engine.writeAll();
        ASSERT_TRUE(rig.tickUntil([&] { return rig.listener.verifies > 0; }, 200000));
        RecordingListener& listener = rig.listener;
        ASSERT_EQ(listener.verifies, 1);
        ASSERT_EQ(listener.verifyDifferences.size(), 1u);
        EXPECT_EQ(listener.verifyDifferences[0].address, 300);
        EXPECT_EQ(listener.verifyDifferences[0].written, static_cast<uint8_t>(300 * 3 + 1));
        EXPECT_EQ(listener.verifyDifferences[0].readBack, 0x55);
        EXPECT_EQ(listener.panel[3], "Ellenőrzés sikertelen: a modul mást tárol, mint amit írtunk!");
        // The editor's image is what was written, not what came back.
        EXPECT_EQ(rig.image[300], static_cast<uint8_t>(300 * 3 + 1));
        EXPECT_TRUE(listener.buttonsEnabled);
    }
}

TEST(VerifyAfterWrite, TheCommandLineListsDifferencesAndExitsFour) {
    sim::testfiles::TempDir dir("vardeck-verify");
    sim::testfiles::writeFile(dir.file("image.bin"), sim::Bytes(8192, 0x21));
    sim::SimProcess sim;
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", "71", "--stuck", "100=7"}, 10s, error)) << error;
    const std::string port = " --port " + sim.slavePath() + " --type 71 --firmware 43";
    const CliRun run = cli("write" + port + " --verify --in " + dir.file("image.bin"));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.out, "100 written 0x21 read back 0x07\n");
    EXPECT_EQ(cli("write" + port + " --in " + dir.file("image.bin")).exitCode, 0);  // no verify asked
    ASSERT_TRUE(sim.stop(SIGTERM, 10s).has_value());

    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", "71"}, 10s, error)) << error;
    EXPECT_EQ(cli("write --port " + sim.slavePath() + " --type 71 --firmware 43 --verify --in " +
                  dir.file("image.bin")).exitCode, 0);
    EXPECT_EQ(cli("write --port /nonexistent --type 71 --firmware 43 --verify --in " + dir.file("image.bin")).exitCode, 1);
}

}  // namespace
}  // namespace vardeck::testing
