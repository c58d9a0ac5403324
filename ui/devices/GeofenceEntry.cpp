#include "ui/devices/GeofenceEntry.h"

#include "devices/GeofenceScreen.h"
#include "serial/AsynComm32.h"
#include "ui/ScreenSync.h"
#include "ui/devices/GeofenceWindow.h"

namespace vardeck::ui {

GeofenceEntry::GeofenceEntry(ScreenSync& sync, Dialogs& dialogs, std::function<bool()> searchHoldsChannel,
                             int brand)
    : sync_(sync),
      dispatcher_(std::make_unique<SyncingDispatcher>(&context_, sync)),
      channel_(std::make_unique<TAsynComm32>(*dispatcher_)) {
    devices::DeviceScreenEnvironment env;
    env.brand = brand;
    env.dialogs = &dialogs;
    env.searchHoldsChannel = std::move(searchHoldsChannel);
    model_ = std::make_unique<devices::GeofenceScreen>(*channel_, std::move(env));
    window_ = std::make_unique<GeofenceWindow>(*model_, sync);
    // The send timer runs from program start; it does nothing until the hand-over.
    sync_.addTimers(model_->timers());
}

GeofenceEntry::~GeofenceEntry() {
    // No line event may reach the screen once it is going away.
    channel_->Close();
    window_.reset();
    model_.reset();
}

void GeofenceEntry::handOver() {
    sync_.handle([this] { model_->handOver(); });
    window_->show();
    window_->raise();
    window_->activateWindow();
}

int GeofenceEntry::protocolState() const { return model_->state(); }

QWidget* GeofenceEntry::window() const { return window_.get(); }

}  // namespace vardeck::ui
