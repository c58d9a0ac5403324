#include "ui/devices/ConverterEntry.h"

#include "devices/ConverterScreen.h"
#include "serial/AsynComm32.h"
#include "ui/ScreenSync.h"
#include "ui/devices/ConverterWindow.h"

namespace vardeck::ui {

ConverterEntry::ConverterEntry(ScreenSync& sync, Dialogs& dialogs, std::function<bool()> searchHoldsChannel,
                               int brand)
    : sync_(sync),
      dispatcher_(std::make_unique<SyncingDispatcher>(&context_, sync)),
      channel_(std::make_unique<TAsynComm32>(*dispatcher_)) {
    devices::DeviceScreenEnvironment env;
    env.brand = brand;
    env.dialogs = &dialogs;
    env.searchHoldsChannel = std::move(searchHoldsChannel);
    model_ = std::make_unique<devices::ConverterScreen>(*channel_, std::move(env));
    window_ = std::make_unique<ConverterWindow>(*model_, sync);
    // The send timer rests until the hand-over; the program's sync drives it as it
    // drives the other screens' timers.
    sync_.addTimers(model_->timers());
}

ConverterEntry::~ConverterEntry() {
    // No line event may reach the screen once it is going away.
    channel_->Close();
    window_.reset();
    model_.reset();
}

void ConverterEntry::handOver(const std::string& label3) {
    sync_.handle([this, &label3] {
        model_->handOver();
        model_->Label3.setCaption(label3);
    });
    window_->show();
    window_->raise();
    window_->activateWindow();
}

int ConverterEntry::protocolState() const { return model_->state(); }

QWidget* ConverterEntry::window() const { return window_.get(); }

}  // namespace vardeck::ui
