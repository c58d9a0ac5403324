// Memory files: loading into a model, refusing what does not fit, saving.
#include "sim/MemoryFile.h"
#include "sim/Z4FamilyModel.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using vardeck::sim::testfiles::readFile;
using vardeck::sim::testfiles::writeFile;

namespace {

class MemoryFileTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.file(name); }
    testfiles::TempDir dir{"vardeck-sim-mem"};
};

}  // namespace

TEST_F(MemoryFileTest, ShortFileFillsTheStartAndTheModelKeepsItsIdentity) {
    Z4FamilyModel model(71, 41);
    Bytes content(0x100, 0x11);  // covers the firmware and code bytes too
    writeFile(path("short.bin"), content);
    std::string error;
    ASSERT_TRUE(loadMemoryFile(path("short.bin"), model.memory(), error)) << error;
    model.memoryLoaded();
    EXPECT_EQ(model.memory()[0x00], 0x11);
    EXPECT_EQ(model.memory()[0xFD], 0x11);
    EXPECT_EQ(model.memory()[0xFE], 41);
    EXPECT_EQ(model.memory()[0xFF], 71);
    EXPECT_EQ(model.memory()[0x100], 0xFF) << "beyond the file the memory stays blank";
}

TEST_F(MemoryFileTest, RefusesWhatDoesNotFitAndAcceptsAMissingFile) {
    Bytes memory(8192, 0xFF);
    std::string error;
    writeFile(path("long.bin"), Bytes(8193, 0));
    EXPECT_FALSE(loadMemoryFile(path("long.bin"), memory, error));
    EXPECT_NE(error.find("longer"), std::string::npos) << error;
    EXPECT_EQ(memory[0], 0xFF) << "a refused file changes nothing";

    writeFile(path("exact.bin"), Bytes(8192, 0x22));
    EXPECT_TRUE(loadMemoryFile(path("exact.bin"), memory, error));
    EXPECT_EQ(memory[8191], 0x22);

    EXPECT_TRUE(loadMemoryFile(path("absent.bin"), memory, error));
    EXPECT_FALSE(loadMemoryFile(dir.path().string(), memory, error)) << "a directory is no memory file";
}

TEST_F(MemoryFileTest, SaveWritesTheWholeMemoryAndLeavesNoTemporary) {
    Bytes memory(512);
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 7);
    std::string error;
    writeFile(path("out.bin"), Bytes(10, 0));
    ASSERT_TRUE(saveMemoryFile(path("out.bin"), memory, error)) << error;
    EXPECT_EQ(readFile(path("out.bin")), memory);
    EXPECT_FALSE(std::filesystem::exists(path("out.bin.tmp")));
    EXPECT_FALSE(saveMemoryFile(path("no/such/dir/out.bin"), memory, error));
}

TEST_F(MemoryFileTest, ExactFileMustHaveTheMemorysSize) {
    Bytes flash(1024, 0xFF);
    std::string error;
    EXPECT_TRUE(loadExactFile(path("absent.bin"), flash, "flash file", error));
    for (std::size_t size : {1023u, 1025u}) {
        writeFile(path("wrong.bin"), Bytes(size, 0x33));
        EXPECT_FALSE(loadExactFile(path("wrong.bin"), flash, "flash file", error)) << size;
        EXPECT_NE(error.find("flash file"), std::string::npos) << error;
        EXPECT_EQ(flash[0], 0xFF) << "a refused file changes nothing";
    }
    writeFile(path("exact.bin"), Bytes(1024, 0x44));
    ASSERT_TRUE(loadExactFile(path("exact.bin"), flash, "flash file", error)) << error;
    EXPECT_EQ(flash, Bytes(1024, 0x44));
}
