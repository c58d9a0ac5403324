// A device's memory, whatever it holds, read by its screen and written back without
// an edit, settles: read and written once more by a fresh screen, the device's
// memory stays as the first write left it. (The first write may change it: a screen
// shows some bytes in a tidier form, such as an item the list does not have.)
//
// Input: the device (DeviceMemory.h), then the bytes of the memory its screen reads,
// in address order (missing bytes 0xFF, as in an erased device).
#include "fuzz/DeviceMemory.h"
#include "fuzz/SimulatedLine.h"

using namespace vardeck;
using namespace vardeck::fuzz;

namespace {

// A fresh screen reads the device and writes it back; false when the screen refuses
// the write (its checks do not take what the device holds).
bool readAndWriteBack(const DeviceMemory& device, SimulatedLine& line) {
    constexpr int kAnswerMs = 10000;
    constexpr int kTransferMs = 20 * 60 * 1000;
    ScreenMachine m(device.type, {});
    line.attach(m);
    if (device.oldFormat) devices::selectOldFormat(*m.screen);
    m.screen->handOver();
    VARDECK_FUZZ_CHECK(line.runUntilReady(kAnswerMs));
    m.screen->read();
    VARDECK_FUZZ_CHECK(line.runUntilReady(kTransferMs));
    if (!m.screen->write()) return false;
    VARDECK_FUZZ_CHECK(line.runUntilReady(kTransferMs));
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const DeviceMemory& device = deviceMemories()[in.choose(static_cast<int>(deviceMemories().size()))];
    const auto model = makeDeviceModel(device.type);
    const std::span<uint8_t> memory = model->memory();
    for (const auto& [from, to] : device.read) {
        std::fill(memory.begin() + from, memory.begin() + to, 0xFF);
        const auto bytes = in.take(to - from);
        std::copy(bytes.begin(), bytes.end(), memory.begin() + from);
    }
    model->memoryLoaded();

    SimulatedLine line(*model);
    if (!readAndWriteBack(device, line)) return 0;
    const std::vector<uint8_t> settled = readPart(device, model->memory());
    VARDECK_FUZZ_CHECK(readAndWriteBack(device, line));
    VARDECK_FUZZ_CHECK(readPart(device, model->memory()) == settled);
    return 0;
}
