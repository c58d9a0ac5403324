#include "sim/SimOptions.h"

#include "sim/DeviceCatalog.h"
#include "sim/MemoryFile.h"
#include "sim/SimNameFile.h"
#include "sim/Z4DiagnosticData.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vardeck::sim {

namespace {

std::optional<long long> parseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<double> parseProbability(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value) || value < 0.0 || value > 1.0) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// "0100001A" -> 01 00 00 1A; nothing for an odd count or a non-hex digit.
std::optional<std::vector<uint8_t>> parseHexBytes(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

bool allDigits(const std::string& text, std::size_t minCount, std::size_t maxCount) {
    return text.size() >= minCount && text.size() <= maxCount &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr std::size_t kMinPinDigits = 4;
constexpr std::size_t kMaxPinDigits = 8;
constexpr std::size_t kImeiDigits = 15;

std::string knownCodesText() {
    std::string text;
    for (int code : knownDeviceCodes()) text += (text.empty() ? "" : ", ") + std::to_string(code);
    return text;
}

}  // namespace

std::string simUsage() {
    return "usage: vardeck-sim --device CODE [--firmware N] [--memory FILE] [--link PATH] [--pace]\n"
           "                   [--drop P] [--corrupt P] [--noise P] [--delay-ms N] [--seed S] [--verbose]\n"
           "                   [--latency-ms N] [--split-replies] [--exit-with-parent]\n"
           "Simulates a device behind a pseudo-terminal and prints the terminal's path first.\n"
           "  --device CODE   device type code: " + knownCodesText() + "\n"
           "  --firmware N    firmware version in tenths of the Z-4 family (default 43)\n"
           "  --memory FILE   load the device memory from FILE, write it back at exit\n"
           "  --link PATH     make PATH a symbolic link to the terminal while running\n"
           "  --pace          pace the line at the speed the program set: replies leave at it,\n"
           "                  and the program's bytes reach the device one by one at it\n"
           "  --latency-ms N  hold replies N ms after their first byte (0 to 1000), like the\n"
           "                  latency timer of a USB serial adapter (16 ms on the common chips)\n"
           "  --split-replies each reply byte leaves in a write of its own, at least 2 ms after\n"
           "                  the one before, so the program reads replies in pieces\n"
           "  --drop P, --corrupt P, --noise P   probability (0 to 1) per reply\n"
           "  --delay-ms N    delay every reply by N ms\n"
           "  --seed S        seed of the faults, for a reproducible run\n"
           "  --verbose       log frames received and sent on standard error\n"
           "  --exit-with-parent   end (as on SIGTERM) when the program that started this one ends\n"
           "  --version       print the program version and the brand code, then end\n"
           "Signals (faults in the middle of a transfer):\n"
           "  SIGUSR1         power-cycle the device: it forgets any frame, payload or mode under\n"
           "                  way and hears nothing for 1 s; its memory stays\n"
           "  SIGUSR2         unplug the cable: the terminal closes (the program's port fails),\n"
           "                  and 2 s later a new one opens; its path is printed as a new line\n"
           "                  and --link points at it\n"
           "Diagnostic data of the Z-4 family (codes 70, 71, 80, 90, 100):\n"
           "  --status HEX    status bytes from address 512, up to 32 bytes as hex digits\n"
           "                  (e.g. 0101001A80); the rest keep a healthy module's values\n"
           "  --status-live   the status moves once a second of simulated time: the signal\n"
           "                  wanders within 0-31 (by --seed, a fixed one without it), the GSM\n"
           "                  clock (bytes 5-8, hhmm) runs on, input 1 toggles every 5 s\n"
           "  --eventlog FILE event log: 64-byte records, record 1 first (at most 64 KiB);\n"
           "                  default nine built-in records. A record number beyond the log\n"
           "                  (or 0) reads as an empty record: 64 bytes FF and their sum\n"
           "  --history FILE  the 4096-byte signal history; default 1024 samples in bytes\n"
           "                  0-1023, the rest FF (configuration bytes 90 = 31 and 91 = 31\n"
           "                  start the chart at the newest sample)\n"
           "  --monitor-text FILE   the text monitor mode streams (at most 1 MiB); default a\n"
           "                  few GSM modem lines. It leaves at 9600 bit/s in pieces of up to\n"
           "                  16 bytes and starts again 1 s after its end, until the leave frame\n"
           "                  or a restart\n"
           "GSM modem of the Z-4 family (the frame 00 FD 00 b passes bytes to it until the\n"
           "leave frame 00 FB 00 00 or a restart):\n"
           "  --phonebook FILE  the SIM phonebook as a SIM name file (row count, then number\n"
           "                  and name of locations 1-250, one line each); loaded at start,\n"
           "                  written back at exit; a missing file starts empty\n"
           "  --pin NNNN      the SIM's PIN, 4 to 8 digits (default 0000)\n"
           "  --imei DIGITS   the modem's 15-digit IMEI (default 356938035643809)\n"
           "  --balance TEXT  the text of the balance answer to ATD*102#; (default a\n"
           "                  Hungarian text with grave accents)\n"
           "  --modem-log FILE  every line the modem received, one a line, CR as \\r, LF\n"
           "                  as \\n, Ctrl-Z as ^Z, other control bytes as \\xHH\n"
           "Flash and firmware of the Z-4 family (uploads after 00 FA hi lo, firmware pages\n"
           "by F6 frames from page 0x3E00, 00 F8 identification, 00 F9 BB 00 FPGA start):\n"
           "  --flash FILE    the 4 MiB flash (16384 pages of 256 bytes, erased FF); loaded at\n"
           "                  start when the file exists (it must be exactly 4194304 bytes),\n"
           "                  written back at exit\n"
           "  --processor C   processor code of the identification reply: 10 or 11 (default 10)\n"
           "  --new-firmware N  the firmware version after the FPGA start (default 43)\n"
           "  --stuck ADDR=VALUE  a memory fault: writes to ADDR are acknowledged, the byte keeps VALUE\n";
}

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    bool deviceGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        auto integer = [&](long long low, long long high) -> std::optional<long long> {
            const std::string* text = value();
            if (!text) return std::nullopt;
            auto number = parseInteger(*text);
            if (!number || *number < low || *number > high) {
                error = arg + " takes a whole number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not '" + *text + "'";
                return std::nullopt;
            }
            return number;
        };
        auto probability = [&](double& into) {
            const std::string* text = value();
            if (!text) return false;
            auto p = parseProbability(*text);
            if (!p) {
                error = arg + " takes a probability from 0 to 1, not '" + *text + "'";
                return false;
            }
            into = *p;
            return true;
        };

        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--device") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            auto code = parseInteger(*text);
            if (!code || !isKnownDeviceCode(static_cast<int>(*code))) {
                error = "unknown device type code '" + *text + "'; known codes: " + knownCodesText();
                return std::nullopt;
            }
            options.device = static_cast<int>(*code);
            deviceGiven = true;
        } else if (arg == "--firmware") {
            auto n = integer(0, 255);
            if (!n) return std::nullopt;
            options.firmware = static_cast<int>(*n);
        } else if (arg == "--memory" || arg == "--link") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                error = arg + " needs a path";
                return std::nullopt;
            }
            (arg == "--memory" ? options.memoryFile : options.linkPath) = *text;
        } else if (arg == "--status") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            auto bytes = parseHexBytes(*text);
            if (!bytes || bytes->empty() || bytes->size() > kZ4StatusBlockMaxSize) {
                error = "--status takes 1 to 32 bytes as pairs of hex digits, not '" + *text + "'";
                return std::nullopt;
            }
            options.statusBytes = std::move(*bytes);
        } else if (arg == "--status-live") {
            options.statusLive = true;
        } else if (arg == "--eventlog" || arg == "--history" || arg == "--monitor-text") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                error = arg + " needs a path";
                return std::nullopt;
            }
            (arg == "--eventlog" ? options.eventLogFile
                                 : arg == "--history" ? options.historyFile : options.monitorTextFile) = *text;
        } else if (arg == "--phonebook" || arg == "--modem-log") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                error = arg + " needs a path";
                return std::nullopt;
            }
            (arg == "--phonebook" ? options.phonebookFile : options.modemLogFile) = *text;
        } else if (arg == "--flash") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                error = arg + " needs a path";
                return std::nullopt;
            }
            options.flashFile = *text;
        } else if (arg == "--processor") {
            auto n = integer(Z4Processor::kJ10, Z4Processor::kJ11);
            if (!n) return std::nullopt;
            options.processor = static_cast<int>(*n);
        } else if (arg == "--stuck") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            const std::size_t eq = text->find('=');
            std::optional<long long> address, byte;
            if (eq != std::string::npos) {
                address = parseInteger(text->substr(0, eq));
                byte = parseInteger(text->substr(eq + 1));
            }
            if (!address || !byte || *address < 0 || *address >= static_cast<long long>(Z4FamilyModel::kMemorySize) ||
                *byte < 0 || *byte > 255) {
                error = "--stuck takes ADDR=VALUE with ADDR 0 to 8191 and VALUE 0 to 255, not '" + *text + "'";
                return std::nullopt;
            }
            options.stuck.emplace_back(static_cast<uint16_t>(*address), static_cast<uint8_t>(*byte));
        } else if (arg == "--new-firmware") {
            auto n = integer(0, 255);
            if (!n) return std::nullopt;
            options.newFirmware = static_cast<int>(*n);
        } else if (arg == "--pin") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (!allDigits(*text, kMinPinDigits, kMaxPinDigits)) {
                error = "--pin takes 4 to 8 digits, not '" + *text + "'";
                return std::nullopt;
            }
            options.pin = *text;
        } else if (arg == "--imei") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (!allDigits(*text, kImeiDigits, kImeiDigits)) {
                error = "--imei takes 15 digits, not '" + *text + "'";
                return std::nullopt;
            }
            options.imei = *text;
        } else if (arg == "--balance") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            options.balanceText = *text;
        } else if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--split-replies") {
            options.splitReplies = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--exit-with-parent") {
            options.exitWithParent = true;
        } else if (arg == "--drop") {
            if (!probability(options.faults.drop)) return std::nullopt;
        } else if (arg == "--corrupt") {
            if (!probability(options.faults.corrupt)) return std::nullopt;
        } else if (arg == "--noise") {
            if (!probability(options.faults.noise)) return std::nullopt;
        } else if (arg == "--latency-ms") {
            auto n = integer(0, 1000);
            if (!n) return std::nullopt;
            options.latency = std::chrono::milliseconds(*n);
        } else if (arg == "--delay-ms") {
            auto n = integer(0, 600000);
            if (!n) return std::nullopt;
            options.faults.delay = std::chrono::milliseconds(*n);
        } else if (arg == "--seed") {
            auto n = integer(0, 4294967295LL);
            if (!n) return std::nullopt;
            options.faults.seed = static_cast<uint32_t>(*n);
            options.seedGiven = true;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (!deviceGiven && !options.help && !options.version) {
        error = "--device CODE is required";
        return std::nullopt;
    }
    const bool z4Data = !options.statusBytes.empty() || options.statusLive || !options.eventLogFile.empty() ||
                        !options.historyFile.empty() || !options.monitorTextFile.empty();
    if (z4Data && !options.help && !Z4FamilyModel::isFamilyCode(options.device)) {
        error = "--status, --status-live, --eventlog, --history and --monitor-text are for the Z-4 family "
                "(70, 71, 80, 90, 100), not device " + std::to_string(options.device);
        return std::nullopt;
    }
    const bool modemData = !options.phonebookFile.empty() || options.pin || options.imei || options.balanceText ||
                           !options.modemLogFile.empty();
    if (modemData && !options.help && !Z4FamilyModel::isFamilyCode(options.device)) {
        error = "--phonebook, --pin, --imei, --balance and --modem-log are for the Z-4 family "
                "(70, 71, 80, 90, 100), not device " + std::to_string(options.device);
        return std::nullopt;
    }
    const bool flashData =
        !options.flashFile.empty() || options.processor || options.newFirmware || !options.stuck.empty();
    if (flashData && !options.help && !Z4FamilyModel::isFamilyCode(options.device)) {
        error = "--flash, --processor, --new-firmware and --stuck are for the Z-4 family "
                "(70, 71, 80, 90, 100), not device " + std::to_string(options.device);
        return std::nullopt;
    }
    return options;
}

std::optional<ModelOptions> makeModelOptions(const SimOptions& options, std::string& error) {
    ModelOptions model;
    model.firmware = options.firmware;
    Z4Diagnostics& z4 = model.z4Diagnostics;
    z4.statusBlock = options.statusBytes;
    z4.liveStatus = options.statusLive;
    // Without --seed the wander is still the same on every run.
    z4.liveSeed = options.seedGiven ? options.faults.seed : 1;
    if (!options.eventLogFile.empty()) {
        Bytes log;
        if (!readDataFile(options.eventLogFile, kZ4EventLogMaxSize, "event log file", log, error)) return std::nullopt;
        if (log.size() % kZ4EventRecordSize != 0) {
            error = "event log file " + options.eventLogFile + " is " + std::to_string(log.size()) +
                    " bytes, not a whole number of 64-byte records";
            return std::nullopt;
        }
        z4.eventLog = std::move(log);
    }
    if (!options.historyFile.empty()) {
        Bytes history;
        if (!readDataFile(options.historyFile, kZ4HistorySize, "history file", history, error)) return std::nullopt;
        if (history.size() != kZ4HistorySize) {
            error = "history file " + options.historyFile + " is " + std::to_string(history.size()) +
                    " bytes, not 4096";
            return std::nullopt;
        }
        z4.history = std::move(history);
    }
    if (!options.monitorTextFile.empty()) {
        Bytes text;
        if (!readDataFile(options.monitorTextFile, kZ4MonitorTextMaxSize, "monitor text file", text, error)) {
            return std::nullopt;
        }
        z4.monitorText = std::move(text);
    }
    if (options.processor) model.z4Processor.code = *options.processor;
    if (options.newFirmware) model.z4Processor.firmwareAfterFpga = *options.newFirmware;
    model.stuck = options.stuck;
    GsmModemSettings& modem = model.gsmModem;
    if (options.pin) modem.pin = *options.pin;
    if (options.imei) modem.imei = *options.imei;
    if (options.balanceText) modem.balanceText.assign(options.balanceText->begin(), options.balanceText->end());
    if (!options.phonebookFile.empty() && !loadSimNameFile(options.phonebookFile, modem.phonebook, error)) {
        return std::nullopt;
    }
    return model;
}

}  // namespace vardeck::sim
