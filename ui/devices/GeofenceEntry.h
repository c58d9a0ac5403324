#pragma once
#include <QObject>

#include <functional>
#include <memory>

class QWidget;

namespace vardeck {
class Dialogs;
class TAsynComm32;
namespace devices {
class GeofenceScreen;
}
}  // namespace vardeck

namespace vardeck::ui {

class GeofenceWindow;
class ScreenSync;
class SyncingDispatcher;

// The geofence unit's screen as the program holds it: a serial channel of its own,
// the screen model on it and its window, created hidden at program start. The search
// hands the unit over through handOver(); the program's ScreenSync runs the send
// timer and brings the views up to date after every line event.
class GeofenceEntry {
public:
    // searchHoldsChannel: true while the search still has the port open.
    GeofenceEntry(ScreenSync& sync, Dialogs& dialogs, std::function<bool()> searchHoldsChannel, int brand);
    ~GeofenceEntry();
    GeofenceEntry(const GeofenceEntry&) = delete;
    GeofenceEntry& operator=(const GeofenceEntry&) = delete;

    // The search's hand-over: the version question, the window shown.
    void handOver();
    int protocolState() const;
    QWidget* window() const;
    GeofenceWindow& view() { return *window_; }
    devices::GeofenceScreen& model() { return *model_; }
    TAsynComm32& channel() { return *channel_; }

private:
    ScreenSync& sync_;
    QObject context_;  // the GUI thread's receiver of the channel's line events
    std::unique_ptr<SyncingDispatcher> dispatcher_;
    std::unique_ptr<TAsynComm32> channel_;
    std::unique_ptr<devices::GeofenceScreen> model_;
    std::unique_ptr<GeofenceWindow> window_;
};

}  // namespace vardeck::ui
