#include "ui/devices/TrackerEntry.h"

#include "devices/TrackerScreen.h"
#include "serial/AsynComm32.h"
#include "ui/ScreenSync.h"
#include "ui/devices/TrackerWindow.h"

namespace vardeck::ui {

TrackerEntry::TrackerEntry(Dispatcher& dispatcher, ScreenSync& sync, Dialogs& dialogs, int brand,
                           std::function<bool()> searchHoldsChannel)
    : channel_(std::make_unique<TAsynComm32>(dispatcher)) {
    devices::DeviceScreenEnvironment env;
    env.brand = brand;
    env.dialogs = &dialogs;
    env.searchHoldsChannel = std::move(searchHoldsChannel);
    screen_ = std::make_unique<devices::TrackerScreen>(*channel_, std::move(env));
    window_ = std::make_unique<TrackerWindow>(*screen_, sync);
    // The send timer runs from the start; it leaves the port alone until an operation.
    sync.addTimers(screen_->timers());
}

TrackerEntry::~TrackerEntry() {
    // No line event may reach the screen while it goes away.
    channel_->Close();
    window_.reset();
    screen_.reset();
}

void TrackerEntry::handOver() {
    screen_->handOver();
    window_->show();
    window_->raise();
}

int TrackerEntry::protocolState() const { return screen_->state(); }

QWidget* TrackerEntry::window() const { return window_.get(); }

}  // namespace vardeck::ui
