#pragma once
#include <functional>
#include <memory>

class QWidget;

namespace vardeck {
class Dialogs;
class Dispatcher;
class TAsynComm32;
namespace devices {
class TrackerScreen;
}
}  // namespace vardeck

namespace vardeck::ui {

class ScreenSync;
class TrackerWindow;

// The tracker's screen as the program holds it from start to end: its own serial
// channel, the screen model with its timers running on the program's clock, and
// its window, which the search's hand-over shows.
class TrackerEntry {
public:
    // searchHoldsChannel: true while the search still has the port open.
    TrackerEntry(Dispatcher& dispatcher, ScreenSync& sync, Dialogs& dialogs, int brand,
                 std::function<bool()> searchHoldsChannel);
    ~TrackerEntry();
    TrackerEntry(const TrackerEntry&) = delete;
    TrackerEntry& operator=(const TrackerEntry&) = delete;

    // What the search's hand-over does: the screen idle (state 0) with its buttons
    // enabled, then the window shown.
    void handOver();
    int protocolState() const;
    QWidget* window() const;
    devices::TrackerScreen& screen() { return *screen_; }

private:
    std::unique_ptr<TAsynComm32> channel_;
    std::unique_ptr<devices::TrackerScreen> screen_;
    std::unique_ptr<TrackerWindow> window_;
};

}  // namespace vardeck::ui
