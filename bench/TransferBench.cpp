// Read all and write all of the Z-4 transfer engine against vardeck-sim over a
// pseudo-terminal, through TAsynComm32 and the engine's own 42 ms tick.
//
// The simulator paces the line both ways at 9600 bit/s (--pace): its replies
// leave at that speed, and it takes in each of the program's bytes only after
// its wire time, as a real UART does. For every method the wall time from the
// button press to the final status is printed beside what the line itself
// needs: the wire time of all bytes in both directions (10 bits a byte) plus the
// waits the protocol prescribes (the tick that opens the port and sends the
// first command, start countdowns, the tick after each position a byte-wise
// write skips, the countdown before the clock setting). Their ratio is what the
// program adds on top of the line; each prescribed wait is printed as well.
// Without pacing: frames per second of the byte-wise read (one request frame
// and its reply count as one frame exchange).
//
// With --latency-ms N only the byte-wise read runs, with the simulator holding
// every reply as a USB adapter's latency timer of N ms does, and of 1 ms (what
// the drivers' low-latency mode gives).
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "sim/SimProcess.h"
#include "z4link/TransferSession.h"

namespace vardeck::bench {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Outcome = TransferSession::Outcome;

constexpr double kBitsPerByte = 10.0;
constexpr double kLineSpeed = 9600.0;
constexpr auto kDeadline = 300s;
constexpr int kLowLatencyMs = 1;

struct Method {
    const char* name;
    int type;
    int firmware;
};

const Method kMethods[] = {
    {"bytewise_fw32", 71, 32},
    {"blocks256_fw43", 71, 43},
    {"zcid_fw30", 100, 30},
    {"zcid_fw43", 100, 43},
};

double wireSeconds(long long bytes) { return static_cast<double>(bytes) * kBitsPerByte / kLineSpeed; }

bool startSim(sim::SimProcess& sim, const Method& m, bool pace, int latencyMs = 0) {
    std::vector<std::string> args{"--device", std::to_string(m.type), "--firmware", std::to_string(m.firmware)};
    if (pace) args.push_back("--pace");
    if (latencyMs > 0) {
        args.push_back("--latency-ms");
        args.push_back(std::to_string(latencyMs));
    }
    std::string error;
    if (!sim.start(VARDECK_SIM_PATH, args, 10s, error)) {
        std::fprintf(stderr, "transfer: %s\n", error.c_str());
        return false;
    }
    return true;
}

TransferSession::Options optionsFor(const sim::SimProcess& sim, const Method& m) {
    TransferSession::Options options;
    options.port = sim.slavePath();
    options.deviceType = m.type;
    return options;
}

// Runs one operation and prints its figures; its wall time, nothing when it did not finish.
std::optional<double> measure(TransferSession& session, const std::string& name, Outcome (TransferSession::*operation)(std::chrono::milliseconds)) {
    // Let the port close as it would between two presses of a button.
    session.runUntil([&] { return !session.engine().vars().portOpen; }, 5s);
    session.resetByteCounts();
    const auto start = Clock::now();
    const Outcome outcome = (session.*operation)(kDeadline);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    if (outcome != Outcome::Done) {
        std::fprintf(stderr, "transfer: %s did not finish (status \"%s\")\n", name.c_str(), session.status().c_str());
        return std::nullopt;
    }
    const double wire = wireSeconds(session.bytesWritten() + session.bytesRead());
    const TransferSession::LineWaits& waits = session.lineWaits();
    const double line = wire + waits.total().count();
    const std::string prefix = "transfer_" + name;
    report(prefix + "_wall", wall, "s");
    report(prefix + "_wire", wire, "s");
    report(prefix + "_prescribed_waits", waits.total().count(), "s");
    const std::pair<const char*, double> kinds[] = {{"start", waits.start.count()},
                                                     {"skipped_bytes", waits.skipped.count()},
                                                     {"clock", waits.clock.count()},
                                                     {"countdown", waits.countdown.count()}};
    for (const auto& [kind, seconds] : kinds) {
        if (seconds > 0) report(prefix + "_wait_" + kind, seconds, "s");
    }
    // A repeat means a command went unanswered on a clean line: worth seeing.
    if (waits.repeats > 0) report(prefix + "_repeats", waits.repeats, "commands");
    report(prefix + "_ratio", wall / line, "x");
    return wall;
}

bool pacedMethod(const Method& m) {
    sim::SimProcess sim;
    if (!startSim(sim, m, true)) return false;
    TransferSession session(optionsFor(sim, m));
    if (session.queryVersion(10s) != Outcome::Done) {
        std::fprintf(stderr, "transfer: no version reply from vardeck-sim\n");
        return false;
    }
    const std::string name = m.name;
    return measure(session, name + "_read", &TransferSession::readAll) &&
           measure(session, name + "_write", &TransferSession::writeAll);
}

// The byte-wise read with the replies held by an adapter's latency timer; its wall time.
std::optional<double> latencyRead(int latencyMs) {
    const Method& m = kMethods[0];
    sim::SimProcess sim;
    if (!startSim(sim, m, true, latencyMs)) return std::nullopt;
    TransferSession session(optionsFor(sim, m));
    if (session.queryVersion(10s) != Outcome::Done) {
        std::fprintf(stderr, "transfer: no version reply from vardeck-sim\n");
        return std::nullopt;
    }
    const std::string name = std::string(m.name) + "_read_latency" + std::to_string(latencyMs) + "ms";
    return measure(session, name, &TransferSession::readAll);
}

bool unpacedByteWiseRead() {
    const Method& m = kMethods[0];
    sim::SimProcess sim;
    if (!startSim(sim, m, false)) return false;
    TransferSession session(optionsFor(sim, m));
    session.engine().setFirmwareVersion(m.firmware);
    double best = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        if (session.readAll(kDeadline) != Outcome::Done) return false;
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        best = std::max(best, 1024 / wall);
    }
    report("transfer_bytewise_read_unpaced_frames_per_s", best, "frames/s");
    return true;
}

int runTransferBench(const BenchOptions& options) {
    if (options.latencyMs) {
        const std::optional<double> slow = latencyRead(*options.latencyMs);
        if (!slow) return 1;
        if (*options.latencyMs == kLowLatencyMs) return 0;
        const std::optional<double> fast = latencyRead(kLowLatencyMs);
        if (!fast) return 1;
        report("transfer_bytewise_fw32_read_latency" + std::to_string(*options.latencyMs) + "ms_vs_" +
                   std::to_string(kLowLatencyMs) + "ms",
               *slow / *fast, "x");
        return 0;
    }
    for (const Method& m : kMethods) {
        if (!pacedMethod(m)) return 1;
    }
    return unpacedByteWiseRead() ? 0 : 1;
}

BenchRegistrar registrar("transfer", runTransferBench);

}  // namespace
}  // namespace vardeck::bench
