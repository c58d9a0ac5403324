#include "sim/Z4FamilyModel.h"

#include "sim/Z4StatusMemory.h"
#include "z4link/CommandCodes.h"

#include <algorithm>

namespace vardeck::sim {

namespace {

constexpr Frame kRestartFrame = makeFrame(0x00, z4cmd::kRestart, 0xAA, 0x00);
constexpr Frame kLifeSignalFrame = makeFrame(0x02, z4cmd::kLifeSignalTest, 0x10, 0x01);

bool samePayload(const Frame& a, const Frame& b) { return std::equal(a.begin(), a.begin() + 4, b.begin()); }

}  // namespace

Z4FamilyModel::Z4FamilyModel(int typeCode, int firmware, Z4Timing timing)
    : ByteMemoryModel(typeCode, kMemorySize), firmware_(firmware), timing_(timing), status_(makeZ4StatusMemory()),
      eventLog_(makeZ4EventLog()),
      history_(makeZ4History()),
      monitorText_(makeZ4MonitorText()),
      flash_(kFlashSize, 0xFF) {
    restoreOwnedBytes();
}

bool Z4FamilyModel::isFamilyCode(int code) {
    return code == 70 || code == 71 || code == 80 || code == 90 || code == kContactIdModelCode;
}

std::string Z4FamilyModel::description() const {
    return "Z-4 family module, code " + std::to_string(typeCode()) + ", firmware " +
           std::to_string(firmware_);
}

bool Z4FamilyModel::ownsAddress(uint16_t address) const {
    return address == kFirmwareAddress || ByteMemoryModel::ownsAddress(address);
}

void Z4FamilyModel::restoreOwnedBytes() {
    ByteMemoryModel::restoreOwnedBytes();
    memory()[kFirmwareAddress] = static_cast<uint8_t>(firmware_);
}

bool Z4FamilyModel::onFrame(const Frame& frame) {
    // A restarting module hears nothing; the frames are logged as ignored.
    if (restarting()) return false;
    if (takeClosingFrame(frame)) return true;
    switch (frame[1]) {
        case z4cmd::kReadConfigByte: return handleByteRead(frame);
        case z4cmd::kWriteConfigByte: return handleByteWrite(frame);
        case z4cmd::kReadStatusByte: return handleStatusRead(frame);
        case z4cmd::kReadLargeBlock: return handleLargeBlockRead(frame);
        case z4cmd::kWriteLargeBlock: return handleLargeBlockWrite(frame);
        case z4cmd::kReadSmallBlock: return handleSmallBlockRead(frame);
        case z4cmd::kWriteSmallBlock: return handleSmallBlockWrite(frame);
        case z4cmd::kSetClock: return handleSetClock(frame);
        case z4cmd::kRestart: return handleRestart(frame);
        case z4cmd::kLifeSignalTest: return handleLifeSignalTest(frame);
        case z4cmd::kReadEventRecord: return handleEventRecordRead(frame);
        case z4cmd::kModeSwitch: return handleModeSwitch(frame);
        case z4cmd::kGsmModem: return handleGsmModem(frame);
        case z4cmd::kIdentify: return handleIdentify(frame);
        case z4cmd::kStartFpga: return handleStartFpga(frame);
        case z4cmd::kAnnounceUpload: return handleUploadAnnouncement(frame);
        default: return false;
    }
}

bool Z4FamilyModel::handleStatusRead(const Frame& frame) {
    const uint16_t address = frameAddress(frame);
    if (address >= status_.size()) return false;
    sendFrame(kAck, z4cmd::kReadStatusByte, frame[2], status_[address]);
    return true;
}

bool Z4FamilyModel::handleLifeSignalTest(const Frame& frame) {
    if (!samePayload(frame, kLifeSignalFrame)) return false;
    // The report goes out over GSM; the cable hears nothing back.
    ++counters_.lifeSignalTests;
    return true;
}

bool Z4FamilyModel::handleRestart(const Frame& frame) {
    if (!samePayload(frame, kRestartFrame)) return false;
    ++counters_.restarts;
    endMonitorMode();
    endModemMode();
    quietUntil_ = now() + timing_.restartQuiet;
    return true;
}

void Z4FamilyModel::onPowerCycle() {
    // The modes and the upload under way lived in RAM; the module starts in
    // plain frame mode. The start-up itself is the model's boot time.
    ++counters_.powerCycles;
    endMonitorMode();
    endModemMode();
    upload_.reset();
    closingFrameUntil_.reset();
    quietUntil_ = SimTime{0};
}

bool Z4FamilyModel::handleSetClock(const Frame& frame) {
    if (frame[0] != 0 || frame[2] != 0 || frame[3] != 0) return false;
    expectRaw(kClockDigits, timing_.payloadTimeout, [this](const Bytes& digits) { acceptClockDigits(digits); });
    return true;
}

void Z4FamilyModel::acceptClockDigits(const Bytes& digits) {
    // Only digits make a time; anything else is a garbled frame and gets no answer.
    // Any two-digit date is taken: older programs send "111111" for it.
    if (!std::all_of(digits.begin(), digits.end(), [](uint8_t c) { return c >= '0' && c <= '9'; })) return;
    lastClock_ = ClockSetting{now(), std::string(digits.begin(), digits.end())};
    ++counters_.clockSettings;
    sendFrame(kAck, z4cmd::kClockSet, 0x00, 0x00);
}

}  // namespace vardeck::sim
