// The Z-4 module's side of the diagnostic views: event-log and signal-history
// records, monitor mode with its streaming text, and a status that moves with
// the simulated time.
#include "sim/Z4FamilyModel.h"

#include "sim/Z4StatusMemory.h"
#include "z4link/CommandCodes.h"

#include <algorithm>

namespace vardeck::sim {

namespace {

constexpr Frame kClosingFrame = makeFrame(0x02, 0x02, 0x00, 0x00);
constexpr uint8_t kHistoryRecordFlag = 0x80;  // P3 = 128 + record
constexpr std::size_t kHistoryUnit = 32;
constexpr int kMinutesPerDay = 24 * 60;

Bytes withDataSum(Bytes data) {
    data.push_back(dataSum(data.data(), data.size()));
    return data;
}

std::optional<int> clockMinutes(const uint8_t* digits) {
    for (int i = 0; i < 4; ++i) {
        if (digits[i] < '0' || digits[i] > '9') return std::nullopt;
    }
    const int hours = (digits[0] - '0') * 10 + (digits[1] - '0');
    const int minutes = (digits[2] - '0') * 10 + (digits[3] - '0');
    if (hours > 23 || minutes > 59) return std::nullopt;
    return hours * 60 + minutes;
}

void writeClock(uint8_t* digits, int minutes) {
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    digits[0] = static_cast<uint8_t>('0' + hours / 10);
    digits[1] = static_cast<uint8_t>('0' + hours % 10);
    digits[2] = static_cast<uint8_t>('0' + rest / 10);
    digits[3] = static_cast<uint8_t>('0' + rest % 10);
}

}  // namespace

void Z4FamilyModel::setDiagnostics(const Z4Diagnostics& diagnostics) {
    const std::size_t count =
        std::min({diagnostics.statusBlock.size(), kZ4StatusBlockMaxSize, status_.size() - kZ4StatusBlockAddress});
    std::copy_n(diagnostics.statusBlock.begin(), count, status_.begin() + kZ4StatusBlockAddress);
    if (diagnostics.eventLog) setEventLog(*diagnostics.eventLog);
    if (diagnostics.history) {
        std::copy_n(diagnostics.history->begin(), std::min(diagnostics.history->size(), history_.size()),
                    history_.begin());
    }
    if (diagnostics.monitorText) setMonitorText(*diagnostics.monitorText);
    // Last: the live status starts from the status bytes just set.
    setLiveStatus(diagnostics.liveStatus, diagnostics.liveSeed);
}

void Z4FamilyModel::setEventLog(Bytes records) {
    // Only whole records count.
    records.resize(records.size() - records.size() % kZ4EventRecordSize);
    eventLog_ = std::move(records);
}

void Z4FamilyModel::onTime() {
    advanceLiveStatus();
    streamMonitorText();
    passModemTime();
    passUploadTime();
}

std::optional<SimTime> Z4FamilyModel::modelWakeup() const {
    std::optional<SimTime> wake;
    if (monitor_ && !monitorText_.empty()) wake = monitor_->nextDue;
    if (live_ && (!wake || live_->nextTick < *wake)) wake = live_->nextTick;
    if (modemMode_) {
        const std::optional<SimTime> modem = modem_.nextWakeup();
        if (modem && (!wake || *modem < *wake)) wake = modem;
    }
    const std::optional<SimTime> upload = uploadWakeup();
    if (upload && (!wake || *upload < *wake)) wake = upload;
    return wake;
}

bool Z4FamilyModel::handleEventRecordRead(const Frame& frame) {
    if (frame[0] != 0) return false;
    const std::size_t number = std::size_t{frame[3]} << 8 | frame[2];
    // Records count from 1; one that is not in the log reads as erased.
    Bytes record(kZ4EventRecordSize, 0xFF);
    if (number >= 1 && number <= eventRecordCount()) {
        const auto first = eventLog_.begin() + static_cast<std::ptrdiff_t>((number - 1) * kZ4EventRecordSize);
        std::copy_n(first, kZ4EventRecordSize, record.begin());
    }
    send(withDataSum(std::move(record)));
    ++counters_.eventRecordsRead;
    return true;
}

bool Z4FamilyModel::handleHistoryRead(const Frame& frame) {
    if (frame[0] != 0 || frame[2] != 0 || frame[3] < kHistoryRecordFlag) return false;
    const std::size_t record = frame[3] - kHistoryRecordFlag;
    // Records start at even 32-byte units; 126 is the last (127 would be odd).
    if (record % 2 != 0) return false;
    const auto first = history_.begin() + static_cast<std::ptrdiff_t>(kHistoryUnit * record);
    send(withDataSum(Bytes(first, first + kZ4HistoryRecordSize)));
    ++counters_.historyRecordsRead;
    return true;
}

bool Z4FamilyModel::handleModeSwitch(const Frame& frame) {
    if (frame[0] != 0 || frame[3] != 0) return false;
    if (frame[2] == 0x01) {
        sendFrame(kAck, z4cmd::kModeAccepted, 0x01, 0x00);
        if (!monitor_) {
            ++counters_.monitorEntered;
            // The text follows once the six bytes of the answer have left.
            monitor_ = MonitorStream{0, now() + timing_.monitorByteTime * static_cast<int>(kFrameSize)};
        }
        return true;
    }
    if (frame[2] != 0x00) return false;
    if (!monitor_ && !modemMode_) {
        // No mode to leave: the answer that needs no closing frame.
        sendFrame(kAck, z4cmd::kModeLeftDirectly, 0x00, 0x00);
        return true;
    }
    // The text stops here: onTime() sent what was due before this frame came.
    endMonitorMode();
    endModemMode();
    sendFrame(kAck, z4cmd::kModeAccepted, 0x00, 0x00);
    closingFrameUntil_ = now() + timing_.closingFrameWindow;
    return true;
}

bool Z4FamilyModel::takeClosingFrame(const Frame& frame) {
    if (!closingFrameUntil_) return false;
    // Only the first frame after the leave reply can be the closing frame.
    const bool inTime = now() <= *closingFrameUntil_;
    closingFrameUntil_.reset();
    if (!inTime || frame != kClosingFrame) return false;
    ++counters_.closingFrames;
    return true;
}

void Z4FamilyModel::endMonitorMode() {
    if (!monitor_) return;
    monitor_.reset();
    ++counters_.monitorLeft;
}

void Z4FamilyModel::streamMonitorText() {
    if (!monitor_ || monitorText_.empty()) return;
    MonitorStream& stream = *monitor_;
    const std::size_t size = monitorText_.size();
    // Everything that was due by now, each piece stamped with its own time, so
    // the text is the same however the time is handed in.
    while (stream.nextDue <= now()) {
        if (stream.position >= size) stream.position = 0;  // the text was replaced
        const auto begin = monitorText_.begin() + static_cast<std::ptrdiff_t>(stream.position);
        auto end = begin + static_cast<std::ptrdiff_t>(std::min(kMonitorChunk, size - stream.position));
        const auto lineEnd = std::find(begin, end, '\n');
        if (lineEnd != end) end = lineEnd + 1;
        Bytes chunk(begin, end);
        const SimTime due = stream.nextDue;
        stream.position += chunk.size();
        stream.nextDue += timing_.monitorByteTime * static_cast<long long>(chunk.size());
        if (stream.position == size) {
            stream.position = 0;
            stream.nextDue += timing_.monitorPause;
        }
        counters_.monitorBytesSent += chunk.size();
        sendAt(due, std::move(chunk));
    }
}

void Z4FamilyModel::setLiveStatus(bool live, uint32_t seed) {
    if (!live) {
        live_.reset();
        return;
    }
    LiveStatus state;
    state.random.seed(seed);
    state.start = now();
    state.nextTick = now() + timing_.liveStatusPeriod;
    state.clockStartMinutes = clockMinutes(status_.data() + kZ4StatusBlockAddress + z4status::kGsmClock);
    live_ = std::move(state);
}

void Z4FamilyModel::advanceLiveStatus() {
    // One step per period that passed, so the status is the same however the
    // time is handed in.
    while (live_ && live_->nextTick <= now()) {
        liveStatusTick();
        live_->nextTick += timing_.liveStatusPeriod;
    }
}

void Z4FamilyModel::liveStatusTick() {
    LiveStatus& live = *live_;
    ++live.ticks;
    ++counters_.liveStatusTicks;
    uint8_t* block = status_.data() + kZ4StatusBlockAddress;

    // Raw mt19937 output: the same wander with every standard library.
    const int step = static_cast<int>(live.random() % 5) - 2;
    const int signal = std::min<int>(block[z4status::kSignal], 31);
    block[z4status::kSignal] = static_cast<uint8_t>(std::clamp(signal + step, 0, 31));

    if (live.ticks % kLiveInputToggleTicks == 0) block[z4status::kInputs] ^= 0x01;

    if (live.clockStartMinutes) {
        const auto passed = std::chrono::duration_cast<std::chrono::minutes>(live.nextTick - live.start);
        const int minutes = static_cast<int>((*live.clockStartMinutes + passed.count()) % kMinutesPerDay);
        writeClock(block + z4status::kGsmClock, minutes);
    }
}

}  // namespace vardeck::sim
