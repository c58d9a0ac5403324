#include "z4screen/EventLogView.h"

namespace vardeck::z4screen {

EventLogView::EventLogView(EventLogStates& states) : states_(states) {
    StringGrid1.setCell(0, 1, "JELZÉS");
    StringGrid1.setCell(0, 2, "DÁTUM");
    StringGrid1.setCell(0, 3, "GSM térerő");
    StringGrid1.setCell(0, 4, "Érték");
    states_.onRecord = [this](const EventLogEntry& entry) { showRecord(entry); };
    states_.onDone = [this] {
        BitBtn1.setEnabled(true);
        Label1.setCaption(std::to_string(EventLogStates::kRecords) + " / " + std::to_string(EventLogStates::kRecords));
    };
}

void EventLogView::open() { BitBtn1.setEnabled(!states_.running()); }

void EventLogView::close() {
    // A read left running would hold the port for a view nobody sees.
    if (states_.running()) states_.stop();
    BitBtn1.setEnabled(true);
}

void EventLogView::readClicked() {
    if (states_.running()) return;
    StringGrid1.setRowCount(1);
    BitBtn1.setEnabled(false);
    Label1.setCaption("0 / " + std::to_string(EventLogStates::kRecords));
    states_.start();
}

void EventLogView::showRecord(const EventLogEntry& e) {
    if (e.index < 1 || e.index > EventLogStates::kRecords) return;
    StringGrid1.setRowCount(e.index + 1);
    StringGrid1.setCell(e.index, 0, std::to_string(e.index));
    StringGrid1.setCell(e.index, 1, e.sourceText);
    StringGrid1.setCell(e.index, 2, e.time);
    StringGrid1.setCell(e.index, 3, std::to_string(e.signal));
    StringGrid1.setCell(e.index, 4, std::to_string(e.value));
    Label1.setCaption(std::to_string(e.index) + " / " + std::to_string(EventLogStates::kRecords));
}

}  // namespace vardeck::z4screen
