#pragma once
#include <functional>
#include <string>

#include "z4link/FirmwareImage.h"
#include "z4link/ReceiveBuffer.h"
#include "z4link/TransferEngineStates.h"

namespace vardeck {

// The processor and firmware of the module, as the F8 identification reports them.
struct ProcessorIdentity {
    int processor = 0;  // 10 = J10, 11 = J11
    int sw = 0;
    int hw = 0;
    int bw = 0;
};

// Firmware download and FPGA programming (states 1099 to 1102): identification,
// unpacking the firmware text, 256 blocks into pages 0x3E00.. (block frames with a
// data-sum acknowledgement from firmware 3.8, raw blocks 0..254 acknowledged by
// their number below), then the FPGA start; the version query that follows waits
// for the restarted module, whose answer closes the firmware view.
class FirmwareDownloadStates : public TransferStates {
public:
    static constexpr uint16_t kFirstPage = 0x3E00;
    static constexpr int kBlocks = 256;
    static constexpr int kRawBlocks = 255;
    static constexpr int kRetries = 30;

    FirmwareDownloadStates(TransferEngine& engine, CarriedFirmware firmware);

    // The firmware view opens: identification first (unless the FPGA step is due).
    void open();
    // "Download Start".
    void startDownload();
    // "Kilépés".
    void leave();
    const ProcessorIdentity& identity() const { return identity_; }
    const CarriedFirmware& firmware() const { return firmware_; }
    // The firmware the next download sends.
    void setFirmware(CarriedFirmware firmware) { firmware_ = std::move(firmware); }
    int block() const { return block_; }

    std::function<void(const std::string&)> onPhase;        // Label1
    std::function<void(const std::string&)> onProcessor;    // Label2
    std::function<void(const ProcessorIdentity&)> onIdentity;  // Label3..Label5
    // Button1 enabled, Label6 ("no newer firmware") hidden.
    std::function<void(bool)> onDownloadAllowed;
    std::function<void(int)> onProgress;                    // ProgressBar1
    std::function<void()> onFpgaStarted;                    // the view's 500 ms timer

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    bool earlyIdentification() const;
    void identified(TransferEngine& engine, const ReceiveBuffer& rx);
    void sendFirmwareBlock(TransferEngine& engine);
    void progress(int value) {
        if (onProgress) onProgress(value);
    }
    void phase(const std::string& text) {
        if (onPhase) onPhase(text);
    }

    TransferEngine& engine_;
    CarriedFirmware firmware_;
    FirmwareBuffer buffer_{};
    ProcessorIdentity identity_;
    int block_ = 0;
    int retries_ = 0;
    uint16_t page_ = kFirstPage;
    bool error_ = false;
};

}  // namespace vardeck
