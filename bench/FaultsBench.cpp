// The transfer engine against faulty lines: read all and write all of every
// method, each through vardeck-sim on a pseudo-terminal with one fault, and
// what the fault did to the bytes.
//
// For each cell the bench reports the bytes that went wrong (in the module's
// memory file after a write, in the image after a read: a byte is wrong when it
// holds neither its value before the operation nor the value it should have
// after it, so a transfer that stops half-way leaves none), the bytes a
// transfer that reported success did not bring (a failure reported as success),
// whether the operation completed, its wall time and the ratio of that to the
// clean run of the same method on the same kind of line. A wrong byte in any
// cell, or a success that left bytes behind, fails the group.
//
// Two kinds of line:
//   - paced at 9600 bit/s (vardeck-sim --pace) for the clean reference, noise
//     and the faults in the middle of a transfer (a power cycle of the module,
//     the cable unplugged and back): on the real line junk comes byte by byte
//     ahead of a reply, so the program reads it on its own, and the program's
//     frames take their wire time, so a mid-transfer fault can land inside a
//     frame or a block's data;
//   - unpaced for dropped and corrupted replies and for replies split into
//     single bytes (2 ms apart, slower than the paced line's bytes): what they
//     test is that a spoiled or piecemeal reply is refused or pieced together,
//     which does not depend on the wire time, and their cost is the program's
//     repeat waits, the same on both lines. Unpaced, the matrix takes about
//     13 minutes instead of about 17; these cells have a clean reference of
//     their own.
// The mid-transfer faults are set off from the bench's loop when the bytes of
// the operation pass half of those of the clean run, not by the clock. Fixed
// seeds make every run the same. Each cell has a deadline, after which the
// operation counts as not completed.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
using Bytes = std::vector<uint8_t>;

constexpr auto kStartDeadline = 10s;
constexpr auto kVersionDeadline = 60s;
constexpr int kImageSize = TransferEngine::kImageSize;

struct Method {
    const char* name;
    int type;
    int firmware;
    int readBytes;  // image bytes a read all fills, from 0
};

const Method kMethods[] = {
    {"bytewise_fw32", 71, 32, 1024},
    {"blocks256_fw43", 71, 43, 1536},
    {"zcid_fw30", 100, 30, kImageSize},
    {"zcid_fw43", 100, 43, kImageSize},
};

enum class Op { Read, Write };

struct Fault {
    const char* name;
    bool paced;
    std::vector<std::string> simArgs;
    int signal;  // sent half-way through the operation; 0 for none
};

// The clean runs come first: the others are measured against them.
const Fault kFaults[] = {
    {"clean", true, {}, 0},
    {"noise", true, {"--noise", "0.05"}, 0},
    {"restart", true, {}, SIGUSR1},
    {"vanish", true, {}, SIGUSR2},
    {"clean_unpaced", false, {}, 0},
    {"drop", false, {"--drop", "0.1"}, 0},
    {"corrupt", false, {"--corrupt", "0.1"}, 0},
    {"split", false, {"--split-replies"}, 0},
};
constexpr std::size_t kPacedClean = 0;
constexpr std::size_t kUnpacedClean = 4;

struct Cell {
    bool ran = false;
    bool completed = false;
    bool triggered = false;
    std::string status;
    int wrong = 0;
    int missed = 0;
    double wall = 0;
    long long bytes = 0;  // both ways, as the session counted them
};

// The module's memory before each operation, and the values the image holds
// before a read and brings to a write: the three differ at every position.
uint8_t moduleByte(int i) { return static_cast<uint8_t>(0x3C + i * 11 + (i >> 7)); }
uint8_t imageBeforeRead(int i) { return static_cast<uint8_t>(moduleByte(i) ^ 0x5A); }
uint8_t imageToWrite(int i) { return static_cast<uint8_t>(moduleByte(i) ^ 0xA5); }

// The memory as the module holds it: its firmware version and type code at 254 and 255.
Bytes moduleMemory(const Method& m) {
    Bytes memory(kImageSize);
    for (int i = 0; i < kImageSize; ++i) memory[i] = moduleByte(i);
    memory[254] = static_cast<uint8_t>(m.firmware);
    memory[255] = static_cast<uint8_t>(m.type);
    return memory;
}

// Whether write all brings image position i to the module: the byte-wise write
// (firmware 3.2 and older) leaves out 75 and the company field 384-399 and stops
// at 1024, where a Z-CID's 32-byte blocks take over; the 256-byte blocks cover
// 0-1535. The module keeps 254 and 255 whatever comes.
bool writtenBy(const Method& m, int i) {
    if (i == 254 || i == 255) return false;
    if (m.firmware <= 32) {
        if (i < 1024) return i != 75 && !(i >= 384 && i <= 399);
        return m.type == 100;
    }
    return i < 1536;
}

std::string makeTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vardeck-faults-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void reportCount(const std::string& name, long long value, const char* unit) {
    std::printf("%s: %lld%s%s\n", name.c_str(), value, *unit ? " " : "", unit);
    std::fflush(stdout);
}

// Whether the operation has ended with its success text, as the window shows it.
bool finished(TransferSession& session, Op op) {
    TransferEngine& engine = session.engine();
    if (engine.vars().state != z4state::kIdle) return false;
    if (op == Op::Read) return session.status() == engine.text(TransferText::ReadAllDone);
    // The byte-wise write ends with the write's own text, the block write with the clock setting's.
    return session.status() == engine.text(TransferText::WriteAllDone) ||
           session.status() == engine.text(TransferText::ClockSyncDone);
}

// Runs one operation on one line; `halfBytes` sets off the fault's signal.
Cell runCell(const Method& m, Op op, const Fault& f, uint32_t seed, long long halfBytes,
             std::chrono::milliseconds deadline) {
    Cell cell;
    cell.ran = true;
    const std::string dir = makeTempDir();
    if (dir.empty()) {
        cell.status = "setup: no temporary folder";
        return cell;
    }
    const std::string memoryFile = dir + "/memory.bin";
    const std::string link = dir + "/port";
    const Bytes before = moduleMemory(m);
    if (!writeFile(memoryFile, before)) {
        cell.status = "setup: cannot write " + memoryFile;
        std::filesystem::remove_all(dir);
        return cell;
    }
    std::vector<std::string> args{"--device", std::to_string(m.type), "--firmware", std::to_string(m.firmware),
                                  "--memory", memoryFile, "--link", link, "--seed", std::to_string(seed)};
    if (f.paced) args.push_back("--pace");
    args.insert(args.end(), f.simArgs.begin(), f.simArgs.end());

    sim::SimProcess sim;
    std::string error;
    Bytes image;
    {
        if (!sim.start(VARDECK_SIM_PATH, args, kStartDeadline, error)) {
            cell.status = "setup: " + error;
            std::filesystem::remove_all(dir);
            return cell;
        }
        TransferSession::Options options;
        options.port = link;  // the name that comes back after an unplugged cable
        options.deviceType = m.type;
        TransferSession session(options);
        if (session.queryVersion(kVersionDeadline) != Outcome::Done) {
            cell.status = "setup: no version reply";
            sim.stop(SIGTERM, kStartDeadline);
            std::filesystem::remove_all(dir);
            return cell;
        }
        // Let the port close as it would between two presses of a button.
        session.runUntil([&] { return !session.engine().vars().portOpen; }, 5s);
        for (int i = 0; i < kImageSize; ++i) {
            session.image()[i] = op == Op::Read ? imageBeforeRead(i) : imageToWrite(i);
        }
        session.resetByteCounts();

        const auto start = Clock::now();
        const auto until = start + deadline;
        if (op == Op::Read) {
            session.engine().readAll();
        } else {
            session.engine().writeAll();
        }
        auto done = [&] {
            const long long bytes = session.bytesRead() + session.bytesWritten();
            if (f.signal != 0 && !cell.triggered && bytes >= halfBytes) cell.triggered = sim.sendSignal(f.signal);
            return finished(session, op);
        };
        Outcome outcome = Outcome::TimedOut;
        // A port that cannot be opened (the cable is out) ends runUntil; the
        // engine itself tries again every tick, as in the window.
        for (auto left = deadline; left > 0ms;
             left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now())) {
            outcome = session.runUntil(done, left);
            if (outcome != Outcome::OpenFailed) break;
        }
        cell.wall = std::chrono::duration<double>(Clock::now() - start).count();
        cell.completed = outcome == Outcome::Done;
        cell.status = session.status();
        cell.bytes = session.bytesRead() + session.bytesWritten();
        image.assign(session.image().begin(), session.image().end());
    }  // the session closes its port
    // The simulator writes its memory file as it ends.
    const std::optional<int> exit = sim.stop(SIGTERM, kStartDeadline);
    if (!exit || *exit != 0) cell.status += " (the simulator did not end in order)";

    if (op == Op::Read) {
        for (int i = 0; i < kImageSize; ++i) {
            const uint8_t old = imageBeforeRead(i);
            const uint8_t want = i < m.readBytes ? before[i] : old;
            if (image[i] != old && image[i] != want) ++cell.wrong;
            if (cell.completed && image[i] != want) ++cell.missed;
        }
    } else {
        const Bytes after = readFile(memoryFile);
        if (after.size() != before.size()) {
            cell.status += " (memory file unreadable)";
            cell.wrong = kImageSize;
        } else {
            for (int i = 0; i < kImageSize; ++i) {
                const uint8_t want = writtenBy(m, i) ? imageToWrite(i) : before[i];
                if (after[i] != before[i] && after[i] != want) ++cell.wrong;
                if (cell.completed && after[i] != want) ++cell.missed;
            }
        }
    }
    std::filesystem::remove_all(dir);
    return cell;
}

int runFaultsBench(const BenchOptions&) {
    const auto benchStart = Clock::now();
    constexpr std::size_t kFaultCount = std::size(kFaults);
    struct Row {
        const Method* method;
        Op op;
        const Fault* fault;
        Cell cell;
        double ratio;
    };
    std::vector<Row> rows;
    int status = 0;
    for (std::size_t mi = 0; mi < std::size(kMethods); ++mi) {
        const Method& m = kMethods[mi];
        for (const Op op : {Op::Read, Op::Write}) {
            const char* opName = op == Op::Read ? "read" : "write";
            Cell cells[kFaultCount];
            // Generous: twice the clean paced run and a minute for the faults' repeats.
            std::chrono::milliseconds deadline = 300s;
            for (std::size_t fi = 0; fi < kFaultCount; ++fi) {
                const Fault& f = kFaults[fi];
                const Cell& reference = cells[f.paced ? kPacedClean : kUnpacedClean];
                const uint32_t seed = static_cast<uint32_t>(1000 + 100 * mi + 10 * fi + (op == Op::Write));
                Cell& cell = cells[fi];
                cell = runCell(m, op, f, seed, reference.bytes / 2, deadline);
                if (fi == kPacedClean && cell.completed) {
                    deadline = std::chrono::milliseconds(static_cast<long long>(cell.wall * 2000)) + 60s;
                }
                const double ratio = reference.completed && reference.wall > 0 ? cell.wall / reference.wall : 0;
                const std::string prefix = std::string("faults_") + m.name + "_" + opName + "_" + f.name;
                reportCount(prefix + "_wrong_bytes", cell.wrong, "bytes");
                reportCount(prefix + "_missed_bytes", cell.missed, "bytes");
                reportCount(prefix + "_completed", cell.completed ? 1 : 0, "");
                report(prefix + "_wall", cell.wall, "s");
                report(prefix + "_ratio", ratio, "x");
                if (cell.wrong > 0 || cell.missed > 0 || cell.status.rfind("setup:", 0) == 0) status = 1;
                if (f.signal != 0 && !cell.triggered && cell.completed) cell.status += " (before the fault)";
                rows.push_back(Row{&m, op, &f, cell, ratio});
            }
        }
    }
    report("faults_total_wall", std::chrono::duration<double>(Clock::now() - benchStart).count(), "s");

    // The matrix again, readable.
    std::fprintf(stderr, "\n%-15s %-5s %-13s %-7s %4s %5s %6s %8s %7s  %s\n", "method", "op", "fault", "line", "done",
                 "wrong", "missed", "wall s", "ratio", "final status");
    for (const Row& r : rows) {
        std::fprintf(stderr, "%-15s %-5s %-13s %-7s %4d %5d %6d %8.2f %7.2f  %s\n", r.method->name,
                     r.op == Op::Read ? "read" : "write", r.fault->name, r.fault->paced ? "paced" : "unpaced",
                     r.cell.completed ? 1 : 0, r.cell.wrong, r.cell.missed, r.cell.wall, r.ratio,
                     r.cell.status.c_str());
    }
    return status;
}

BenchRegistrar registrar("faults", runFaultsBench);

}  // namespace
}  // namespace vardeck::bench
