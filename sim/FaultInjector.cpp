#include "sim/FaultInjector.h"

namespace vardeck::sim {

FaultInjector::FaultInjector(const FaultSettings& settings) : settings_(settings), decide_(settings.seed), shape_(settings.seed ^ 0x5EEDF00Du) {}

bool FaultInjector::chance(double probability) {
    const uint32_t draw = decide_();
    if (probability <= 0.0) return false;
    if (probability >= 1.0) return true;
    return draw < probability * 4294967296.0;
}

void FaultInjector::corrupt(Bytes& bytes) {
    const uint32_t index = below(static_cast<uint32_t>(bytes.size()));
    bytes[index] ^= static_cast<uint8_t>(1u << below(8));
}

std::size_t FaultInjector::addNoise(Bytes& bytes) {
    const std::size_t count = 1 + below(kMaxNoiseBytes);
    Bytes junk(count);
    for (auto& b : junk) b = static_cast<uint8_t>(shape_());
    bytes.insert(bytes.begin(), junk.begin(), junk.end());
    return count;
}

FaultOutcome FaultInjector::apply(Bytes reply) {
    FaultOutcome out;
    out.delay = settings_.delay;
    ++counters_.replies;
    if (reply.empty()) return out;

    bool drop, spoil, noisy;
    if (!forced_.empty()) {
        const Fault fault = forced_.front();
        forced_.pop_front();
        drop = fault == Fault::Drop;
        spoil = fault == Fault::Corrupt;
        noisy = fault == Fault::Noise;
    } else {
        // Always three draws from their own generator, so which replies are hit
        // depends only on the seed and the reply's number, not on earlier faults.
        drop = chance(settings_.drop);
        spoil = chance(settings_.corrupt);
        noisy = chance(settings_.noise);
    }
    if (drop) {
        out.dropped = true;
        ++counters_.dropped;
        return out;
    }
    if (spoil) {
        corrupt(reply);
        out.corrupted = true;
        ++counters_.corrupted;
    }
    if (noisy) {
        out.noiseBytes = addNoise(reply);
        ++counters_.noisy;
    }
    out.bytes = std::move(reply);
    return out;
}

}  // namespace vardeck::sim
