// What the program costs while it waits: each window an installer leaves open
// with nothing running, watched for --idle-seconds (default 60) by this process's
// own CPU time. The program's views run here as in the program (VardeckApp, Qt's
// offscreen platform, a settings file of their own), with vardeck-sim behind a
// pseudo-terminal as the device; the simulator is a process of its own, so only
// the program's work is counted. Then the resident size after a read in the
// configurator.
//
// A window of another device is one more row of kScenarios: the simulator's
// arguments, the objectName of the window the search hands the device to, and,
// where the screen can tell, when nothing of it runs any more.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "bench/ui/BenchSupport.h"
#include "sim/SimProcess.h"
#include "ui/app/VardeckApp.h"
#include "ui/z4/Z4ConfiguratorWindow.h"

namespace vardeck::bench {
namespace {

using namespace std::chrono_literals;

// After its window is shown a screen finishes what its activation started (the
// configurator's version query and the closing of its port, the search's first
// probes) before the watch begins.
constexpr auto kSettle = 3s;
constexpr auto kReadyDeadline = 30s;

struct Scenario {
    const char* name;
    std::vector<std::string> simArgs;
    const char* window;
    // Nothing runs any more in the window; none: the settling time is enough.
    std::function<bool(QWidget& window)> idle;
};

z4screen::Z4Configurator* configuratorOf(QWidget& window) {
    auto* configurator = qobject_cast<ui::z4::Z4ConfiguratorWindow*>(&window);
    return configurator ? &configurator->model() : nullptr;
}

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> all = {
        // A port where nothing answers: the search sends its probes for ever. Its
        // gauge runs for the first seconds after the window opens.
        {"search_silent_port", {"--device", "71", "--drop", "1"}, "Form8",
         [](QWidget& w) {
             auto* gauge = w.findChild<QProgressBar*>("Gauge2");
             return gauge && gauge->value() >= gauge->maximum();
         }},
        {"configurator", {"--device", "71"}, "Z4Form1",
         [](QWidget& w) {
             auto* model = configuratorOf(w);
             return model && !model->tickNeeded();
         }},
        // The other devices' screens, by the window the search hands each one to.
        {"gprs_module", {"--device", "30"}, "Form1", {}},
        {"converter", {"--device", "50"}, "Form5", {}},
        {"tracker", {"--device", "60"}, "traxomain", {}},
        {"geofence", {"--device", "61"}, "Form7", {}},
    };
    return all;
}

// Messages and questions of the screens are answered without a window.
class SilentDialogs : public Dialogs {
public:
    void showMessage(const std::string&) override {}
};

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > deadline.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Lets the program run undisturbed: one event loop, woken only by its own events.
void runFor(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(time.count()), &loop, &QEventLoop::quit);
    loop.exec();
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

struct CpuSample {
    double seconds;
    long switches;  // voluntary context switches: how often the process went to sleep
};

CpuSample cpuNow() {
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(use.ru_utime) + seconds(use.ru_stime), use.ru_nvcsw};
}

// "VmRSS" or "VmHWM" of this process, in MiB.
double memoryMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
    return 0;
}

// The read all of the configurator, by its button; true when it finished.
bool readInConfigurator(QWidget& window) {
    auto* read = window.findChild<QPushButton*>("BitBtn2");
    auto* model = configuratorOf(window);
    if (!read || !model) return false;
    read->click();
    const std::string done = model->engine().text(TransferText::ReadAllDone);
    return waitFor([&] { return !model->tickNeeded() && model->editor().StatusBar1.panel(3) == done; }, 60s);
}

bool runScenario(const Scenario& s, const BenchOptions& options) {
    sim::SimProcess simulator;
    std::string error;
    if (!simulator.start(VARDECK_SIM_PATH, s.simArgs, 10s, error)) {
        std::fprintf(stderr, "idle: %s\n", error.c_str());
        return false;
    }
    BenchSettings settings;
    SilentDialogs dialogs;
    ui::VardeckApp::Options appOptions;
    appOptions.port = simulator.slavePath();
    appOptions.dialogs = &dialogs;
    auto app = std::make_unique<ui::VardeckApp>(appOptions);
    app->start();

    // The search view comes first; a device's window once the search handed it over.
    bool searchSeen = false;
    const bool shown = waitFor(
        [&] {
            QWidget* search = topLevel("Form8");
            if (search && search->isVisible()) searchSeen = true;
            QWidget* w = topLevel(s.window);
            if (!w || !w->isVisible()) return false;
            return std::string(s.window) == "Form8" || (searchSeen && !search->isVisible());
        },
        kReadyDeadline);
    if (!shown) {
        std::fprintf(stderr, "idle: window %s of %s was not shown\n", s.window, s.name);
        return false;
    }
    QWidget& window = *topLevel(s.window);
    runFor(kSettle);
    if (s.idle && !waitFor([&] { return s.idle(window); }, kReadyDeadline)) {
        std::fprintf(stderr, "idle: %s did not come to rest\n", s.name);
        return false;
    }
    // The last repaint and what it handed to Qt's worker threads.
    runFor(1s);

    const auto watch = std::chrono::seconds(options.idleSeconds);
    const CpuSample before = cpuNow();
    QElapsedTimer wall;
    wall.start();
    runFor(watch);
    const CpuSample after = cpuNow();
    const double seconds = wall.elapsed() / 1000.0;
    const std::string prefix = std::string("idle_") + s.name;
    report(prefix + "_cpu", 100.0 * (after.seconds - before.seconds) / seconds, "% of a core");
    report(prefix + "_wakeups", (after.switches - before.switches) / seconds, "/s");

    if (std::string(s.window) == "Z4Form1") {
        if (!readInConfigurator(window)) {
            std::fprintf(stderr, "idle: the read in the configurator did not finish\n");
            return false;
        }
        report("rss_after_read", memoryMiB("VmRSS"), "MiB");
        report("rss_peak", memoryMiB("VmHWM"), "MiB");
    }
    app.reset();
    return true;
}

int runIdleBench(const BenchOptions& options) {
    ensureApplication();
    for (const Scenario& s : scenarios()) {
        if (!runScenario(s, options)) return 1;
    }
    return 0;
}

const BenchRegistrar registrar("idle", runIdleBench);

}  // namespace
}  // namespace vardeck::bench
