#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "z4link/TransferEngineStates.h"

namespace vardeck {

// One record of the module's event log as the log view shows it.
struct EventLogEntry {
    int index = 0;        // 1..9
    int source = 0;       // byte 0
    std::string sourceText;  // Hungarian, "Ismeretlen" for an unknown source
    std::string time;     // bytes 2, 3, ":", 4, 5
    int signal = 0;       // byte 15
    int value = 0;        // byte 17
};

inline constexpr int kEventRecordSize = 64;
using EventRecord = std::array<uint8_t, kEventRecordSize>;
EventLogEntry decodeEventRecord(int index, const EventRecord& record);
std::string eventSourceText(int source);

// The event-log read (states 500 and 501): records 1 to 9 with command 08, each a
// 65-byte reply whose last byte is the data sum of the other 64. A reply of the
// wrong length or sum is dropped and the record asked for again.
class EventLogStates : public TransferStates {
public:
    static constexpr int kRecords = 9;

    explicit EventLogStates(TransferEngine& engine);
    void start();
    // Abandons the read (its view was closed); idle.
    void stop();
    bool running() const;

    std::function<void(const EventLogEntry& entry)> onRecord;
    // All nine records have come.
    std::function<void()> onDone;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    TransferEngine& engine_;
    int index_ = 1;
};

}  // namespace vardeck
