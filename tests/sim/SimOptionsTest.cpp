// The simulator's command line: what it takes and what it refuses.
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace std::chrono_literals;

TEST(SimOptions, TakesTheFullCommandLine) {
    std::string error;
    auto o = parseSimOptions({"--device", "71", "--firmware", "38", "--memory", "m.bin", "--link", "/tmp/l",
                              "--pace", "--drop", "0.25", "--corrupt", "1", "--noise", "0", "--delay-ms", "40",
                              "--seed", "7", "--verbose"},
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
        {"--device", "70", "--memory", ""},
        {"--device", "70", "--speed", "9600"},   // unknown option
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
