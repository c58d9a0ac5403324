// vardeck-cli device against vardeck-sim over a pseudo-terminal: what the command
// reads and writes, and that a refused file or check leaves the device as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "controls/Json.h"
#include "sim/SimProcess.h"
#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

controls::JsonValue parsed(const std::string& path) {
    std::string error;
    auto value = controls::parseJson(slurp(path), error);
    EXPECT_TRUE(value) << error;
    return value ? *value : controls::JsonValue::object();
}

// The text of an edit in a screen's JSON.
std::string textOf(const std::string& path, const std::string& control) {
    const controls::JsonValue doc = parsed(path);
    const controls::JsonValue* controls = doc.find("controls");
    const controls::JsonValue* state = controls ? controls->find(control) : nullptr;
    const controls::JsonValue* text = state ? state->find("text") : nullptr;
    return text && text->isString() ? text->asString() : "<missing>";
}

class DeviceCli : public ::testing::Test {
protected:
    // The device's memory lives in a file the simulator saves when it ends.
    void startSim(int type, const Bytes& memory) {
        type_ = type;
        sim::testfiles::writeFile(memoryPath, memory);
        std::string error;
        ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", std::to_string(type), "--memory", memoryPath}, 10s, error))
            << error;
    }
    CliRun device(const std::string& action, const std::string& more) {
        return cli("device " + action + " --port " + sim.slavePath() + " --type " + std::to_string(type_) +
                   " --timeout-s 60 " + more);
    }
    Bytes memoryAfterEnd() {
        sim.stop(SIGTERM, 10s);
        return sim::testfiles::readFile(memoryPath);
    }

    sim::testfiles::TempDir dir{"vardeck-device-cli"};
    std::string memoryPath = dir.file("memory.bin");
    std::string json = dir.file("screen.json");
    sim::SimProcess sim;
    int type_ = 0;
};

TEST_F(DeviceCli, ConverterReadWriteAndARefusedCheckThatWritesNothing) {
    Bytes memory(256, 0x58);
    memory[106] = 1, memory[107] = 2, memory[108] = 3, memory[109] = 4;  // account code "1234"
    memory[110] = 1, memory[111] = 0, memory[112] = 1, memory[113] = 1, memory[114] = 0;
    memory[128] = 13;  // empty access point name
    startSim(50, memory);
    ASSERT_EQ(device("read", "--out " + json).exitCode, 0);
    EXPECT_EQ(textOf(json, "Edit10"), "1234");

    put(json, R"({"controls":{"Edit3":{"text":"internet.example"},"SpinEdit1":{"value":510}}})");
    ASSERT_EQ(device("write", "--in " + json).exitCode, 0);
    // The account code is required: the check refuses the write before any frame.
    put(json, R"({"controls":{"Edit10":{"text":"12"},"Edit3":{"text":"other"}}})");
    EXPECT_EQ(device("write", "--in " + json).exitCode, 1);
    // A control the screen does not have is named and refused.
    put(json, R"({"controls":{"Edit99":{"text":"1"}}})");
    EXPECT_EQ(device("write", "--in " + json).exitCode, 1);

    const Bytes after = memoryAfterEnd();
    ASSERT_GE(after.size(), 161u);
    EXPECT_EQ(std::string(after.begin() + 128, after.begin() + 144), "internet.example");
    EXPECT_EQ(after[144], 13);
    EXPECT_EQ(after[113], 0xFE);
    EXPECT_EQ(after[114], 0x01);
    EXPECT_EQ(after[106], 1);
}

TEST_F(DeviceCli, GprsModuleRoundTrip) {
    Bytes memory(512, 0x58);
    memory[0] = 0x02, memory[1] = 0x58, memory[2] = 1, memory[3] = 0;
    startSim(30, memory);
    put(json, R"({"controls":{"ComboBox2":{"index":3},"ugyfel":{"index":1},"Edit1":{"text":"12A4"}}})");
    ASSERT_EQ(device("write", "--in " + json).exitCode, 0);
    ASSERT_EQ(device("read", "--out " + json).exitCode, 0);
    EXPECT_EQ(textOf(json, "Edit1"), "12A4");
    const Bytes after = memoryAfterEnd();
    EXPECT_EQ(after[2], 3);
    EXPECT_EQ(after[256], 1);
    EXPECT_EQ(after[258], 10);
}

TEST_F(DeviceCli, GeofenceTableAsTheScreenShowsIt) {
    Bytes memory(32768, 0);
    memory[30] = '*';
    startSim(61, memory);
    ASSERT_EQ(device("read", "--out " + json).exitCode, 0);
    controls::JsonValue doc = parsed(json);
    const controls::JsonValue* tables = doc.find("tables");
    ASSERT_TRUE(tables && tables->find("StringGrid1"));
    const auto& rows = tables->find("StringGrid1")->asArray();
    ASSERT_EQ(rows.size(), 65u);
    ASSERT_EQ(rows[1].asArray().size(), 5u);
    EXPECT_EQ(rows[1].asArray()[0].asString(), "1");
    EXPECT_EQ(rows[1].asArray()[1].asString(), ".0");
    // Row 1 of the table, first cell: latitude minimum 47.1234.
    controls::JsonValue edited = controls::JsonValue::object();
    controls::JsonValue table = *tables->find("StringGrid1");
    table.asArray()[1].asArray()[1] = controls::JsonValue("47.1234");
    controls::JsonValue tablesOut = controls::JsonValue::object();
    tablesOut.set("StringGrid1", table);
    edited.set("tables", tablesOut);
    put(json, controls::writeJson(edited));
    ASSERT_EQ(device("write", "--in " + json).exitCode, 0);
    const Bytes after = memoryAfterEnd();
    const Bytes expected{0xC2, 0x0C, 0x30, 0x0C, 0x07, 0x0C, 0x00, 0x0C};
    EXPECT_EQ(Bytes(after.begin() + 114 * 256, after.begin() + 114 * 256 + 8), expected);
}

TEST_F(DeviceCli, TrackerOldFormatAddress) {
    startSim(60, Bytes(32768, 0));
    put(json, R"({"controls":{"Edit1":{"text":"010.001.002.003"}}})");
    ASSERT_EQ(device("write", "--old-format --in " + json).exitCode, 0);
    ASSERT_EQ(device("read", "--old-format --out " + json).exitCode, 0);
    EXPECT_EQ(textOf(json, "Edit1"), "010.001.002.003");
    const Bytes after = memoryAfterEnd();
    EXPECT_EQ(after[98 * 256 + 18], '0');
    EXPECT_EQ(after[98 * 256 + 20], '1');
}

}  // namespace
}  // namespace vardeck::testing
