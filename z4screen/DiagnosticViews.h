#pragma once
#include <map>
#include <string>

#include "i18n/TextTable.h"
#include "z4link/EventLogStates.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/MonitorStates.h"
#include "z4link/SignalHistoryStates.h"
#include "z4link/StatusPollingStates.h"
#include "z4screen/EventLogView.h"
#include "z4screen/MonitorView.h"
#include "z4screen/SignalChartView.h"
#include "z4screen/StatusView.h"

namespace vardeck::z4screen {

class ScreenTargets;

// The design captions of a view's controls, kept so that a language without a text
// for a control can give the control its design text back.
class DesignCaptions {
public:
    explicit DesignCaptions(const controls::ControlRegistry& registry);
    // Each control gets the view's text in the applied language, or its design caption.
    void apply(controls::ControlRegistry& registry, const ScreenTargets& targets, i18n::Screen screen) const;

private:
    std::map<std::string, std::string> captions_;
};

// The configurator's diagnostic operations on its transfer engine, and their views:
// module status, monitor (with leaving the mode), event log and signal history.
struct DiagnosticViews {
    DiagnosticViews(TransferEngine& engine, MonitorView::Environment monitorEnvironment)
        : polling(engine), leaveMode(engine), monitor(engine), eventLog(engine), history(engine),
          monitorView(std::move(monitorEnvironment)), logView(eventLog), chartView(history) {}

    StatusPollingStates polling;
    LeaveModeStates leaveMode;
    MonitorStates monitor;
    EventLogStates eventLog;
    SignalHistoryStates history;

    StatusView statusView;
    MonitorView monitorView;
    EventLogView logView;
    SignalChartView chartView;

    DesignCaptions statusDesign{statusView.controls()};
    DesignCaptions monitorDesign{monitorView.controls()};
};

}  // namespace vardeck::z4screen
