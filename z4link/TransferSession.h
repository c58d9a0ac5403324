#pragma once
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "serial/LowLatency.h"
#include "z4link/TransferEngine.h"

namespace vardeck {

class EventLoop;
class TAsynComm32;

// A transfer engine on a real serial port, run by an event loop of its own:
// what a program without a window needs (vardeck-cli, vardeck-bench, the
// integration tests). A timer ticks the engine; the channel's receive
// notifications reach it through the loop. The session counts the bytes that
// go each way, so the time they take on the wire can be worked out, and the
// waits the protocol itself prescribes (see LineWaits).
class TransferSession {
public:
    struct Options {
        std::string port;     // serial device the engine opens
        int deviceType = 71;  // as the device search would hand it over
        int tickPeriodMs = TransferEngine::kTickPeriodMs;
        bool company = false;
        std::function<ModuleClockTime()> clock;  // none: the PC clock
    };

    enum class Outcome {
        Done,        // the operation ended with its success text
        OpenFailed,  // the port could not be opened (see openError())
        TimedOut,    // no success before the deadline; the engine keeps its state
    };

    explicit TransferSession(Options options);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // The version query of the screen's activation; Done once the module answered.
    Outcome queryVersion(std::chrono::milliseconds deadline);
    Outcome readAll(std::chrono::milliseconds deadline);
    // Writes the image as it stands (the session encodes nothing).
    Outcome writeAll(std::chrono::milliseconds deadline);
    // Runs the loop until done() or the deadline (or a failed open).
    Outcome runUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline);

    TransferEngine& engine() { return *engine_; }
    TransferEngine::Image& image() { return image_; }
    CommChannel& channel();
    // errno of the last failed open, 0 when every open succeeded.
    int openError() const { return openError_; }
    // The operation text of status panel 3, as last shown.
    const std::string& status() const { return listener_.status; }
    long long bytesWritten() const { return bytesWritten_; }
    long long bytesRead() const { return bytesRead_; }

    // Where the line lies idle by rule since the last reset. Each command the tick
    // sends after the machine moved on (the previous command was answered), or as
    // the first command, follows a wait the protocol prescribes: from the reset (a
    // button press) to the first command (the tick that opens the port, a start
    // countdown); from the last answer to the clock setting after the blocks; to
    // the command after a position the byte-wise write skips (one tick each); to
    // any other command a countdown holds back. A command the tick sends again
    // because no answer moved the machine on is a repeat, not a prescribed wait.
    struct LineWaits {
        std::chrono::duration<double> start{}, clock{}, skipped{}, countdown{};
        int repeats = 0;
        std::chrono::duration<double> total() const { return start + clock + skipped + countdown; }
    };
    const LineWaits& lineWaits() const { return waits_; }
    // Starts counting bytes and waits afresh, as of now.
    void resetByteCounts();

    // Whether the driver's low-latency mode was on when the port last opened.
    LowLatencyState lowLatency() const { return lowLatency_; }
    // Called after every successful open of the port.
    std::function<void()> onPortOpened;

    // Each new operation text, and each change of the gauge.
    std::function<void(const std::string& status)> onStatus;
    std::function<void(int progress, int max)> onProgress;

private:
    using Clock = std::chrono::steady_clock;
    class CountingChannel;
    // What the machine has done: it changes when an answer moved it on.
    using Progress = std::array<int, 4>;
    Progress progress() const;
    void tick();
    void noteWrite();
    struct Listener : TransferListener {
        explicit Listener(TransferSession& s) : session(s) {}
        void setStatusPanel(int panel, const std::string& text) override;
        void setGaugeMax(int max) override;
        void setGaugeProgress(int progress) override;
        TransferSession& session;
        std::string status;
        int gaugeMax = 0;
    };

    Options options_;
    std::unique_ptr<EventLoop> loop_;
    std::unique_ptr<TAsynComm32> port_;
    std::unique_ptr<CountingChannel> channel_;
    TransferEngine::Image image_{};
    Listener listener_{*this};
    std::unique_ptr<TransferEngine> engine_;
    int timerId_ = 0;
    int openError_ = 0;
    long long bytesWritten_ = 0;
    long long bytesRead_ = 0;
    LineWaits waits_;
    Clock::time_point countStart_ = Clock::now();
    Clock::time_point lastRead_{};
    Clock::time_point lastWrite_{};
    bool wroteSinceReset_ = false;
    Progress progressAtWrite_{};
    LowLatencyState lowLatency_ = LowLatencyState::NotAsked;
};

}  // namespace vardeck
