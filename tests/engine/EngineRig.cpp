#include "tests/engine/EngineRig.h"

#include <chrono>
#include <cstdio>

namespace vardeck::testing {

void RecordingListener::setStatusPanel(int index, const std::string& text) {
    if (index < 0 || index > 3) return;
    panel[index] = text;
    if (index == 3) statusHistory.push_back(text);
}

bool RecordingListener::askYesNo(const std::string& question) {
    questions.push_back(question);
    return answer;
}

void RecordingListener::encodeImage() {
    if (onEncode) onEncode();
}

EngineRig::EngineRig(int deviceType, int firmware, sim::FaultSettings faultSettings)
    : model(deviceType, firmware),
      faults(faultSettings),
      endpoint(model, &faults),
      channel(endpoint),
      engine(channel, image, listener,
             TransferEnvironment{[this] { return portSetting; }, [this] { return clock; }, nullptr, nullptr, nullptr}) {
    engine.setDeviceType(deviceType);
    engine.setFirmwareVersion(firmware);
}

void EngineRig::tick() {
    const sim::SimTime end = channel.now() + std::chrono::milliseconds(TransferEngine::kTickPeriodMs);
    // Replies arrive as they come due, so a paced line splits them byte by byte.
    for (int guard = 0; guard < 20000; ++guard) {
        const std::optional<sim::SimTime> next = endpoint.nextEvent();
        if (!next || *next > end) break;
        channel.advanceToNextEvent();
    }
    channel.advance(end - channel.now());
    engine.tick();
    ++ticks;
    // On an unpaced line the answers to what the tick sent are due at once, and
    // every accepted answer sends the next command at once.
    while (channel.deliver() > 0) {
    }
}

bool EngineRig::tickUntil(const std::function<bool()>& done, int maxTicks) {
    for (int i = 0; i < maxTicks && !done(); ++i) tick();
    return done();
}

bool EngineRig::runUntilIdle(int maxTicks) {
    return tickUntil([this] { return engine.vars().state == z4state::kIdle; }, maxTicks);
}

void EngineRig::fillModuleMemory(uint8_t seed) {
    auto memory = model.memory();
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(seed + i * 7 + (i >> 8));
    model.memoryLoaded();
}

std::vector<Frame> EngineRig::framesWithCommand(uint8_t p1) const {
    std::vector<Frame> out;
    for (const sim::ReceivedFrame& f : model.frameLog()) {
        if (f.bytes[1] == p1) out.push_back(f.bytes);
    }
    return out;
}

sim::FaultSettings faultyLine(uint32_t seed) {
    sim::FaultSettings faults;
    faults.drop = 0.1;
    faults.corrupt = 0.1;
    faults.noise = 0.05;
    faults.seed = seed;
    return faults;
}

std::string differences(const uint8_t* want, const uint8_t* got, int first, int last) {
    std::string out;
    int shown = 0;
    for (int i = first; i <= last && shown < 10; ++i) {
        if (want[i] == got[i]) continue;
        char line[64];
        std::snprintf(line, sizeof line, "%d: want %02X got %02X\n", i, want[i], got[i]);
        out += line;
        ++shown;
    }
    return out;
}

}  // namespace vardeck::testing
