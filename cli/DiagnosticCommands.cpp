// vardeck-cli status / log / signal / monitor: the configurator's diagnostic
// operations on a serial port, without a window. Output goes to stdout, one JSON
// object (or one CSV row) per line, progress and errors to stderr.
#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/SessionArgs.h"
#include "z4config/Cp1250.h"
#include "z4config/ProfileFiles.h"
#include "z4link/EventLogStates.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/ModuleStatus.h"
#include "z4link/MonitorStates.h"
#include "z4link/SignalHistoryStates.h"
#include "z4link/StatusPollingStates.h"
#include "z4screen/ErrorReport.h"
#include "z4screen/MonitorView.h"
#include "z4screen/ReportClient.h"

namespace vardeck::cli {
namespace {

using namespace std::chrono_literals;
using Outcome = TransferSession::Outcome;

constexpr const char* kStatusUsage =
    "  status --port P --type CODE [--firmware N] [--count K] [--timeout-s N]\n"
    "                                          poll the module's status K times (default 1); each\n"
    "                                          complete cycle is one JSON object on a line: inputs,\n"
    "                                          gsmStatus, error, signal, tamper, supply, output1,\n"
    "                                          output2, armed, gsmTime, temperature (null where the\n"
    "                                          model does not show it), and on the Contact ID model\n"
    "                                          from firmware 2.5 lastCid, account, partZone, event";
constexpr const char* kLogUsage =
    "  log --port P --type CODE [--firmware N] [--timeout-s N]\n"
    "                                          read the module's event log: nine JSON objects, one\n"
    "                                          a line, with index, source, time, signal, value";
constexpr const char* kSignalUsage =
    "  signal --port P --type CODE [--firmware N] [--csv] [--timeout-s N]\n"
    "                                          read the signal-strength history, newest first: one\n"
    "                                          point a line, {\"x\":..,\"y\":..} or x,y with --csv";
constexpr const char* kMonitorUsage =
    "  monitor --port P --type CODE [--firmware N] [--seconds S] [--out FILE]\n"
    "          [--report HOST[:PORT] --imei IMEI [--text DESCRIPTION]]\n"
    "                                          put the module in monitor mode for S seconds (default\n"
    "                                          10; Ctrl-C ends it early), write what it sent to FILE\n"
    "                                          (UTF-8) or stdout, then leave monitor mode; with\n"
    "                                          --report also send the error report (port 49000 when\n"
    "                                          none is given; IMEI of exactly 15 characters); exits 1\n"
    "                                          when the report could not be sent";

constexpr int kStatusCycleSeconds = 5;
constexpr int kLogTimeoutS = 30;
constexpr int kSignalTimeoutS = 120;
constexpr int kDefaultMonitorSeconds = 10;
constexpr auto kLeaveDeadline = 5s;
constexpr auto kReportTimeLimit = 10s;

std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

// Ctrl-C and SIGTERM end the monitor's wait instead of the program, so it can still
// take the module out of monitor mode.
void catchInterrupts() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// One flat JSON object on one line, members in the order they are added.
class JsonLine {
public:
    JsonLine& add(const std::string& key, const std::string& rawValue) {
        line_ += (line_.empty() ? "{" : ",") + quoted(key) + ":" + rawValue;
        return *this;
    }
    JsonLine& text(const std::string& key, const std::string& value) { return add(key, quoted(value)); }
    JsonLine& number(const std::string& key, int value) { return add(key, std::to_string(value)); }
    JsonLine& flag(const std::string& key, bool value) { return add(key, value ? "true" : "false"); }
    std::string str() const { return line_ + "}"; }

private:
    std::string line_;
};

// The status view hides the temperature on these models, and below firmware 1.8.
bool temperatureShown(int type, int firmware) {
    return firmware >= 18 && type != 71 && type != 80 && type != 90 && type != 100;
}

std::string statusJson(const ModuleStatus& s, int type, int firmware) {
    JsonLine j;
    std::string inputs = "[";
    for (std::size_t i = 0; i < s.inputs.size(); ++i) inputs += std::string(i ? "," : "") + (s.inputs[i] ? "true" : "false");
    j.add("inputs", inputs + "]");
    j.text("gsmStatus", s.registrationText).text("error", s.errorText).number("signal", s.signal);
    j.flag("tamper", s.tamper).flag("supply", s.supply).flag("output1", s.output1).flag("output2", s.output2);
    j.flag("armed", s.armed);
    if (type == 100) {
        j.add("gsmTime", "null");
    } else {
        j.text("gsmTime", s.gsmTime);
    }
    if (temperatureShown(type, firmware)) {
        j.number("temperature", s.temperature);
    } else {
        j.add("temperature", "null");
    }
    if (s.hasLastContactId) {
        j.text("lastCid", s.lastContactId).text("account", s.account).text("partZone", s.partitionZone);
        j.text("event", s.event);
    }
    return j.str();
}

// Parses the arguments, opens the session and settles the firmware; the command runs
// `body` on the ready session. Usage, port and no-answer failures end here.
template <typename Body>
int withSession(const std::vector<std::string>& raw, const std::string& command, const char* usageText,
                Body body) {
    Args a;
    try {
        a = parseArgs(raw);
        requireType(a);
        requireNoPositional(a);
        if (a.report && (!a.imei || !z4screen::acceptableImei(*a.imei)))
            throw UsageError{"--report needs --imei with exactly 15 characters"};
        if (a.report && !z4screen::parseReportServer(*a.report)) throw UsageError{"--report needs HOST or HOST:PORT"};
    } catch (const UsageError& e) {
        return usage(command, e.message, usageText);
    }
    TransferSession session(sessionOptions(a));
    if (auto failed = prepare(session, a, command)) return *failed;
    return body(session, a);
}

int runStatus(const std::vector<std::string>& raw) {
    return withSession(raw, "status", kStatusUsage, [](TransferSession& session, const Args& a) {
        const int wanted = a.count.value_or(1);
        const int type = *a.type;
        const int firmware = session.engine().vars().firmwareVersion;
        int cycles = 0;
        StatusPollingStates polling(session.engine());
        polling.onCycle = [&](const StatusBlock& block, int length) {
            if (cycles >= wanted) return;
            ++cycles;
            std::cout << statusJson(decodeModuleStatus(block, length, type, firmware), type, firmware) << std::endl;
        };
        polling.start();
        const auto deadline = std::chrono::seconds(a.timeoutS.value_or(kStatusCycleSeconds * (wanted + 1)));
        const Outcome outcome = session.runUntil([&] { return cycles >= wanted; }, deadline);
        polling.stop();
        return finish(session, outcome, a, "status");
    });
}

int runLog(const std::vector<std::string>& raw) {
    return withSession(raw, "log", kLogUsage, [](TransferSession& session, const Args& a) {
        EventLogStates log(session.engine());
        bool done = false;
        log.onRecord = [](const EventLogEntry& e) {
            std::cout << JsonLine()
                             .number("index", e.index)
                             .text("source", e.sourceText)
                             .text("time", e.time)
                             .number("signal", e.signal)
                             .number("value", e.value)
                             .str()
                      << std::endl;
        };
        log.onDone = [&] { done = true; };
        log.start();
        const Outcome outcome = session.runUntil([&] { return done; }, std::chrono::seconds(a.timeoutS.value_or(kLogTimeoutS)));
        log.stop();
        return finish(session, outcome, a, "log");
    });
}

int runSignal(const std::vector<std::string>& raw) {
    return withSession(raw, "signal", kSignalUsage, [](TransferSession& session, const Args& a) {
        SignalHistoryStates history(session.engine());
        bool done = false;
        history.onPoint = [&](int x, int y) {
            if (a.csv) {
                std::cout << x << "," << y << "\n";
            } else {
                std::cout << JsonLine().number("x", x).number("y", y).str() << "\n";
            }
        };
        history.onDone = [&] { done = true; };
        history.start();
        const Outcome outcome =
            session.runUntil([&] { return done; }, std::chrono::seconds(a.timeoutS.value_or(kSignalTimeoutS)));
        history.stop();
        std::cout.flush();
        return finish(session, outcome, a, "signal");
    });
}

int runMonitor(const std::vector<std::string>& raw) {
    return withSession(raw, "monitor", kMonitorUsage, [](TransferSession& session, const Args& a) {
        catchInterrupts();
        MonitorStates monitor(session.engine());
        LeaveModeStates leave(session.engine());
        std::string text;
        monitor.onText = [&](std::string_view bytes) {
            text.append(bytes);
            // The same bound as the window's text: the oldest part goes first.
            if (text.size() > z4screen::MonitorView::kTextCap)
                text.erase(0, text.size() - z4screen::MonitorView::kTextCap);
        };
        monitor.start();
        const auto seconds = std::chrono::seconds(a.seconds.value_or(kDefaultMonitorSeconds));
        const Outcome outcome = session.runUntil([] { return interrupted.load(); }, seconds);
        const bool confirmed = monitor.streaming();
        // Leave monitor mode whatever happened, so the module does not stay in it.
        leave.start();
        session.runUntil([&] { return session.engine().vars().state == z4state::kIdle; }, kLeaveDeadline);
        session.engine().shutdown();
        if (outcome == Outcome::OpenFailed) return finish(session, outcome, a, "monitor");
        if (!confirmed) {
            std::cerr << "vardeck-cli monitor: the module did not enter monitor mode\n";
            return kExitNoAnswer;
        }

        const std::string utf8 = z4config::cp1250BytesToUtf8(text);
        if (a.out) {
            const std::string error = z4config::writeFileAtomically(
                *a.out, {reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size()});
            if (!error.empty()) {
                std::cerr << "vardeck-cli monitor: cannot write " << *a.out << ": " << error << "\n";
                return kExitFailure;
            }
        } else {
            std::cout << utf8 << std::flush;
        }
        if (!a.report) return 0;
        const auto server = z4screen::parseReportServer(*a.report);
        const std::string stream = z4screen::buildErrorReport(*a.imei, session.engine().vars().firmwareVersion,
                                                              a.text.value_or(""), text);
        if (!z4screen::TcpReportClient::sendNow(*server, stream, kReportTimeLimit)) {
            std::cerr << "Sikertelen küldés\n";
            return kExitFailure;
        }
        std::cerr << "OK\n";
        return 0;
    });
}

CliRegistrar statusCommand("status", kStatusUsage, runStatus);
CliRegistrar logCommand("log", kLogUsage, runLog);
CliRegistrar signalCommand("signal", kSignalUsage, runSignal);
CliRegistrar monitorCommand("monitor", kMonitorUsage, runMonitor);

}  // namespace
}  // namespace vardeck::cli
