#pragma once
#include <functional>

#include "z4link/TransferEngineStates.h"

namespace vardeck {

// The signal-strength history (states 600 to 602). Configuration bytes 90 and 91
// say where the newest sample is (position in its record, 32-byte unit); the walk
// goes backwards from there, record by record (64 samples each, record numbers
// even, 126 after 0), and hands on every sample up to 35 as a point (x, strength),
// x rising by 2. A sample above 35 marks the end of the history, and the walk
// stops at x above 16384 in any case.
class SignalHistoryStates : public TransferStates {
public:
    static constexpr int kSamplesPerRecord = 64;
    static constexpr int kLastRecord = 126;
    static constexpr int kMaxSample = 35;
    static constexpr int kMaxX = 16384;

    explicit SignalHistoryStates(TransferEngine& engine);
    void start();
    // Abandons the read (its view was closed); idle.
    void stop();
    bool running() const;
    int record() const { return record_; }
    int position() const { return position_; }

    std::function<void(int x, int strength)> onPoint;
    // The walk has ended (end mark, x limit, or a start position out of range).
    std::function<void()> onDone;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    void receivePointer(TransferEngine& engine, int state);
    void receiveRecord(TransferEngine& engine);
    void finish(TransferEngine& engine);

    TransferEngine& engine_;
    int position_ = 0;
    int record_ = 0;
    int x_ = 0;
};

}  // namespace vardeck
