// vardeck-bench: prints one "name: value unit" line per figure.
//   vardeck-bench            every group
//   vardeck-bench GROUP...   only the named groups
#include "bench/Bench.h"

#include <cstdio>
#include <iostream>

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

int main(int argc, char** argv) {
    using namespace vardeck::bench;
    std::vector<std::string> wanted(argv + 1, argv + argc);
    int status = 0;
    for (auto& g : benchGroups()) {
        bool run = wanted.empty();
        for (auto& w : wanted) run = run || w == g.name;
        if (!run) continue;
        if (g.run() != 0) {
            std::cerr << "vardeck-bench: group " << g.name << " failed\n";
            status = 1;
        }
    }
    return status;
}
