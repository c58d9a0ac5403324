// Faults on replies: what each one does, and that a seed reproduces a run.
#include "sim/FaultInjector.h"

#include <gtest/gtest.h>

#include <bit>

using namespace vardeck::sim;
using namespace std::chrono_literals;

namespace {

const Bytes kReply{0xAB, 0x00, 0xFF, 0x47, 0x0F, 0xF0};

std::vector<FaultOutcome> run(const FaultSettings& settings, int replies) {
    FaultInjector faults(settings);
    std::vector<FaultOutcome> outcomes;
    for (int i = 0; i < replies; ++i) outcomes.push_back(faults.apply(kReply));
    return outcomes;
}

int differingBits(const Bytes& a, const Bytes& b) {
    int bits = 0;
    for (std::size_t i = 0; i < a.size(); ++i) bits += std::popcount(static_cast<unsigned>(a[i] ^ b[i]));
    return bits;
}

}  // namespace

TEST(FaultInjector, NoFaultsPassesRepliesUnchanged) {
    for (const FaultOutcome& o : run(FaultSettings{}, 20)) {
        EXPECT_EQ(o.bytes, kReply);
        EXPECT_EQ(o.delay, SimTime{0});
    }
}

TEST(FaultInjector, EachFaultDoesWhatItSays) {
    FaultSettings drop;
    drop.drop = 1.0;
    EXPECT_TRUE(run(drop, 1)[0].bytes.empty());
    EXPECT_TRUE(run(drop, 1)[0].dropped);

    FaultSettings corrupt;
    corrupt.corrupt = 1.0;
    for (const FaultOutcome& o : run(corrupt, 50)) {
        ASSERT_EQ(o.bytes.size(), kReply.size());
        EXPECT_EQ(differingBits(o.bytes, kReply), 1);
    }

    FaultSettings noise;
    noise.noise = 1.0;
    for (const FaultOutcome& o : run(noise, 50)) {
        ASSERT_GE(o.noiseBytes, 1u);
        ASSERT_LE(o.noiseBytes, FaultInjector::kMaxNoiseBytes);
        // The junk comes first; the reply follows intact.
        EXPECT_EQ(Bytes(o.bytes.begin() + static_cast<std::ptrdiff_t>(o.noiseBytes), o.bytes.end()), kReply);
    }

    FaultSettings late;
    late.delay = 250ms;
    EXPECT_EQ(run(late, 1)[0].delay, SimTime{250ms});
}

TEST(FaultInjector, SameSeedSameRunOtherSeedOtherRun) {
    FaultSettings settings;
    settings.drop = 0.3;
    settings.corrupt = 0.3;
    settings.noise = 0.3;
    settings.seed = 1234;
    auto bytesOfRun = [](const std::vector<FaultOutcome>& outcomes) {
        std::vector<Bytes> all;
        for (const auto& o : outcomes) all.push_back(o.bytes);
        return all;
    };
    const auto first = bytesOfRun(run(settings, 200));
    EXPECT_EQ(first, bytesOfRun(run(settings, 200)));
    settings.seed = 1235;
    EXPECT_NE(first, bytesOfRun(run(settings, 200)));

    // Roughly the asked share of replies is hit (200 draws, p = 0.3).
    FaultInjector faults(FaultSettings{0.3, 0.0, 0.0, SimTime{0}, 99});
    for (int i = 0; i < 200; ++i) faults.apply(kReply);
    EXPECT_GT(faults.counters().dropped, 30u);
    EXPECT_LT(faults.counters().dropped, 90u);
}

TEST(FaultInjector, ForcedFaultsComeFirstThenTheProbabilitiesAgain) {
    FaultInjector faults;
    faults.forceNext(Fault::Drop);
    faults.forceNext(Fault::Noise);
    EXPECT_TRUE(faults.apply(kReply).dropped);
    EXPECT_GT(faults.apply(kReply).noiseBytes, 0u);
    EXPECT_EQ(faults.apply(kReply).bytes, kReply);
    EXPECT_EQ(faults.counters().replies, 3u);
    EXPECT_EQ(faults.counters().dropped, 1u);
    EXPECT_EQ(faults.counters().noisy, 1u);
}
