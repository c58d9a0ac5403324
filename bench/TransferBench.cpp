// Read all and write all of the Z-4 transfer engine against vardeck-sim over a
// pseudo-terminal, through TAsynComm32 and the engine's own 42 ms tick.
//
// With --pace the simulator sends its replies at 9600 bit/s. For every method
// the wall time from the button press to the final status is printed beside
// the wire time of all bytes exchanged (10 bits a byte at 9600 bit/s) and
// their ratio. A terminal carries the program's own bytes at once, so the
// ratio against the reply bytes alone (the time the paced line really takes)
// is printed too: it shows what the engine adds on top of the line.
// Without --pace: frames per second of the byte-wise read (one request frame
// and its reply count as one frame exchange).
#include <chrono>
#include <csignal>
#include <cstdio>
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

bool startSim(sim::SimProcess& sim, const Method& m, bool pace) {
    std::vector<std::string> args{"--device", std::to_string(m.type), "--firmware", std::to_string(m.firmware)};
    if (pace) args.push_back("--pace");
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

// Runs one operation and prints its figures; false when it did not finish.
bool measure(TransferSession& session, const std::string& name, Outcome (TransferSession::*operation)(std::chrono::milliseconds)) {
    session.resetByteCounts();
    const auto start = Clock::now();
    const Outcome outcome = (session.*operation)(kDeadline);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    if (outcome != Outcome::Done) {
        std::fprintf(stderr, "transfer: %s did not finish (status \"%s\")\n", name.c_str(), session.status().c_str());
        return false;
    }
    const double wire = wireSeconds(session.bytesWritten() + session.bytesRead());
    const double replyWire = wireSeconds(session.bytesRead());
    report("transfer_" + name + "_wall", wall, "s");
    report("transfer_" + name + "_wire", wire, "s");
    report("transfer_" + name + "_ratio", wall / wire, "x");
    report("transfer_" + name + "_ratio_to_replies", wall / replyWire, "x");
    return true;
}

bool pacedMethod(const Method& m) {
    sim::SimProcess sim;
    if (!startSim(sim, m, true)) return false;
    TransferSession session(optionsFor(sim, m));
    if (session.queryVersion(10s) != Outcome::Done) {
        std::fprintf(stderr, "transfer: no version reply from vardeck-sim\n");
        return false;
    }
    // Let the port close as it would between two presses of a button.
    session.runUntil([&] { return !session.engine().vars().portOpen; }, 5s);
    const std::string name = m.name;
    if (!measure(session, name + "_read", &TransferSession::readAll)) return false;
    session.runUntil([&] { return !session.engine().vars().portOpen; }, 5s);
    return measure(session, name + "_write", &TransferSession::writeAll);
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

int runTransferBench() {
    for (const Method& m : kMethods) {
        if (!pacedMethod(m)) return 1;
    }
    return unpacedByteWiseRead() ? 0 : 1;
}

BenchRegistrar registrar("transfer", runTransferBench);

}  // namespace
}  // namespace vardeck::bench
