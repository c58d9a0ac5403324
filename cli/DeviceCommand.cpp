// vardeck-cli device: the screens of the four other devices (GPRS module,
// converter, tracker, geofence unit) without a window, on the same screen models.
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "brand/Brand.h"
#include "cli/CliCommand.h"
#include "cli/DeviceJson.h"
#include "cli/SessionArgs.h"
#include "devices/DeviceCommands.h"
#include "devices/DeviceScreen.h"
#include "devices/ModelTimerPump.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreMemory.h"
#include "settings/Settings.h"

namespace vardeck::cli {
namespace {

using namespace std::chrono_literals;

constexpr int kDefaultTimeoutS = 600;
constexpr int kAnswerTimeoutS = 10;  // the version answer, before an operation starts
constexpr std::size_t kMaxJsonBytes = 4u << 20;

constexpr const char* kDeviceUsage =
    "  device read --port P --type T --out FILE.json [--old-format] [--timeout-s N]\n"
    "                                          read the device of type T (30 GPRS module, 50\n"
    "                                          converter, 60 tracker, 61 geofence unit) and write\n"
    "                                          its screen as JSON: {\"controls\": {NAME: {...}}}, the\n"
    "                                          geofence table as \"tables\": {\"StringGrid1\": 65 rows\n"
    "                                          of 5 cells}; --old-format: the tracker's old format\n"
    "  device write --port P --type T --in FILE.json [--old-format] [--timeout-s N]\n"
    "                                          read the device, set the controls FILE names (the\n"
    "                                          others keep what was read), apply the screen's rules\n"
    "                                          and checks, then write the device; a refused check\n"
    "                                          exits 1 with the screen's message, nothing written\n"
    "  device restart --port P --type 50       restart the converter\n"
    "  device mode --port P --type 50 telnet|gsm-route\n"
    "                                          switch the converter into TELNET or GSM ROUTE mode\n"
    "                                          exit codes: 0 done, 1 port, file or check refused,\n"
    "                                          2 usage, 3 no answer within N s (default 600)";

// Messages go to stderr; questions are answered Yes (the command was the question).
class CliDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        std::cerr << text << "\n";
    }
    bool askYesNo(const std::string&) override { return true; }
    std::vector<std::string> messages;
};

// One device screen on the port, its timers on an event loop, the port name put where
// the screen looks for it (the settings value "comport"), this run only.
class DeviceRun {
public:
    DeviceRun(const std::string& port, int type)
        : store_(std::make_shared<MemorySettingsStore>()), scoped_(store_), channel_(loop_), pump_(loop_) {
        WriteSetting(brandInfo(brandCode()).brandKey, "comport", port);
        devices::DeviceScreenEnvironment env;
        env.brand = brandCode();
        env.dialogs = &dialogs;
        env.searchHoldsChannel = [] { return false; };
        screen = devices::makeDeviceScreen(type, channel_, env);
        pump_.add(screen->timers());
    }
    // The screen goes first: it may close the channel it opened, which must still exist.
    ~DeviceRun() {
        screen.reset();
        channel_.Close();
    }

    bool runUntil(const std::function<bool()>& done, std::chrono::seconds limit) {
        return loop_.runUntil(done, limit);
    }
    void settle() { loop_.runFor(50ms); }

    CliDialogs dialogs;
    std::unique_ptr<devices::DeviceScreen> screen;

private:
    std::shared_ptr<MemorySettingsStore> store_;
    ScopedSettingsStore scoped_;
    EventLoop loop_;
    TAsynComm32 channel_;
    devices::ModelTimerPump pump_;
};

bool deviceType(int code) { return code == 30 || code == 50 || code == 60 || code == 61; }

// The port must open before a screen's timer tries it, so a wrong name fails at once.
std::optional<std::string> portProblem(const std::string& port) {
    EventLoop loop;
    TAsynComm32 probe(loop);
    int error = 0;
    probe.OnOpen = [&](CommChannel&, int, int e) { error = e; };
    probe.SetDeviceName(port);
    probe.Open();
    if (probe.IsOpen()) {
        probe.Close();
        return std::nullopt;
    }
    return "cannot open " + port + ": " + std::strerror(error ? error : ENOENT);
}

std::optional<std::string> readText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open \"" + path + "\"";
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    if (text.size() > kMaxJsonBytes) return "\"" + path + "\" is too large for a screen's state";
    return std::nullopt;
}

bool writeText(const std::string& path, const std::string& text) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

int fail(const std::string& message, int code = kExitFailure) {
    std::cerr << "vardeck-cli device: " << message << "\n";
    return code;
}

// The screen's starting state after the hand-over, until its buttons are usable.
bool waitReady(DeviceRun& run, std::chrono::seconds limit) {
    run.screen->handOver();
    return run.runUntil([&] { return run.screen->ready(); }, limit);
}

// Runs an operation the screen has started until it is over.
bool waitDone(DeviceRun& run, std::chrono::seconds limit) {
    return run.runUntil([&] { return !run.screen->busy() && run.screen->ready(); }, limit);
}

int runDevice(const std::vector<std::string>& raw) {
    if (raw.empty()) return usage("device", "read, write, restart or mode expected", kDeviceUsage);
    const std::string action = raw.front();
    Args a;
    try {
        a = parseArgs({raw.begin() + 1, raw.end()});
        if (!a.type || !deviceType(*a.type)) throw UsageError{"--type must be 30, 50, 60 or 61"};
        if (action == "read" && !a.out) throw UsageError{"--out FILE.json is missing"};
        if (action == "write" && !a.in) throw UsageError{"--in FILE.json is missing"};
        if ((action == "restart" || action == "mode") && *a.type != 50)
            throw UsageError{action + " is a command of the converter (--type 50)"};
        if (a.oldFormat && *a.type != 60) throw UsageError{"--old-format is an option of the tracker (--type 60)"};
        if (action == "mode") {
            if (a.positional.size() != 1 || (a.positional[0] != "telnet" && a.positional[0] != "gsm-route"))
                throw UsageError{"mode needs telnet or gsm-route"};
        } else if (action == "read" || action == "write" || action == "restart") {
            requireNoPositional(a);
        } else {
            throw UsageError{"unknown device command \"" + action + "\""};
        }
    } catch (const UsageError& e) {
        return usage("device", e.message, kDeviceUsage);
    }

    // A JSON file is checked before the device is touched.
    std::optional<controls::JsonValue> document;
    if (action == "write") {
        std::string text, error;
        if (auto problem = readText(*a.in, text)) return fail(*problem);
        document = controls::parseJson(text, error);
        if (!document) return fail("\"" + *a.in + "\": " + error);
    }
    if (auto problem = portProblem(*a.port)) return fail(*problem);

    DeviceRun run(*a.port, *a.type);
    const auto limit = std::chrono::seconds(a.timeoutS.value_or(kDefaultTimeoutS));
    if (a.oldFormat) devices::selectOldFormat(*run.screen);
    if (!waitReady(run, std::chrono::seconds(std::min<int>(kAnswerTimeoutS, static_cast<int>(limit.count())))))
        return fail("no answer from the device on " + *a.port, kExitNoAnswer);

    if (action == "restart" || action == "mode") {
        const devices::ConverterCommand command = action == "restart" ? devices::ConverterCommand::Restart
                                                  : a.positional[0] == "telnet" ? devices::ConverterCommand::TelnetMode
                                                                                : devices::ConverterCommand::GsmRouteMode;
        devices::runConverterCommand(*run.screen, command);
        // The frame goes out at the next tick; the converter sends no answer.
        if (!run.runUntil([&] { return run.screen->state() == 0; }, limit))
            return fail("the command could not be sent on " + *a.port, kExitNoAnswer);
        run.settle();
        return 0;
    }

    run.screen->read();
    if (!waitDone(run, limit)) return fail("the read did not complete on " + *a.port, kExitNoAnswer);
    if (action == "read") {
        if (!writeText(*a.out, controls::writeJson(screenToJson(*run.screen)) + "\n"))
            return fail("cannot write \"" + *a.out + "\"");
        return 0;
    }

    const std::string error = applyScreenJson(*run.screen, *document);
    if (!error.empty()) return fail("\"" + *a.in + "\": " + error);
    if (!run.screen->write()) return fail("the screen refused the write; nothing was written");
    if (!waitDone(run, limit)) return fail("the write did not complete on " + *a.port, kExitNoAnswer);
    return 0;
}

const CliRegistrar registrar("device", kDeviceUsage, runDevice);

}  // namespace
}  // namespace vardeck::cli
