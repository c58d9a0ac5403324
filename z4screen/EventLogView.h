#pragma once
#include "z4config/Z4Messages.h"
#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/EventLogStates.h"

namespace vardeck::z4screen {

// The event-log view z4Form5: "Olvasás" reads the module's last nine events into
// the grid, a row as each record arrives.
class EventLogView : public controls::ControlOwner {
public:
    explicit EventLogView(EventLogStates& states);

    void open();
    void close();
    void readClicked();  // BitBtn1 "Olvasás"
    bool reading() const { return states_.running(); }

    controls::Form& z4Form5 = registry_.add<controls::Form>("z4Form5", "Napló");
    controls::Grid& StringGrid1 = registry_.add<controls::Grid>("StringGrid1", 1, 5, 1);
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Olvasás");
    controls::Label& Label1 = registry_.add<controls::Label>("Label1", "");

private:
    void showRecord(const EventLogEntry& entry);

    EventLogStates& states_;
};

}  // namespace vardeck::z4screen
