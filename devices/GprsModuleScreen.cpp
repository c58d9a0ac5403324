#include "brand/Brand.h"
#include "devices/DeviceScreen.h"
#include "devices/GprsModuleConfigurator.h"
#include "devices/SixByteReply.h"
#include "devices/StoredPort.h"
#include "serial/CommChannel.h"
#include "settings/Settings.h"

namespace vardeck::devices {
namespace {

constexpr int kSendInterval = 150;
constexpr int kHoldOffTicks = 3;
constexpr int kIdle = 0;

// The GPRS module's screen on a channel of its own, for the command line and the
// tests: the line parts that the main view otherwise shares with the search (send
// timer with its hold-off, six-byte reply buffer, protocol state) live here, without
// the search's probing.
class GprsModuleScreen final : public DeviceScreen, private GprsModuleLine {
public:
    GprsModuleScreen(CommChannel& channel, DeviceScreenEnvironment env) : channel_(channel), env_(std::move(env)) {
        adas.onTimer = [this] { adasTimer(); };
        channel_.OnRxChar = [this](CommChannel&, int count) { received(count); };
    }
    ~GprsModuleScreen() override {
        channel_.OnRxChar = nullptr;
        if (opened_) channel_.Close();
    }

    int typeCode() const override { return 30; }
    int state() const override { return state_; }
    void handOver() override {
        state_ = kIdle;
        module_.handOver();
    }
    bool ready() const override { return module_.ready(); }
    bool busy() const override { return module_.busy(); }
    void read() override { module_.BitBtn2Click(); }
    bool write() override { return module_.BitBtn1Click(); }
    std::vector<std::string> editableControls() const override { return module_.editableControls(); }
    void controlChanged(const std::string& name) override { module_.controlChanged(name); }

private:
    // --- GprsModuleLine ----------------------------------------------------------
    void setState(int state) override { state_ = state; }
    void beginTransfer() override {
        holdOff_ = kHoldOffTicks;
        openChannel();
        if (!adas.enabled()) adas.start();
    }
    void sendFrame(const Frame& frame) override {
        if (channel_.IsOpen()) channel_.Write(frame.data(), static_cast<int>(frame.size()));
        reply_.reset();
    }

    void adasTimer() {
        // Nothing to send: the timer rests until a transfer begins.
        if (!module_.busy()) {
            adas.stop();
            return;
        }
        if (!channel_.IsOpen() && !openChannel()) return;
        if (holdOff_ > 0) {
            --holdOff_;
            return;
        }
        module_.sendStep();
    }

    // Opens the stored port at 9600 bit/s, unless the search still has the device.
    bool openChannel() {
        if (channel_.IsOpen()) return true;
        if (env_.searchHoldsChannel && env_.searchHoldsChannel()) return false;
        openStoredPort(channel_, env_.brand, cbr9600);
        opened_ = true;
        return channel_.IsOpen();
    }

    void received(int count) {
        if (takeSixByteReply(reply_, channel_, count) != ReplyOutcome::Valid) return;
        holdOff_ = kHoldOffTicks;
        if (state_ >= GprsModuleTransfer::kReadBytes) module_.validReply(reply_.bytes());
    }

    CommChannel& channel_;
    DeviceScreenEnvironment env_;
    controls::ModelTimer& adas = timers_.add("adas", kSendInterval, true);
    GprsModuleControls controls_{registry_};
    GprsModuleConfigurator module_{controls_, *this};
    SixByteCollector reply_;
    int state_ = kIdle;
    int holdOff_ = 0;
    bool opened_ = false;
};

}  // namespace

std::unique_ptr<DeviceScreen> makeGprsModuleScreen(CommChannel& channel, DeviceScreenEnvironment env) {
    return std::make_unique<GprsModuleScreen>(channel, std::move(env));
}

}  // namespace vardeck::devices
