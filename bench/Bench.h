#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vardeck::bench {

// What the command line of vardeck-bench asks of the groups.
struct BenchOptions {
    // transfer: the byte-wise read with the replies held by a USB adapter's
    // latency timer of this many ms (and of 1 ms, what low-latency mode gives).
    std::optional<int> latencyMs;
    // idle: how long each window is watched.
    int idleSeconds = 60;
};

// One group of figures of vardeck-bench. Each group lives in a file of its own and
// registers itself with a static BenchRegistrar; it prints "name: value unit" lines.
struct BenchGroup {
    std::string name;
    int (*run)(const BenchOptions& options);  // returns 0 on success
};

std::vector<BenchGroup>& benchGroups();

struct BenchRegistrar {
    BenchRegistrar(std::string name, int (*run)(const BenchOptions&)) {
        benchGroups().push_back({std::move(name), run});
    }
};

// Prints one figure as "name: value unit".
void report(const std::string& name, double value, const std::string& unit);

}  // namespace vardeck::bench
