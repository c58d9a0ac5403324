// vardeck-bench: prints one "name: value unit" line per figure.
//   vardeck-bench [OPTIONS]            every group
//   vardeck-bench [OPTIONS] GROUP...   only the named groups
#include "bench/Bench.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <set>

namespace vardeck::bench {
std::vector<BenchGroup>& benchGroups() {
    static std::vector<BenchGroup> groups;
    return groups;
}
void report(const std::string& name, double value, const std::string& unit) {
    std::printf("%s: %.3f %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}
}  // namespace vardeck::bench

namespace {

using namespace vardeck::bench;

constexpr int kUsageExit = 2;

std::string usage() {
    std::string groups;
    for (const BenchGroup& g : benchGroups()) groups += (groups.empty() ? "" : ", ") + g.name;
    return "usage: vardeck-bench [--latency-ms N] [--idle-seconds N] [GROUP...]\n"
           "Prints one \"name: value unit\" line per figure, for every group or the named ones.\n"
           "  groups            " + groups + "\n"
           "  --latency-ms N    transfer: only the byte-wise read, its replies held by a USB\n"
           "                    adapter's latency timer of N ms (1 to 1000) and of 1 ms\n"
           "  --idle-seconds N  idle: watch each window N s (1 to 3600, default 60)\n";
}

int refuse(const std::string& message) {
    std::cerr << "vardeck-bench: " << message << "\n" << usage();
    return kUsageExit;
}

bool knownGroup(const std::string& name) {
    const auto& groups = benchGroups();
    return std::any_of(groups.begin(), groups.end(), [&](const BenchGroup& g) { return g.name == name; });
}

std::optional<int> wholeNumber(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    BenchOptions options;
    std::set<std::string> wanted;
    bool idleSecondsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << usage();
            return 0;
        }
        if (arg == "--latency-ms" || arg == "--idle-seconds") {
            const bool latency = arg == "--latency-ms";
            const std::optional<int> n =
                i + 1 < args.size() ? wholeNumber(args[i + 1], 1, latency ? 1000 : 3600) : std::nullopt;
            if (!n) return refuse(arg + (latency ? " takes a whole number from 1 to 1000" : " takes a whole number from 1 to 3600"));
            ++i;
            if (latency) {
                options.latencyMs = *n;
            } else {
                options.idleSeconds = *n;
                idleSecondsGiven = true;
            }
        } else if (arg.rfind("-", 0) == 0) {
            return refuse("unknown option '" + arg + "'");
        } else if (!knownGroup(arg)) {
            return refuse("unknown group '" + arg + "'");
        } else {
            wanted.insert(arg);
        }
    }
    auto runs = [&](const char* group) { return wanted.empty() || wanted.count(group) > 0; };
    if (options.latencyMs && !runs("transfer")) return refuse("--latency-ms is an option of the transfer group");
    if (idleSecondsGiven && !runs("idle")) return refuse("--idle-seconds is an option of the idle group");

    int status = 0;
    for (auto& g : benchGroups()) {
        if (!runs(g.name.c_str())) continue;
        if (g.run(options) != 0) {
            std::cerr << "vardeck-bench: group " << g.name << " failed\n";
            status = 1;
        }
    }
    return status;
}
