#pragma once
#include "sim/SimFrame.h"
#include "sim/SimTime.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vardeck::sim {

using Bytes = std::vector<uint8_t>;

// A valid frame the device received, and whether it knew what to do with it.
// A frame that announces a payload (block data, clock digits) gets the payload
// attached once all of it has arrived; a payload that never completed stays out.
struct ReceivedFrame {
    SimTime at;
    Frame bytes;
    bool handled;
    Bytes payload = {};
};

// Bytes the device sends, and the earliest time they may leave it.
struct Emission {
    SimTime due;
    Bytes bytes;
};

// A simulated device: bytes in, bytes out, nothing else. It owns its memory,
// keeps a log of the frames it received for tests to assert on, and learns the
// time only from its caller, so every delay it makes is reproducible.
//
// Input is assembled into six-byte frames. Six collected bytes that do not form
// a valid frame lose their first byte and the search goes on one byte later, so
// noise on the line costs at most the frames it overlaps. A model that expects a
// payload after a frame (a data block, clock digits) asks for it with
// expectRaw(); a model with a mode of its own (modem pass-through) can replace
// the whole input handling by overriding processInput().
class DeviceModel {
public:
    DeviceModel(int typeCode, std::size_t memorySize, uint8_t memoryFill = 0xFF);
    virtual ~DeviceModel() = default;
    DeviceModel(const DeviceModel&) = delete;
    DeviceModel& operator=(const DeviceModel&) = delete;

    // The device type code the model answers the identification frame with.
    int typeCode() const { return typeCode_; }
    // A short description for logs ("Z-4 family module, code 71").
    virtual std::string description() const = 0;

    // Bytes from the program, arriving at `now`. Times never go backwards.
    void receive(std::span<const uint8_t> bytes, SimTime now);
    // Time passes without input: payload time-outs, spontaneous output.
    void advanceTo(SimTime now);
    // The earliest time at which advanceTo() has something to do, if any.
    std::optional<SimTime> nextWakeup() const;

    // The device loses its power and comes back at `now`: whatever it was in the
    // middle of (a half-received frame, an awaited payload, replies not yet handed
    // to the line, the mode a frame switched on) is gone, and for `bootTime` it
    // hears nothing while it starts. Its memory stays: EEPROM and flash keep it.
    void powerCycle(SimTime now, SimTime bootTime);
    // True while the device is still starting after a power cycle.
    bool booting() const { return now_ < bootedAt_; }

    // What the device has sent so far, oldest first; taking it empties the queue.
    std::vector<Emission> takeEmissions();

    std::span<uint8_t> memory() { return memory_; }
    std::span<const uint8_t> memory() const { return memory_; }
    // Call after the memory was filled from outside (a memory file): the model
    // restores the bytes that belong to the device itself (identity, firmware).
    virtual void memoryLoaded() {}

    const std::vector<ReceivedFrame>& frameLog() const { return frameLog_; }
    // Forgets the frame log and whatever else the model records for tests.
    void clearFrameLog();
    // Bytes thrown away while looking for a frame or waiting for a payload.
    std::size_t discardedBytes() const { return discardedBytes_; }

protected:
    using RawHandler = std::function<void(const Bytes& payload)>;

    // A valid frame arrived. Return false for a frame the device does not know:
    // it is logged as unhandled and otherwise ignored.
    virtual bool onFrame(const Frame& frame) = 0;
    // Time-driven behaviour of a model; called by advanceTo() and before input.
    virtual void onTime() {}
    // The next time onTime() wants to run, if any.
    virtual std::optional<SimTime> modelWakeup() const { return std::nullopt; }
    // Consumes pending input; the default assembles frames and raw payloads.
    virtual void processInput();
    // True while the model takes its input itself (a mode a frame switched on):
    // the default processInput() then stops and leaves the rest of the input.
    virtual bool framingSuspended() const { return false; }
    // Logs a frame and hands it to onFrame(), as processInput() does with the
    // frames it assembles; for a model that finds frames in input of its own.
    void acceptFrame(const Frame& frame);
    // Called by clearFrameLog(): a model drops the records it keeps beside the log.
    virtual void clearHistory() {}
    // Called by powerCycle(): a model forgets the state of its own it had in RAM.
    virtual void onPowerCycle() {}

    SimTime now() const { return now_; }
    std::deque<uint8_t>& pendingInput() { return input_; }
    void countDiscarded(std::size_t count) { discardedBytes_ += count; }

    // Queues bytes to send `after` the current time.
    void send(Bytes bytes, SimTime after = SimTime{0});
    // Queues bytes that were due at `due`, which may lie before the current time
    // (output a model produces on its own while time passed in one step).
    void sendAt(SimTime due, Bytes bytes);
    void sendFrame(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, SimTime after = SimTime{0});
    // The next `count` bytes are a payload for `handler`, not frames. When they
    // have not all arrived by now + timeout, what came is dropped and frame
    // assembly resumes. A complete payload is attached to the latest logged frame.
    void expectRaw(std::size_t count, SimTime timeout, RawHandler handler);

private:
    struct RawRequest {
        std::size_t count;
        SimTime deadline;
        RawHandler handler;
        std::optional<std::size_t> logIndex;  // the frame the payload belongs to
    };
    void setNow(SimTime now);
    void expireRaw();

    int typeCode_;
    std::vector<uint8_t> memory_;
    std::deque<uint8_t> input_;
    std::optional<RawRequest> raw_;
    std::vector<Emission> emissions_;
    std::vector<ReceivedFrame> frameLog_;
    std::size_t discardedBytes_ = 0;
    SimTime now_{0};
    SimTime bootedAt_{0};
};

}  // namespace vardeck::sim
