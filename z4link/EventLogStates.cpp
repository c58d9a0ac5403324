#include "z4link/EventLogStates.h"

#include <algorithm>

#include "z4link/ReplyChecks.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

// The time stamp's four characters; a byte that is no printable ASCII character
// would garble the grid, so it shows as "?".
char stampChar(uint8_t c) { return (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?'; }

}  // namespace

std::string eventSourceText(int source) {
    switch (source) {
        case 1: return "1 Bemenet";
        case 2: return "2 Bemenet";
        case 3: return "3 Bemenet";
        case 4: return "4 Bemenet";
        case 9: return "Tamper";
        case 10: return "Tápfeszültség";
        case 13: return "Hőméséklet max";
        case 14: return "Hőméséklet min";
        default: return "Ismeretlen";
    }
}

EventLogEntry decodeEventRecord(int index, const EventRecord& r) {
    EventLogEntry e;
    e.index = index;
    e.source = r[0];
    e.sourceText = eventSourceText(r[0]);
    e.time = {stampChar(r[2]), stampChar(r[3]), ':', stampChar(r[4]), stampChar(r[5])};
    e.signal = r[15];
    e.value = r[17];
    return e;
}

EventLogStates::EventLogStates(TransferEngine& engine) : engine_(engine) { engine.addStates(*this); }

bool EventLogStates::handles(int state) const {
    return state == z4state::kEventLogStart || state == z4state::kEventLogRead;
}

bool EventLogStates::ownReplyShape(int state) const { return state == z4state::kEventLogRead; }

bool EventLogStates::running() const { return handles(engine_.vars().state); }

void EventLogStates::start() {
    engine_.link().setReadSelector(0);
    engine_.link().clearReceive();
    engine_.vars().state = z4state::kEventLogStart;
}

void EventLogStates::stop() {
    if (running()) engine_.vars().state = z4state::kIdle;
}

void EventLogStates::send(TransferEngine& engine, int state) {
    if (state == z4state::kEventLogStart) {
        index_ = 1;
        engine.vars().state = z4state::kEventLogRead;
    }
    engine.link().sendEventRecordRead(static_cast<uint16_t>(index_));
}

void EventLogStates::receive(TransferEngine& engine, int) {
    ReceiveBuffer& rx = engine.link().rx();
    if (rx.fill() < kRecord65ReplySize) return;  // more to come
    if (!record65Valid(rx)) {
        // Too long or a wrong sum: dropped; the tick asks for the record again.
        rx.clear();
        return;
    }
    EventRecord record{};
    std::copy_n(rx.data(), kEventRecordSize, record.begin());
    rx.clear();
    engine.vars().countdown = 5;
    if (onRecord) onRecord(decodeEventRecord(index_, record));
    if (index_ >= kRecords) {
        engine.vars().state = z4state::kIdle;
        if (onDone) onDone();
        return;
    }
    ++index_;
    engine.sendStep();
}

}  // namespace vardeck
