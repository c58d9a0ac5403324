#pragma once
#include <string>

#include "tests/engine/EngineRig.h"
#include "tests/z4link/FakeChannel.h"

namespace vardeck::testing {

// A transfer engine on a scripted channel: the test hands it the module's bytes and
// reads what it wrote. Port "COM3", a fixed clock, nothing else from the world.
struct ScriptedLine {
    ScriptedLine() { engine.setDeviceType(71); }

    FakeChannel channel;
    TransferEngine::Image image{};
    RecordingListener listener;
    TransferEngine engine{channel, image, listener,
                          TransferEnvironment{[] { return std::string("COM3"); },
                                              [] { return ModuleClockTime{2025, 1, 2, 3, 4, 5}; }, nullptr, nullptr,
                                              nullptr}};
};

}  // namespace vardeck::testing
