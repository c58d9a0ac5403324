#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "brand/Brand.h"
#include "settings/SettingsStoreFile.h"
#include "tests/shell/TempFolder.h"

using namespace vardeck;
using vardeck::testing::TempFolder;

namespace {

struct CliResult {
    int exitCode = -1;
    std::string output;
};

// Runs vardeck-cli with the given store file; args are passed to the shell as they
// are, so the tests quote them themselves.
CliResult runCli(const std::string& storePath, const std::string& args) {
    std::string command = "VARDECK_SETTINGS='" + storePath + "' '" VARDECK_CLI_EXE "' settings " + args + " 2>/dev/null";
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

TEST(SettingsCli, SetGetAndListUnderTheBrandKey) {
    TempFolder folder;
    std::string store = folder.file("settings.ini");
    EXPECT_EQ(runCli(store, "set comport '\\\\.\\COM12'").exitCode, 0);
    EXPECT_EQ(runCli(store, "set company '*Fény Kft.'").exitCode, 0);
    EXPECT_EQ(runCli(store, "set --key ports COM3 /dev/ttyUSB0").exitCode, 0);

    CliResult got = runCli(store, "get COMPORT");
    EXPECT_EQ(got.exitCode, 0);
    EXPECT_EQ(got.output, "\\\\.\\COM12\n");
    EXPECT_EQ(runCli(store, "list").output, "comport=\\\\.\\COM12\ncompany=*Fény Kft.\n");
    EXPECT_EQ(runCli(store, "list --key ports").output, "COM3=/dev/ttyUSB0\n");
    // The program reads what the command line stored.
    EXPECT_EQ(FileSettingsStore(store).read(currentBrand().brandKey, "company"), "*Fény Kft.");
}

TEST(SettingsCli, MissingValueAndFailedWriteExitNonZero) {
    TempFolder folder;
    std::string store = folder.file("settings.ini");
    CliResult missing = runCli(store, "get Language");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output, "");
    EXPECT_EQ(runCli(store, "set mode ''").exitCode, 0);
    EXPECT_EQ(runCli(store, "get mode").exitCode, 0) << "an empty value is still a value";

    vardeck::testing::writeWholeFile(folder.file("plain"), "x");
    EXPECT_EQ(runCli(folder.file("plain/settings.ini"), "set mode 0").exitCode, 1);
    EXPECT_EQ(runCli(store, "frobnicate").exitCode, 2);
    EXPECT_EQ(runCli(store, "set onlyname").exitCode, 2);
}

TEST(SettingsCli, PathShowsTheStoreInUse) {
    CliResult result = runCli("/somewhere/else.ini", "path");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "/somewhere/else.ini\n");
}
