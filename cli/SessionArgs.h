#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "z4link/TransferSession.h"

namespace vardeck::cli {

// The commands that talk to a Z-4 module through the transfer engine share their
// options, their exit codes and their start: open the port, settle the firmware.
inline constexpr int kExitFailure = 1;  // port or file unusable
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoAnswer = 3;  // the module did not answer in time
inline constexpr int kExitVerifyFailed = 4;  // write --verify: the module holds other bytes

struct Args {
    std::optional<std::string> port, out, in, report, imei, text, pin, slot, file;
    std::optional<int> type, firmware, timeoutMs, timeoutS, count, seconds, size, fileVersion;
    bool company = false;
    bool csv = false;
    bool data = false;
    bool voice = false;
    bool verify = false;
    bool oldFormat = false;  // device: the tracker's old format
    bool verbose = false;    // identify, read: line details on stderr
    std::vector<std::string> positional;  // words that are not options, in order
};

struct UsageError {
    std::string message;
};

// Throws UsageError for an unknown option, a missing value or a missing --port.
Args parseArgs(const std::vector<std::string>& args);
int parseNumber(const std::string& option, const std::string& text);
// Prints the message and the command's usage; returns kExitUsage.
int usage(const std::string& command, const std::string& message, const char* text);
bool validType(int code);
// --type is given and a Z-4 family code; throws UsageError otherwise.
void requireType(const Args& a);
// Throws UsageError when words other than options were given.
void requireNoPositional(const Args& a);

TransferSession::Options sessionOptions(const Args& a);
// Settles the firmware version (given, or asked). An exit code when that failed.
std::optional<int> prepare(TransferSession& session, const Args& a, const std::string& command);
// The exit code of an operation's outcome, with its message.
int finish(TransferSession& session, TransferSession::Outcome outcome, const Args& a, const std::string& command);

}  // namespace vardeck::cli
