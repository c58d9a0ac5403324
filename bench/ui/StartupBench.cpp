// Start-up of the vardeck program on Qt's offscreen platform, with vardeck-sim as
// the module on the port: the time from launching the program to the first
// painting of its first window (Form1, "Start...."), of the search view (Form8)
// and of the configurator (Z4Form1). The program names each window as it first
// paints it when VARDECK_WINDOW_LOG is set; the times are taken here, from the
// launch on, medians of several launches.
//
// The search view follows Form1 by the start timer (250 ms); the configurator
// follows the first probe (3 s after start) and the hand-over (2 s after the
// answer) by rule, so its time less those 5 s is printed too.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "bench/ui/BenchSupport.h"
#include "sim/SimProcess.h"

extern char** environ;

namespace vardeck::bench {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kLaunches = 5;
constexpr auto kLaunchDeadline = 30s;
constexpr double kPrescribedToConfigurator = 3.0 + 2.0;  // first probe, hand-over
const char* const kWindows[] = {"Form1", "Form8", "Z4Form1"};

// One launch: the seconds from the launch to each window's first painting.
class Launch {
public:
    bool run(const std::string& port, const std::string& settingsFile, std::map<std::string, double>& shown) {
        int err[2];
        if (::pipe2(err, O_CLOEXEC) != 0) return false;
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0 || entry.rfind("VARDECK_SETTINGS=", 0) == 0) continue;
            env.push_back(entry);
        }
        env.push_back("QT_QPA_PLATFORM=offscreen");
        env.push_back("VARDECK_SETTINGS=" + settingsFile);
        env.push_back("VARDECK_WINDOW_LOG=1");
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = VARDECK_PROGRAM_PATH;
        std::string portOption = "--port";
        std::string portValue = port;
        char* argv[] = {program.data(), portOption.data(), portValue.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const Clock::time_point launched = Clock::now();
        const int rc = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(err[1]);
        output_ = err[0];
        if (rc != 0) {
            pid_ = -1;
            return false;
        }
        std::string line;
        const Clock::time_point until = launched + kLaunchDeadline;
        while (shown.size() < std::size(kWindows) && Clock::now() < until) {
            pollfd p{output_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char c;
            if (::read(output_, &c, 1) != 1) break;
            if (c != '\n') {
                line += c;
                continue;
            }
            const double seconds = std::chrono::duration<double>(Clock::now() - launched).count();
            const std::string prefix = "vardeck: shown ";
            if (line.rfind(prefix, 0) == 0) shown.emplace(line.substr(prefix.size()), seconds);
            line.clear();
        }
        return std::all_of(std::begin(kWindows), std::end(kWindows), [&](const char* w) { return shown.count(w); });
    }
    ~Launch() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) ::close(output_);
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int runStartupBench(const BenchOptions&) {
    std::map<std::string, std::vector<double>> times;
    bool ok = true;
    for (int i = 0; ok && i < kLaunches; ++i) {
        sim::SimProcess simulator;
        std::string error;
        if (!simulator.start(VARDECK_SIM_PATH, {"--device", "71"}, 10s, error)) {
            std::fprintf(stderr, "startup: %s\n", error.c_str());
            ok = false;
            break;
        }
        const BenchSettings settings;
        std::map<std::string, double> shown;
        Launch launch;
        if (!launch.run(simulator.slavePath(), settings.file(), shown)) {
            std::fprintf(stderr, "startup: not every window was shown within %lld s\n",
                         static_cast<long long>(kLaunchDeadline.count()));
            ok = false;
        }
        for (const auto& [window, seconds] : shown) times[window].push_back(seconds);
    }
    if (!ok) return 1;
    report("startup_first_window_Form1", median(times["Form1"]), "s");
    report("startup_search_window_Form8", median(times["Form8"]), "s");
    report("startup_configurator_Z4Form1", median(times["Z4Form1"]), "s");
    report("startup_configurator_beyond_prescribed_waits", median(times["Z4Form1"]) - kPrescribedToConfigurator, "s");
    return 0;
}

const BenchRegistrar registrar("startup", runStartupBench);

}  // namespace
}  // namespace vardeck::bench
