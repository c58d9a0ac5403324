// Faults on a Z-4 module's replies through the loopback channel: a seed gives
// the same spoilt line every run, and faults never touch the module itself.
#include "sim/LoopbackChannel.h"
#include "sim/Z4FamilyModel.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

struct Session {
    Bytes line;            // every byte that reached the program
    Bytes memory;          // the module's memory afterwards
    std::size_t faulted;   // replies dropped, corrupted or noisy
};

// A short read-and-write job of a program against a module whose replies are spoilt.
Session runJob(uint32_t seed) {
    Z4FamilyModel model(71);
    FaultSettings settings;
    settings.drop = 0.2;
    settings.corrupt = 0.2;
    settings.noise = 0.2;
    settings.seed = seed;
    FaultInjector faults(settings);
    SimEndpoint endpoint(model, &faults);
    LoopbackChannel channel(endpoint);
    channel.Open();
    Session session;
    auto exchange = [&](const Bytes& command) {
        channel.Write(command.data(), static_cast<int>(command.size()));
        channel.advance(10ms);
        Bytes got(channel.waiting());
        got.resize(static_cast<std::size_t>(channel.Read(got.data(), static_cast<int>(got.size()))));
        session.line = session.line + got;
    };
    for (uint16_t a = 0; a < 20; ++a) exchange(byteWrite(a, static_cast<uint8_t>(a * 3)));
    for (uint16_t a = 0; a < 20; ++a) exchange(byteRead(a));
    exchange(largeWrite(32, pattern(256, 1)));
    exchange(largeRead(0));
    exchange(setClock("250314093000"));
    session.memory = Bytes(model.memory().begin(), model.memory().end());
    const auto& c = faults.counters();
    session.faulted = c.dropped + c.corrupted + c.noisy;
    return session;
}

}  // namespace

TEST(Z4Faults, SameSeedSameLineAndTheModuleIsUntouched) {
    const Session first = runJob(1234);
    const Session again = runJob(1234);
    EXPECT_EQ(first.line, again.line);
    EXPECT_GT(first.faulted, 5u);
    // Faults spoil replies on the way, never what the module stored.
    Z4FamilyModel clean(71);
    for (uint16_t a = 0; a < 20; ++a) clean.memory()[a] = static_cast<uint8_t>(a * 3);
    const Bytes block = pattern(256, 1);
    std::copy(block.begin(), block.end(), clean.memory().begin() + 512);
    EXPECT_EQ(first.memory, Bytes(clean.memory().begin(), clean.memory().end()));
    EXPECT_NE(runJob(99).line, first.line);
}
