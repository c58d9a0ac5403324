#pragma once
#include <functional>
#include <string_view>

#include "z4link/TransferEngineStates.h"

namespace vardeck {

// Monitor mode (states 80 and 82): the monitor-on frame goes out until the module
// answers AB AC; from then on every byte the module sends is handed on as it
// comes. Leaving the mode is LeaveModeStates' job (state 81).
class MonitorStates : public TransferStates {
public:
    explicit MonitorStates(TransferEngine& engine);
    void start();
    // The module confirmed monitor mode and its text is arriving.
    bool streaming() const;

    // Bytes the module sent in monitor mode, as they arrived.
    std::function<void(std::string_view bytes)> onText;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    TransferEngine& engine_;
};

}  // namespace vardeck
