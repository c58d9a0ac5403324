#pragma once
#include "sim/ByteMemoryModel.h"

namespace vardeck::sim {

// The GPRS-to-Contact-ID converter (code 50): 253 bytes of settings read and
// written one byte a frame; its software version and identity byte sit right
// above them, so that the version question 00 00 FE 00 is a read of 0x00FE.
// Three command frames get no answer: the restart (00 FF AA 00) and the switches
// into TELNET (00 FE BB 00) and GSM ROUTE mode (00 FD BB 00). The simulated
// converter records them and goes on answering frames in every mode.
class ConverterModel : public ByteMemoryModel {
public:
    static constexpr int kTypeCode = 50;
    static constexpr std::size_t kMemorySize = 256;
    static constexpr uint16_t kVersionAddress = 0x00FE;
    static constexpr uint8_t kDefaultVersion = 7;

    enum class Mode { Normal, Telnet, GsmRoute };

    explicit ConverterModel(uint8_t softwareVersion = kDefaultVersion);
    std::string description() const override { return "GPRS-to-Contact-ID converter, code 50"; }

    Mode mode() const { return mode_; }
    int restarts() const { return restarts_; }

protected:
    bool onFrame(const Frame& frame) override;
    bool ownsAddress(uint16_t address) const override;
    void restoreOwnedBytes() override;
    void clearHistory() override;

private:
    uint8_t version_;
    Mode mode_ = Mode::Normal;
    int restarts_ = 0;
};

}  // namespace vardeck::sim
