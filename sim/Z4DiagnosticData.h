#pragma once
// What the Z-4 module's diagnostic views read besides the status memory: the
// event log, the signal-strength history and the monitor text, with the sizes
// the module has and the built-in contents the simulator starts with.
#include "sim/DeviceModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vardeck::sim {

// Event log: records of 64 bytes, record 1 first. Command 08 reads one record.
inline constexpr std::size_t kZ4EventRecordSize = 64;
// The largest event log the simulator takes from a file (1024 records).
inline constexpr std::size_t kZ4EventLogMaxSize = 64 * 1024;
// Signal-strength history: 64 records of 64 one-byte samples; record r (even,
// 0 to 126) is bytes 32 x r to 32 x r + 63. A sample above 35 ends the history.
inline constexpr std::size_t kZ4HistorySize = 4096;
inline constexpr std::size_t kZ4HistoryRecordSize = 64;
inline constexpr uint8_t kZ4HistoryMaxSample = 35;
// The status bytes the simulator takes from its command line, from address 512.
inline constexpr std::size_t kZ4StatusBlockMaxSize = 32;
// The largest monitor text the simulator takes from a file.
inline constexpr std::size_t kZ4MonitorTextMaxSize = 1024 * 1024;

// Offsets inside an event record.
namespace z4event {
inline constexpr std::size_t kSource = 0;     // 1-4 inputs, 9 tamper, 10 supply, 13/14 temperature max/min
inline constexpr std::size_t kTime = 2;       // four ASCII digits hh mm
inline constexpr std::size_t kSignal = 15;    // GSM signal strength 0 to 31
inline constexpr std::size_t kValue = 17;     // a further value (a temperature)
}  // namespace z4event

// The module's diagnostic contents where they differ from the built-in ones
// (unset parts keep the built-in contents).
struct Z4Diagnostics {
    // Status bytes from address 512 (at most 32); the rest keep makeZ4StatusMemory().
    Bytes statusBlock;
    // The status changes once a second of simulated time (see Z4FamilyModel).
    bool liveStatus = false;
    uint32_t liveSeed = 1;
    std::optional<Bytes> eventLog;     // a whole number of 64-byte records
    std::optional<Bytes> history;      // exactly kZ4HistorySize bytes
    std::optional<Bytes> monitorText;  // streamed in monitor mode, repeated
};

// Nine plausible records: inputs, tamper, supply and temperature events of one day.
Bytes makeZ4EventLog();
// 1024 samples (records 0 to 30, bytes 0 to 1023) wandering between 8 and 27,
// the rest erased (0xFF). Configuration bytes 90 = 31 and 91 = 31 start the walk
// at the newest sample (byte 1023), so a chart shows all 1024.
Bytes makeZ4History();
// A few lines of GSM modem traffic, as the module's monitor shows it.
Bytes makeZ4MonitorText();

}  // namespace vardeck::sim
