#pragma once
// A device screen of the fuzz harness on the line to a simulated device: what the
// screen writes reaches the device, the device's answers reach the screen, and
// virtual time passes for both, 25 ms a step (the device's time goes on from one
// screen to the next, as it would). Used to record seeds and to run
// whole transfers against the device.
#include <chrono>
#include <functional>
#include <span>

#include "fuzz/DeviceScreenMachine.h"
#include "sim/SimEndpoint.h"

namespace vardeck::fuzz {

class SimulatedLine {
public:
    static constexpr int kStepMs = 25;

    explicit SimulatedLine(sim::DeviceModel& model) : endpoint_(model) {}

    // Puts a screen on the line (in place of the one before: the device's time goes on).
    void attach(ScreenMachine& machine) {
        m_ = &machine;
        m_->channel.onWrite = [this, check = m_->channel.onWrite](std::span<const uint8_t> bytes) {
            if (check) check(bytes);
            endpoint_.receive(bytes, now_);
        };
    }

    // Runs the line until `done` holds or `ms` have passed; false when it did not.
    // onAnswer sees each piece of the device's answer before the screen does, onStep
    // each step of time before it passes.
    bool runUntil(const std::function<bool()>& done, int ms,
                  const std::function<void(const sim::Bytes&)>& onAnswer = {},
                  const std::function<void()>& onStep = {}) {
        for (int t = 0;; t += kStepMs) {
            for (sim::Bytes due = endpoint_.takeDue(now_); !due.empty(); due = endpoint_.takeDue(now_)) {
                if (onAnswer) onAnswer(due);
                m_->channel.deliver(due);
            }
            if (done()) return true;
            if (t >= ms) return false;
            if (onStep) onStep();
            m_->clock.advance(kStepMs);
            now_ += std::chrono::milliseconds(kStepMs);
            endpoint_.advanceTo(now_);
        }
    }
    // Until the screen is ready for the installer again.
    bool runUntilReady(int ms, const std::function<void(const sim::Bytes&)>& onAnswer = {},
                       const std::function<void()>& onStep = {}) {
        return runUntil([this] { return m_->screen->ready() && !m_->screen->busy(); }, ms, onAnswer, onStep);
    }

private:
    ScreenMachine* m_ = nullptr;
    sim::SimEndpoint endpoint_;
    sim::SimTime now_{0};
};

}  // namespace vardeck::fuzz
