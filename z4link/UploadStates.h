#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "z4link/SoundUpload.h"
#include "z4link/TransferEngineStates.h"

namespace vardeck {

// Page-wise uploads into the module's memory: an FA announcement of the first
// page, then 256-byte raw blocks, each answered by one byte that should follow
// the sequence starting at the page's low byte. A wrong byte does not stop the
// upload; it is reported once at its end ("Hibás átvitel").
//
// Sound upload (states 1000, 1001): the samples of a WAV file, 0xFF in the
// samples sent as 0xFE (0xFF is the end mark), a last short block with 0xFF after
// the samples and in its last three bytes, at most 255 blocks. A sound that ends
// exactly on a block boundary gets its last block and then an end block of its own.
//
// Data-image upload (states 990, 991): image bytes 0..2303 in nine blocks from
// page 0, block 0 carrying 0x1C 0x47 in its last two bytes.
class UploadStates : public TransferStates {
public:
    static constexpr int kBlock = 256;
    static constexpr int kBlockBudget = 255;
    static constexpr int kDataBlocks = 9;

    explicit UploadStates(TransferEngine& engine);

    // sendNow: the operation-running flag of the last read or write all.
    void startSound(uint16_t page, std::unique_ptr<SampleSource> samples, std::size_t sampleBytes, bool sendNow);
    // The image must be encoded already.
    void startDataImage();
    // Leaving the sound page or another transfer ends a sound upload.
    void abandonSound();
    bool running() const;
    bool soundRunning() const;

    // The sound gauge (the screen's own gauge serves the data image).
    std::function<void(int progress, int max, bool visible)> onSoundGauge;
    // The upload ended; `clean` is false when an acknowledgement was wrong.
    std::function<void(bool clean)> onDone;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    void sendSoundBlock(TransferEngine& engine);
    void sendDataBlock(TransferEngine& engine);
    void finishSound(TransferEngine& engine, int countdown);
    void soundGauge(int progress, int max, bool visible);

    TransferEngine& engine_;
    std::unique_ptr<SampleSource> samples_;
    uint16_t page_ = 0;
    uint8_t sequence_ = 0;
    bool error_ = false;
    int budget_ = 0;
    int block_ = 0;
    int gaugeProgress_ = 0;
    int gaugeMax_ = 0;
};

}  // namespace vardeck
