#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "settings/SettingsStoreFile.h"
#include "tests/shell/TempFolder.h"

using namespace vardeck;
using vardeck::testing::readWholeFile;
using vardeck::testing::TempFolder;
using vardeck::testing::writeWholeFile;

namespace {

const std::string kTrix = "\\software\\GSM\\TRIX";

void writeMany(const std::string& path, const std::string& prefix, int count, bool* allStored) {
    FileSettingsStore store(path);
    *allStored = true;
    for (int i = 0; i < count; ++i) {
        if (!store.write(kTrix, prefix + std::to_string(i), "value " + prefix + std::to_string(i))) *allStored = false;
    }
}

void expectAllPresent(const std::string& path, const std::vector<std::string>& prefixes, int count) {
    FileSettingsStore store(path);
    for (const auto& prefix : prefixes) {
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(store.read(kTrix, prefix + std::to_string(i)), "value " + prefix + std::to_string(i));
        }
    }
    EXPECT_EQ(store.values(kTrix).size(), prefixes.size() * size_t(count));
}

}  // namespace

TEST(FileSettingsStore, MissingFileKeyOrValueReadsAsNothing) {
    TempFolder folder;
    FileSettingsStore store(folder.file("none/settings.ini"));
    EXPECT_EQ(store.read(kTrix, "comport"), std::nullopt);
    EXPECT_TRUE(store.values(kTrix).empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("none"))) << "reading must create nothing";

    ASSERT_TRUE(store.write(kTrix, "comport", "COM3"));
    EXPECT_EQ(store.read(kTrix, "mode"), std::nullopt);
    EXPECT_EQ(store.read("\\software\\GSM\\KVEX", "comport"), std::nullopt);
}

TEST(FileSettingsStore, WritesCreateFoldersAndKeysAndOverwrite) {
    TempFolder folder;
    std::string path = folder.file("deep/er/settings.ini");
    FileSettingsStore store(path);
    ASSERT_TRUE(store.write(kTrix, "Language", "0"));
    ASSERT_TRUE(store.write(kTrix + "\\ports", "COM3", "/dev/ttyUSB0"));
    ASSERT_TRUE(store.write(kTrix, "LANGUAGE", "2"));
    // A second store object sees the file, not a copy.
    FileSettingsStore other(path);
    EXPECT_EQ(other.read("\\SOFTWARE\\GSM\\TRIX", "language"), "2");
    EXPECT_EQ(other.read(kTrix + "\\ports", "com3"), "/dev/ttyUSB0");
    EXPECT_EQ(readWholeFile(path),
              "[\\software\\GSM\\TRIX]\nLanguage=2\n\n[\\software\\GSM\\TRIX\\ports]\nCOM3=/dev/ttyUSB0\n");
    // Nothing but the store and its lock file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("deep/er")), {}), 2);
}

TEST(FileSettingsStore, ThreadsWritingAtOnceLoseNothing) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    bool okA = false, okB = false;
    std::thread a(writeMany, path, "a", 40, &okA);
    std::thread b(writeMany, path, "b", 40, &okB);
    a.join();
    b.join();
    EXPECT_TRUE(okA && okB);
    expectAllPresent(path, {"a", "b"}, 40);
}

TEST(FileSettingsStore, ProcessesWritingAtOnceLoseNothing) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    std::vector<pid_t> children;
    for (const char* prefix : {"p", "q"}) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = false;
            writeMany(path, prefix, 50, &ok);
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectAllPresent(path, {"p", "q"}, 50);
}

TEST(FileSettingsStore, UnwritableLocationFailsQuietlyAndReadsGoOn) {
    TempFolder folder;
    writeWholeFile(folder.file("plain"), "a regular file where a folder should be\n");
    FileSettingsStore underFile(folder.file("plain/settings.ini"));
    EXPECT_FALSE(underFile.write(kTrix, "StartDate", "now"));
    EXPECT_EQ(underFile.read(kTrix, "StartDate"), std::nullopt);

    // A folder at the store's place is not replaced, and no lock file goes beside it.
    std::filesystem::create_directory(folder.file("isdir"));
    FileSettingsStore folderStore(folder.file("isdir"));
    EXPECT_FALSE(folderStore.write(kTrix, "StartDate", "now"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("isdir")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("isdir.lock")));
}

TEST(FileSettingsStore, CorruptFileIsReadAsFarAsPossibleAndNeverOverwritten) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    std::string damaged = "[\\software\\GSM\\TRIX]\ncomport=COM4\nmode=0\n";
    damaged += std::string("\0\x01\xFF\xFE garbage\n[\\soft", 18);
    writeWholeFile(path, damaged);
    FileSettingsStore store(path);
    EXPECT_EQ(store.read(kTrix, "comport"), "COM4");
    EXPECT_FALSE(store.write(kTrix, "comport", "COM5"));
    EXPECT_EQ(readWholeFile(path), damaged);

    // Somebody else's file given as the store is left alone too.
    std::string foreign = "#!/bin/sh\necho hello\n";
    writeWholeFile(path, foreign);
    EXPECT_FALSE(store.write(kTrix, "comport", "COM5"));
    EXPECT_EQ(readWholeFile(path), foreign);

    writeWholeFile(path, std::string(kMaxSettingsFileSize + 1, 'x'));
    EXPECT_EQ(store.read(kTrix, "comport"), std::nullopt);
    EXPECT_FALSE(store.write(kTrix, "comport", "COM5"));
}

TEST(FileSettingsStore, DamagedButRecognisableFileKeepsItsLinesOnWrite) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    writeWholeFile(path, "[\\software\\GSM\\TRIX]\ncomport=COM4\nstray line\nmod");
    FileSettingsStore store(path);
    ASSERT_TRUE(store.write(kTrix, "mode", "0"));
    EXPECT_EQ(readWholeFile(path), "[\\software\\GSM\\TRIX]\ncomport=COM4\nmode=0\nstray line\nmod\n");
}

TEST(FileSettingsStore, TemporaryFileLeftByACrashIsHarmless) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    FileSettingsStore store(path);
    ASSERT_TRUE(store.write(kTrix, "comport", "COM2"));
    // A save cut off before its rename: half a file under a temporary name.
    writeWholeFile(path + ".tmp.Ab12Cd", "[\\software\\GSM\\TRIX]\ncomport=CO");
    EXPECT_EQ(store.read(kTrix, "comport"), "COM2");
    ASSERT_TRUE(store.write(kTrix, "mode", "0"));
    EXPECT_EQ(store.read(kTrix, "comport"), "COM2");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp.Ab12Cd"));
}

TEST(FileSettingsStore, StoreBehindASymbolicLinkIsWrittenThrough) {
    TempFolder folder;
    writeWholeFile(folder.file("real.ini"), "[\\software\\GSM\\TRIX]\nmode=0\n");
    std::filesystem::create_symlink(folder.file("real.ini"), folder.file("settings.ini"));
    FileSettingsStore store(folder.file("settings.ini"));
    ASSERT_TRUE(store.write(kTrix, "comport", "COM6"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("settings.ini")));
    EXPECT_EQ(readWholeFile(folder.file("real.ini")), "[\\software\\GSM\\TRIX]\nmode=0\ncomport=COM6\n");
}

TEST(FileSettingsStore, ExistingFileKeepsItsPermissions) {
    TempFolder folder;
    std::string path = folder.file("settings.ini");
    writeWholeFile(path, "");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(FileSettingsStore(path).write(kTrix, "mode", "0"));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}
