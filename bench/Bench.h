#pragma once
#include <string>
#include <vector>

namespace vardeck::bench {

// One group of figures of vardeck-bench. Each group lives in a file of its own and
// registers itself with a static BenchRegistrar; it prints "name: value unit" lines.
struct BenchGroup {
    std::string name;
    int (*run)();  // returns 0 on success
};

std::vector<BenchGroup>& benchGroups();

struct BenchRegistrar {
    BenchRegistrar(std::string name, int (*run)()) { benchGroups().push_back({std::move(name), run}); }
};

// Prints one figure as "name: value unit".
void report(const std::string& name, double value, const std::string& unit);

}  // namespace vardeck::bench
