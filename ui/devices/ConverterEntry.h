#pragma once
#include "devices/ConverterScreen.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace vardeck {
class Dialogs;
class TAsynComm32;
}  // namespace vardeck

namespace vardeck::ui {

class ConverterWindow;
class ScreenSync;
class SyncingDispatcher;

// The converter's screen as the program holds it: a serial channel of its own, the
// screen model on it and its window, created hidden at program start. The search
// hands the converter over through handOver(); after every line event and tick of
// the send timer the program's ScreenSync brings all views up to date.
class ConverterEntry {
public:
    // searchHoldsChannel: true while the search still has the port open.
    ConverterEntry(ScreenSync& sync, Dialogs& dialogs, std::function<bool()> searchHoldsChannel, int brand);
    ~ConverterEntry();
    ConverterEntry(const ConverterEntry&) = delete;
    ConverterEntry& operator=(const ConverterEntry&) = delete;

    // The search's hand-over: the model text in Label3, the version question, the window shown.
    void handOver(const std::string& label3);
    int protocolState() const;
    QWidget* window() const;
    ConverterWindow& view() { return *window_; }
    devices::ConverterScreen& model() { return *model_; }
    TAsynComm32& channel() { return *channel_; }

private:
    ScreenSync& sync_;
    QObject context_;  // the GUI thread's receiver of the channel's line events
    std::unique_ptr<SyncingDispatcher> dispatcher_;
    std::unique_ptr<TAsynComm32> channel_;
    std::unique_ptr<devices::ConverterScreen> model_;
    std::unique_ptr<ConverterWindow> window_;
};

}  // namespace vardeck::ui
