#include "z4link/TransferSession.h"

#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"

#include <algorithm>

namespace vardeck {

// Passes everything through to the real port and counts the bytes.
class TransferSession::CountingChannel : public CommChannel {
public:
    CountingChannel(TAsynComm32& port, TransferSession& session) : port_(port), session_(session) {
        port_.OnRxChar = [this](CommChannel&, int count) {
            if (OnRxChar) OnRxChar(*this, count);
        };
        port_.OnError = [this](CommChannel&, int errors) {
            if (OnError) OnError(*this, errors);
        };
        port_.OnOpen = [this](CommChannel&, int subType, int error) {
            session_.openError_ = error;
            if (error == 0) session_.lowLatency_ = port_.LowLatency();
            if (OnOpen) OnOpen(*this, subType, error);
            if (error == 0 && session_.onPortOpened) {
                auto call = session_.onPortOpened;  // it may replace itself
                call();
            }
        };
    }
    ~CountingChannel() override {
        port_.OnRxChar = nullptr;
        port_.OnError = nullptr;
        port_.OnOpen = nullptr;
    }

    void Open() override { port_.Open(); }
    void Close() override { port_.Close(); }
    bool IsOpen() const override { return port_.IsOpen(); }
    int Write(const uint8_t* buffer, int count) override {
        // A write the port finishes in the background returns 0 but still goes out.
        if (port_.IsOpen() && count > 0) {
            session_.bytesWritten_ += count;
            session_.noteWrite();
        }
        return port_.Write(buffer, count);
    }
    int Read(uint8_t* buffer, int count) override {
        const int n = port_.Read(buffer, count);
        if (n > 0) {
            session_.bytesRead_ += n;
            session_.lastRead_ = Clock::now();
        }
        return n;
    }
    const std::string& DeviceName() const override { return port_.DeviceName(); }
    void SetDeviceName(const std::string& name) override { port_.SetDeviceName(name); }
    TBaudRate BaudRate() const override { return port_.BaudRate(); }
    void SetBaudRate(TBaudRate rate) override { port_.SetBaudRate(rate); }

private:
    TAsynComm32& port_;
    TransferSession& session_;
};

void TransferSession::Listener::setStatusPanel(int panel, const std::string& text) {
    if (panel != 3) return;
    status = text;
    if (session.onStatus && !text.empty()) session.onStatus(text);
}

void TransferSession::Listener::setGaugeMax(int max) { gaugeMax = max; }

void TransferSession::Listener::setGaugeProgress(int progress) {
    if (session.onProgress) session.onProgress(progress, gaugeMax);
}

TransferSession::TransferSession(Options options)
    : options_(std::move(options)),
      loop_(std::make_unique<EventLoop>()),
      port_(std::make_unique<TAsynComm32>(*loop_)),
      channel_(std::make_unique<CountingChannel>(*port_, *this)) {
    TransferEnvironment env;
    env.portName = [this] { return options_.port; };
    env.clock = options_.clock;
    engine_ = std::make_unique<TransferEngine>(*channel_, image_, listener_, std::move(env));
    engine_->setDeviceType(options_.deviceType);
    engine_->setCompanyFlag(options_.company);
    timerId_ = loop_->startTimer(options_.tickPeriodMs, [this] { tick(); });
}

TransferSession::Progress TransferSession::progress() const {
    const TransferVariables& v = engine_->vars();
    return {v.state, v.transferIndex, v.transferAddress, v.remaining};
}

void TransferSession::noteWrite() {
    lastWrite_ = Clock::now();
    wroteSinceReset_ = true;
    progressAtWrite_ = progress();
}

void TransferSession::resetByteCounts() {
    bytesWritten_ = bytesRead_ = 0;
    waits_ = LineWaits{};
    countStart_ = Clock::now();
    wroteSinceReset_ = false;
}

void TransferSession::tick() {
    const bool wroteBefore = wroteSinceReset_;
    const Progress before = progressAtWrite_;
    const Clock::time_point previousWrite = lastWrite_;
    const long long written = bytesWritten_;
    engine_->tick();
    if (bytesWritten_ == written) return;
    // This tick sent a command: what held it back?
    const Clock::time_point now = lastWrite_;
    if (!wroteBefore) {
        waits_.start += now - countStart_;
    } else if (before == progress()) {
        ++waits_.repeats;
    } else {
        const Clock::time_point idleSince = std::max(lastRead_, previousWrite);
        const int state = engine_->vars().state;
        auto& wait = state == z4state::kSetClock ? waits_.clock
                     : state == z4state::kByteWrite ? waits_.skipped
                                                    : waits_.countdown;
        wait += now - idleSince;
    }
}

TransferSession::~TransferSession() {
    loop_->stopTimer(timerId_);
    engine_->shutdown();
    engine_.reset();
    channel_.reset();
    port_.reset();
}

CommChannel& TransferSession::channel() { return *channel_; }

TransferSession::Outcome TransferSession::runUntil(const std::function<bool()>& done,
                                                    std::chrono::milliseconds deadline) {
    openError_ = 0;
    const bool finished = loop_->runUntil([&] { return openError_ != 0 || done(); }, deadline);
    if (openError_ != 0) return Outcome::OpenFailed;
    return finished ? Outcome::Done : Outcome::TimedOut;
}

TransferSession::Outcome TransferSession::queryVersion(std::chrono::milliseconds deadline) {
    engine_->queryVersionOnActivation();
    return runUntil([this] { return engine_->vars().state == z4state::kIdle; }, deadline);
}

TransferSession::Outcome TransferSession::readAll(std::chrono::milliseconds deadline) {
    engine_->readAll();
    const std::string done = engine_->text(TransferText::ReadAllDone);
    return runUntil([&] { return engine_->vars().state == z4state::kIdle && status() == done; }, deadline);
}

TransferSession::Outcome TransferSession::writeAll(std::chrono::milliseconds deadline) {
    engine_->writeAll();
    // The byte-wise write ends with the write's own text, the block write with
    // the clock setting's.
    const std::string written = engine_->text(TransferText::WriteAllDone);
    const std::string clockSet = engine_->text(TransferText::ClockSyncDone);
    const std::string verifyFailed = engine_->text(TransferText::VerifyFailed);
    return runUntil(
        [&] {
            return engine_->vars().state == z4state::kIdle &&
                   (status() == written || status() == clockSet || status() == verifyFailed);
        },
        deadline);
}

}  // namespace vardeck
