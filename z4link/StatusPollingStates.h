#pragma once
#include <functional>

#include "z4link/ModuleStatus.h"
#include "z4link/TransferEngineStates.h"

namespace vardeck {

// Status polling (state 5): the status block is read byte by byte from status
// memory (read selector 2), over and over while the status view is open. Each
// complete cycle hands the block on; the next cycle starts when the tick countdown
// of the last reply runs out. The bytes are kept here, never in the configuration
// image.
class StatusPollingStates : public TransferStates {
public:
    // Register with the engine before start().
    explicit StatusPollingStates(TransferEngine& engine);

    // The status view opens: polling starts from address 512.
    void start();
    // The status view closes: state 0, read selector 0.
    void stop();
    bool running() const;

    // A complete cycle: the block and how many of its bytes were read.
    std::function<void(const StatusBlock& block, int length)> onCycle;

    bool handles(int state) const override;
    bool ownReplyShape(int) const override { return false; }
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    void beginCycle();

    TransferEngine& engine_;
    StatusBlock block_{};
    int length_ = kStatusBlockShort;
};

}  // namespace vardeck
