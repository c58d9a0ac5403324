// The Z-4 transfer engine's receive handler in every state an operation reaches: read
// and write (byte-wise, small and large blocks), version, clock, GSM modem operations,
// status, monitor, event log, signal history, uploads and firmware download. A device
// on the line answers whatever the fuzzer says, in pieces of any size, with ticks in
// between; the installer may start another operation at any time.
//
// Input: device type, firmware version, the first operation and its argument, then a
// script of steps (TransferMachine.h).
#include "fuzz/TransferMachine.h"
#include "z4link/Frame.h"

using namespace vardeck;
using namespace vardeck::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Machine m;
    m.engine.setDeviceType(kTypes[in.choose(5)]);
    m.engine.setFirmwareVersion(in.byte());
    m.engine.queryVersionOnActivation();
    const int operation = in.choose(kOperations);
    m.start(operation, in.byte());

    for (int steps = 0; !in.empty() && steps < 2000; ++steps) {
        const uint8_t op = in.byte();
        if (op < kValidFrame) {
            const auto bytes = in.take(op - kRawBytes + 1u);
            m.channel.deliver({bytes.begin(), bytes.end()});
        } else if (op < kRawBlocks) {
            const auto p = in.take(4);
            if (p.size() < 4) break;
            const Frame frame = makeFrame(p[0], p[1], p[2], p[3]);
            m.channel.deliver({frame.begin(), frame.end()});
        } else if (op < kOperation) {
            const auto bytes = in.take(((op & 0x0F) + 1u) * 32u);
            m.channel.deliver({bytes.begin(), bytes.end()});
        } else if (op < kTicks) {
            const int next = in.choose(kOperations);
            m.start(next, in.byte());
        } else {
            for (int i = (op & 0x07) + 1; i > 0; --i) m.engine.tick();
        }
        const TransferGauge& gauge = m.engine.gauge();
        VARDECK_FUZZ_CHECK(gauge.progress >= 0 && (!gauge.visible || gauge.progress <= gauge.max));
    }
    m.engine.shutdown();
    return 0;
}
