// A screen's view of a simulated device in-process: the endpoint's line timing
// and the loopback channel, all on virtual time.
#include "sim/DeviceCatalog.h"
#include "sim/LoopbackChannel.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace vardeck;
using namespace vardeck::sim;
using namespace std::chrono_literals;

namespace {

const Frame kIdentify{0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE};

// Runs posted work only when the test says so.
class ManualDispatcher : public Dispatcher {
public:
    void post(std::function<void()> fn) override { queue.push_back(std::move(fn)); }
    void runAll() {
        auto work = std::move(queue);
        queue.clear();
        for (auto& fn : work) fn();
    }
    std::vector<std::function<void()>> queue;
};

struct Rig {
    explicit Rig(int code = 71, Dispatcher* dispatcher = nullptr)
        : model(makeDeviceModel(code)), endpoint(*model, &faults), channel(endpoint, dispatcher) {
        channel.OnRxChar = [this](CommChannel&, int count) { notified.push_back(count); };
    }
    Bytes readAll() {
        Bytes out(channel.waiting());
        out.resize(static_cast<std::size_t>(channel.Read(out.data(), static_cast<int>(out.size()))));
        return out;
    }
    int writeIdentify() { return channel.Write(kIdentify.data(), static_cast<int>(kIdentify.size())); }

    std::unique_ptr<DeviceModel> model;
    FaultInjector faults;
    SimEndpoint endpoint;
    LoopbackChannel channel;
    std::vector<int> notified;
};

Bytes idReply(int code) {
    const Frame f = makeFrame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code));
    return Bytes(f.begin(), f.end());
}

}  // namespace

TEST(SimEndpoint, PacedRepliesTakeTenBitsAByteAndKeepOrder) {
    auto model = makeDeviceModel(60);
    SimEndpoint endpoint(*model);
    EXPECT_EQ(SimEndpoint::byteTimeAt(9600), SimTime{1042});
    EXPECT_EQ(SimEndpoint::byteTimeAt(4800), SimTime{2083});
    endpoint.setByteTime(SimEndpoint::byteTimeAt(4800));
    // Two identifications at once: the second reply waits for the first.
    Bytes twice(kIdentify.begin(), kIdentify.end());
    twice.insert(twice.end(), kIdentify.begin(), kIdentify.end());
    endpoint.receive(twice, 1000us);
    EXPECT_EQ(endpoint.nextEvent(), SimTime{1000 + 2083});
    EXPECT_EQ(endpoint.takeDue(SimTime{1000 + 5 * 2083}).size(), 5u);
    EXPECT_EQ(endpoint.takeDue(SimTime{1000 + 6 * 2083}).size(), 1u);
    EXPECT_TRUE(endpoint.takeDue(SimTime{1000 + 11 * 2083}).size() == 5u);
    EXPECT_EQ(endpoint.bytesInFlight(), 1u);
}

TEST(SimEndpoint, PacedInputTakesEachByteAtItsWireTimeAndTheAdapterHoldsReplies) {
    auto model = makeDeviceModel(71);
    SimEndpoint endpoint(*model);
    const SimTime byte = SimEndpoint::byteTimeAt(9600);
    endpoint.setByteTime(byte);
    endpoint.setPacedInput(true);
    endpoint.setAdapterLatency(16ms);
    endpoint.receive(Bytes(kIdentify.begin(), kIdentify.end()), SimTime{0});
    EXPECT_TRUE(model->frameLog().empty()) << "the frame is still on the line";
    EXPECT_EQ(endpoint.nextEvent(), byte);
    endpoint.advanceTo(6 * byte - 1us);
    EXPECT_TRUE(model->frameLog().empty());
    endpoint.advanceTo(6 * byte);
    ASSERT_EQ(model->frameLog().size(), 1u);
    EXPECT_EQ(model->frameLog()[0].at, 6 * byte);
    // The reply's first byte reaches the adapter at 7 byte times; its timer fires
    // 16 ms later and lets through all six bytes, which have arrived by then.
    EXPECT_EQ(endpoint.nextEvent(), 7 * byte + 16ms);
    EXPECT_TRUE(endpoint.takeDue(7 * byte + 16ms - 1us).empty());
    EXPECT_EQ(endpoint.takeDue(7 * byte + 16ms), idReply(71));
}

TEST(SimEndpoint, PacingAndAdapterLatencyChangeNoByteThatArrives) {
    // The same requests with the same fault seed, once at once and once over a
    // paced line behind a slow adapter: the program gets the same bytes.
    auto run = [](bool slowLine) {
        auto model = makeDeviceModel(71);
        FaultInjector faults(FaultSettings{0.2, 0.2, 0.2, SimTime{0}, 11});
        SimEndpoint endpoint(*model, &faults);
        if (slowLine) {
            endpoint.setByteTime(SimEndpoint::byteTimeAt(9600));
            endpoint.setPacedInput(true);
            endpoint.setAdapterLatency(16ms);
        }
        Bytes got;
        SimTime now{0};
        auto take = [&](SimTime until) {
            endpoint.advanceTo(until);
            const Bytes due = endpoint.takeDue(until);
            got.insert(got.end(), due.begin(), due.end());
        };
        for (int n = 0; n < 40; ++n) {
            // Byte reads, and now and then a 256-byte block read.
            const Frame read = makeFrame(0x00, n % 10 == 0 ? 0xF7 : 0x00, static_cast<uint8_t>(n), 0x00);
            endpoint.receive(Bytes(read.begin(), read.end()), now);
            now += 50ms;
            take(now);
        }
        take(now + 5s);
        return got;
    };
    const Bytes atOnce = run(false);
    EXPECT_GT(atOnce.size(), 500u);
    EXPECT_EQ(run(true), atOnce);
}

TEST(LoopbackChannel, WriteThenDeliverGivesTheReplyThroughOnRxChar) {
    Rig rig(71);
    rig.channel.Open();
    EXPECT_EQ(rig.writeIdentify(), 6);
    EXPECT_TRUE(rig.notified.empty()) << "nothing arrives before the test pumps";
    EXPECT_EQ(rig.channel.deliver(), 6);
    EXPECT_EQ(rig.notified, std::vector<int>{6});
    EXPECT_EQ(rig.readAll(), idReply(71));
    EXPECT_EQ(rig.channel.deliver(), 0);
    EXPECT_EQ(rig.notified.size(), 1u);
    EXPECT_EQ(rig.model->frameLog().size(), 1u);
    EXPECT_EQ(rig.channel.written(), Bytes(kIdentify.begin(), kIdentify.end()));
}

TEST(LoopbackChannel, DelayedAndPacedRepliesArriveOnVirtualTime) {
    Rig rig(60);
    rig.channel.SetBaudRate(cbr4800);
    rig.channel.setPaced(true);
    rig.faults.forceNext(Fault::Noise);
    rig.channel.Open();
    rig.writeIdentify();
    EXPECT_EQ(rig.channel.advance(2ms), 0);
    // Byte by byte as the time passes: the notification counts what waits unread.
    EXPECT_EQ(rig.channel.advance(3ms), 2);
    EXPECT_EQ(rig.notified.back(), 2);
    while (rig.channel.advanceToNextEvent() > 0) {
    }
    const Bytes got = rig.readAll();
    ASSERT_GT(got.size(), 6u);
    EXPECT_EQ(Bytes(got.end() - 6, got.end()), idReply(60));
}

TEST(LoopbackChannel, ClosedPortLosesRepliesAndRefusesWrites) {
    Rig rig(30);
    EXPECT_EQ(rig.writeIdentify(), 0);
    rig.channel.Open();
    rig.writeIdentify();
    rig.channel.Close();
    rig.channel.Open();
    EXPECT_EQ(rig.channel.deliver(), 0);
    EXPECT_EQ(rig.channel.waiting(), 0u);
    // A write refused as busy reaches nothing; the next one goes through.
    rig.channel.refuseWrites(1);
    EXPECT_EQ(rig.writeIdentify(), 0);
    EXPECT_EQ(rig.writeIdentify(), 6);
    rig.channel.deliver();
    EXPECT_EQ(rig.readAll(), idReply(30));
    EXPECT_EQ(rig.model->frameLog().size(), 2u);
}

TEST(LoopbackChannel, DispatcherDeliversAfterEachWriteWhileTheChannelLives) {
    ManualDispatcher dispatcher;
    {
        Rig rig(100, &dispatcher);
        int opened = -1;
        rig.channel.OnOpen = [&](CommChannel&, int, int error) { opened = error; };
        rig.channel.Open();
        EXPECT_EQ(opened, 0);
        // A screen that answers every reply at once with the next frame.
        int replies = 0;
        rig.channel.OnRxChar = [&](CommChannel& ch, int count) {
            Bytes in(static_cast<std::size_t>(count));
            ch.Read(in.data(), count);
            if (++replies < 3) rig.writeIdentify();
        };
        rig.writeIdentify();
        while (!dispatcher.queue.empty()) dispatcher.runAll();
        EXPECT_EQ(replies, 3);
        rig.writeIdentify();
    }
    // The posted delivery outlived its channel and must do nothing.
    dispatcher.runAll();
}
