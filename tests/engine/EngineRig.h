#pragma once
#include <functional>
#include <string>
#include <vector>

#include "sim/FaultInjector.h"
#include "sim/LoopbackChannel.h"
#include "sim/SimEndpoint.h"
#include "sim/Z4FamilyModel.h"
#include "z4link/Frame.h"
#include "z4link/TransferEngine.h"

namespace vardeck::testing {

// The six bytes of a frame, as a channel sees them.
inline std::vector<uint8_t> frameBytes(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    const Frame f = makeFrame(b0, b1, b2, b3);
    return std::vector<uint8_t>(f.begin(), f.end());
}

// Keeps what the engine showed and asked, the way the screen would hold it.
class RecordingListener : public TransferListener {
public:
    void setStatusPanel(int panel, const std::string& text) override;
    void setGaugeMax(int max) override { gauge.max = max; }
    void setGaugeProgress(int progress) override { gauge.progress = progress; }
    void setGaugeVisible(bool visible) override { gauge.visible = visible; }
    void setTransferButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void showTime(const ModuleClockTime& now) override { lastTime = now; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& question) override;
    void refreshEditorPages() override { ++pageRefreshes; }
    void encodeImage() override;
    void decodeImage() override { ++decodes; }
    void resetOutputTimeUnit() override { ++timeUnitResets; }
    void applyControlEffects(const std::vector<ControlEffect>& e) override { effects = e; }
    void closeFirmwareView() override { ++firmwareViewCloses; }
    void verified(const std::vector<VerifyDifference>& d) override {
        verifyDifferences = d;
        ++verifies;
    }

    std::string panel[4];
    std::vector<std::string> statusHistory;  // panel 3, in order
    TransferGauge gauge;
    bool buttonsEnabled = true;
    ModuleClockTime lastTime;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;  // to every question
    int pageRefreshes = 0;
    int decodes = 0;
    int timeUnitResets = 0;
    int firmwareViewCloses = 0;
    std::vector<ControlEffect> effects;
    std::vector<VerifyDifference> verifyDifferences;
    int verifies = 0;
    // Runs when the engine asks for the image to be encoded (an edit in the editor).
    std::function<void()> onEncode;
};

// A Z-4 family module in the same process, behind a loopback channel on
// virtual time, and the engine that talks to it. No threads, no sleeping: one
// tick() is kTickPeriodMs of virtual time.
class EngineRig {
public:
    EngineRig(int deviceType, int firmware, sim::FaultSettings faultSettings = {});

    // Lets one tick's worth of time pass: replies due meanwhile arrive (each
    // byte on its own when the line is paced), then the engine ticks.
    void tick();
    // Ticks until `done` or until `maxTicks` ticks passed; done()'s last value.
    bool tickUntil(const std::function<bool()>& done, int maxTicks);
    bool runUntilIdle(int maxTicks = 200000);

    // Fills the module's memory with a pattern (its own bytes stay its own).
    void fillModuleMemory(uint8_t seed);
    // The frames the module received with command code p1, in order.
    std::vector<Frame> framesWithCommand(uint8_t p1) const;
    const std::string& status() const { return listener.panel[3]; }

    sim::Z4FamilyModel model;
    sim::FaultInjector faults;
    sim::SimEndpoint endpoint;
    sim::LoopbackChannel channel;
    TransferEngine::Image image{};
    RecordingListener listener;
    ModuleClockTime clock{2024, 5, 17, 13, 45, 9};
    std::string portSetting = "COM3";
    TransferEngine engine;
    int ticks = 0;
};

// Replies lost, spoiled and preceded by junk: 10 %, 10 % and 5 % of them.
sim::FaultSettings faultyLine(uint32_t seed);

// Bytes a..b (inclusive) of two memories that differ, as "address: want/got" lines.
std::string differences(const uint8_t* want, const uint8_t* got, int first, int last);

}  // namespace vardeck::testing
