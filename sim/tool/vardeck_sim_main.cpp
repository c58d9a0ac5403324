// vardeck-sim: a simulated device behind a pseudo-terminal. It prints the
// terminal's path as its first line, then answers the program that opens it
// until SIGINT or SIGTERM.
#include "brand/ProgramVersion.h"
#include "sim/DeviceCatalog.h"
#include "sim/MemoryFile.h"
#include "sim/ModemLog.h"
#include "sim/PtyRunner.h"
#include "sim/SimNameFile.h"
#include "sim/SimOptions.h"

#include <csignal>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <sys/prctl.h>
#include <unistd.h>

using namespace vardeck::sim;

namespace {

int fail(const std::string& message, int status = 1) {
    std::fprintf(stderr, "vardeck-sim: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    std::optional<SimOptions> options = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        return fail(error + " (see vardeck-sim --help)", kUsageExitCode);
    }
    if (options->help) {
        std::fputs(simUsage().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::fputs(vardeck::versionLine("vardeck-sim").c_str(), stdout);
        return 0;
    }
    if (!options->seedGiven) options->faults.seed = std::random_device{}();

    std::optional<ModelOptions> modelOptions = makeModelOptions(*options, error);
    if (!modelOptions) return fail(error, kUsageExitCode);
    std::unique_ptr<DeviceModel> model = makeDeviceModel(options->device, *modelOptions);
    if (!options->memoryFile.empty()) {
        if (!loadMemoryFile(options->memoryFile, model->memory(), error)) return fail(error, kUsageExitCode);
        model->memoryLoaded();
    }
    // The modem and flash options are only taken for the Z-4 family (parseSimOptions).
    auto* module = dynamic_cast<Z4FamilyModel*>(model.get());
    if (module && !options->flashFile.empty() &&
        !loadExactFile(options->flashFile, module->flash(), "flash file", error)) {
        return fail(error, kUsageExitCode);
    }
    ModemLogFile modemLog;
    if (module && !options->modemLogFile.empty()) {
        if (!modemLog.open(options->modemLogFile, error)) return fail(error, kUsageExitCode);
        module->gsmModem().setLineObserver([&modemLog](const Bytes& line) { modemLog.write(line); });
    }

    FaultInjector faults(options->faults);
    SimEndpoint endpoint(*model, &faults);
    PtyOptions ptyOptions;
    ptyOptions.pace = options->pace;
    ptyOptions.verbose = options->verbose;
    ptyOptions.linkPath = options->linkPath;
    ptyOptions.adapterLatency = options->latency;
    if (options->splitReplies) ptyOptions.replyByteGap = kSplitReplyGap;
    ptyOptions.bootTime = kPowerCycleBootTime;
    ptyOptions.unpluggedTime = kUnpluggedTime;
    // After an unplugged cable the new terminal's path follows the first one.
    ptyOptions.onNewTerminal = [](const std::string& path) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
    };
    PtyRunner runner(endpoint, std::move(ptyOptions));
    if (!runner.open(error)) return fail(error);
    runner.stopOnSignals();
    runner.faultsOnSignals();
    if (options->exitWithParent) {
        // A test that dies without stopping its simulator must not leave it running
        // (holding the test runner's output pipe open).
        const pid_t parent = getppid();
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) std::raise(SIGTERM);
    }

    std::printf("%s\n", runner.slavePath().c_str());
    std::fflush(stdout);
    if (options->verbose) {
        std::fprintf(stderr, "vardeck-sim: %s on %s, fault seed %u\n", model->description().c_str(),
                     runner.slavePath().c_str(), options->faults.seed);
    }

    const bool served = runner.run(error);
    int status = 0;
    if (!served) status = fail(error);
    if (!options->memoryFile.empty() && !saveMemoryFile(options->memoryFile, model->memory(), error)) {
        status = fail(error);
    }
    if (module && !options->phonebookFile.empty() &&
        !saveSimNameFile(options->phonebookFile, module->gsmModem().phonebook(), error)) {
        status = fail(error);
    }
    if (module && !options->flashFile.empty() &&
        !writeFileAtomically(options->flashFile, module->flash(), "flash file", error)) {
        status = fail(error);
    }
    return status;
}
