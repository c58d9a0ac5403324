#pragma once
#include "sim/DeviceModel.h"
#include "sim/SimTime.h"

#include <cstdint>
#include <deque>
#include <random>

namespace vardeck::sim {

// What can go wrong with one reply on its way to the program.
enum class Fault {
    Drop,     // the reply never arrives
    Corrupt,  // one bit of one byte is flipped
    Noise,    // a few junk bytes arrive before the reply
};

struct FaultSettings {
    // Probabilities per reply, 0 to 1.
    double drop = 0.0;
    double corrupt = 0.0;
    double noise = 0.0;
    // Every reply leaves this much later.
    SimTime delay{0};
    uint32_t seed = 1;
};

struct FaultOutcome {
    Bytes bytes;  // what goes on the line; empty when dropped
    SimTime delay{0};
    bool dropped = false;
    bool corrupted = false;
    std::size_t noiseBytes = 0;
};

// Spoils replies at random, reproducibly: the same seed and the same sequence
// of replies give the same faults on every run and every machine (the random
// numbers come straight from mt19937, whose output the standard fixes).
// Tests that need one particular fault at one particular reply use forceNext().
class FaultInjector {
public:
    struct Counters {
        std::size_t replies = 0;
        std::size_t dropped = 0;
        std::size_t corrupted = 0;
        std::size_t noisy = 0;
    };
    static constexpr std::size_t kMaxNoiseBytes = 3;

    explicit FaultInjector(const FaultSettings& settings = {});

    FaultOutcome apply(Bytes reply);
    // The next reply gets this fault instead of the random ones; calls queue up.
    void forceNext(Fault fault) { forced_.push_back(fault); }

    const FaultSettings& settings() const { return settings_; }
    const Counters& counters() const { return counters_; }

private:
    bool chance(double probability);
    uint32_t below(uint32_t bound) { return shape_() % bound; }
    void corrupt(Bytes& bytes);
    std::size_t addNoise(Bytes& bytes);

    FaultSettings settings_;
    std::mt19937 decide_;  // which faults hit a reply: three draws a reply
    std::mt19937 shape_;   // which byte, which bit, what junk
    std::deque<Fault> forced_;
    Counters counters_;
};

}  // namespace vardeck::sim
