#pragma once
#include "sim/DeviceCatalog.h"
#include "sim/FaultInjector.h"

#include <optional>
#include <string>
#include <vector>

namespace vardeck::sim {

// The command line of vardeck-sim:
//   vardeck-sim --device CODE [--firmware N] [--memory FILE] [--link PATH] [--pace]
//               [--drop P] [--corrupt P] [--noise P] [--delay-ms N] [--seed S] [--verbose]
//               [--latency-ms N]
//               [--status HEX] [--status-live] [--eventlog FILE] [--history FILE]
//               [--monitor-text FILE] [--phonebook FILE] [--pin NNNN] [--imei DIGITS]
//               [--balance TEXT] [--modem-log FILE] [--flash FILE] [--processor 10|11]
//               [--new-firmware N] [--split-replies]
// SIGUSR1 power-cycles the device and SIGUSR2 unplugs its cable for a while.
struct SimOptions {
    int device = 0;
    int firmware = 43;
    std::string memoryFile;
    std::string linkPath;
    bool pace = false;
    SimTime latency{0};  // a USB adapter's latency timer on the program's side
    bool splitReplies = false;  // each reply byte in a write of its own, kSplitReplyGap apart
    bool verbose = false;
    bool exitWithParent = false;  // SIGTERM when the parent process ends (test harnesses)
    bool help = false;
    bool version = false;  // --version: print the version line and end
    bool seedGiven = false;
    FaultSettings faults;
    // The Z-4 family's diagnostic data (the files are read by makeModelOptions()).
    std::vector<uint8_t> statusBytes;  // from status address 512, at most 32
    bool statusLive = false;
    std::string eventLogFile;
    std::string historyFile;
    std::string monitorTextFile;
    // The Z-4 family's GSM modem (the phonebook file is read by makeModelOptions()).
    std::string phonebookFile;
    std::optional<std::string> pin;
    std::optional<std::string> imei;
    std::optional<std::string> balanceText;
    std::string modemLogFile;
    // The Z-4 family's flash (loaded and saved by the program) and processor.
    std::string flashFile;
    std::optional<int> processor;    // 10 or 11
    std::optional<int> newFirmware;  // the firmware version after FPGA programming
    std::vector<std::pair<uint16_t, uint8_t>> stuck;  // --stuck ADDR=VALUE: memory faults
};

// How far apart the bytes of a reply leave with --split-replies: long enough for
// the program to read each on its own, short beside its wait for a reply.
inline constexpr SimTime kSplitReplyGap = std::chrono::milliseconds(2);
// How long the device stays deaf after the power cycle of SIGUSR1, and how long
// the cable stays unplugged after SIGUSR2.
inline constexpr SimTime kPowerCycleBootTime = std::chrono::seconds(1);
inline constexpr SimTime kUnpluggedTime = std::chrono::seconds(2);

// Exit status for a command line that cannot be used.
inline constexpr int kUsageExitCode = 2;

std::string simUsage();
// Parses the arguments after the program name. On a mistake returns nothing and
// puts a one-line explanation in `error`.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error);
// The model's options from the command line, with the data files (the SIM name
// file included; a missing one is an empty phonebook) read and checked. On a file that cannot be used returns nothing with a one-line `error`
// (a usage error: kUsageExitCode).
std::optional<ModelOptions> makeModelOptions(const SimOptions& options, std::string& error);

}  // namespace vardeck::sim
