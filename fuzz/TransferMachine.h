#pragma once
// The transfer engine with every operation's states, as the configurator screen holds
// them, on a scripted channel; shared by the engine's fuzz target and the program that
// records its seeds against the simulated module.
#include <array>
#include <memory>
#include <string>

#include "fuzz/FuzzInput.h"
#include "tests/z4link/FakeChannel.h"
#include "z4link/EventLogStates.h"
#include "z4link/FirmwareDownloadStates.h"
#include "z4link/GsmCommandStates.h"
#include "z4link/GsmModeStates.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/MonitorStates.h"
#include "z4link/PhonebookStates.h"
#include "z4link/SignalHistoryStates.h"
#include "z4link/StatusPollingStates.h"
#include "z4link/TransferEngine.h"
#include "z4link/UploadStates.h"

namespace vardeck::fuzz {

// The script's steps, by their first byte.
inline constexpr uint8_t kRawBytes = 0x00;    // 0x00-0x3F: that many + 1 bytes follow
inline constexpr uint8_t kValidFrame = 0x40;  // 0x40-0x5F: four bytes follow, sent with their check sums
inline constexpr uint8_t kRawBlocks = 0x60;   // 0x60-0x6F: (low nibble + 1) * 32 bytes follow
inline constexpr uint8_t kOperation = 0x70;   // 0x70-0x77: an operation and its argument follow
inline constexpr uint8_t kTicks = 0x78;       // 0x78-0xFF: (low three bits + 1) ticks

constexpr int kTypes[] = {70, 71, 80, 90, 100};
constexpr int kOperations = 26;

struct Listener : TransferListener {
    bool askYesNo(const std::string&) override { return true; }
};

// The phonebook grid at its largest (header and 250 rows): the states must never
// reach past it.
class Phonebook : public PhonebookTable {
public:
    int rowCount() const override { return rows_; }
    void setRowCount(int rows) override {
        VARDECK_FUZZ_CHECK(rows >= 0 && rows <= kRows);
        rows_ = rows;
    }
    std::string cell(int row, int column) const override { return at(row, column); }
    void setCell(int row, int column, const std::string& text) override { at(row, column) = text; }

private:
    static constexpr int kRows = 251;
    std::string& at(int row, int column) {
        VARDECK_FUZZ_CHECK(row >= 0 && row < kRows && column >= 0 && column < 3);
        return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    const std::string& at(int row, int column) const { return const_cast<Phonebook*>(this)->at(row, column); }
    int rows_ = 1;
    std::array<std::array<std::string, 3>, kRows> cells_{};
};

// A sound of the given length.
class Samples : public SampleSource {
public:
    explicit Samples(std::size_t bytes) : left_(bytes) {}
    std::size_t read(uint8_t* out, std::size_t max) override {
        const std::size_t n = std::min(max, left_);
        for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(left_ - i);
        left_ -= n;
        return n;
    }

private:
    std::size_t left_;
};

// The engine with every operation's states, as the configurator screen holds them.
struct Machine {
    testing::FakeChannel channel;
    TransferEngine::Image image{};
    Listener listener;
    TransferEngine engine{channel, image, listener,
                          TransferEnvironment{[] { return std::string("COM2"); },
                                              [] { return ModuleClockTime{2024, 3, 9, 17, 5, 59}; }, nullptr, nullptr,
                                              nullptr}};
    GsmModeStates gsm{engine};
    LeaveModeStates leave{engine};
    GsmCommandStates commands{engine, gsm};
    Phonebook table;
    PhonebookStates phonebook{engine, gsm, table};
    StatusPollingStates polling{engine};
    MonitorStates monitor{engine};
    EventLogStates eventLog{engine};
    SignalHistoryStates history{engine};
    UploadStates uploads{engine};
    // The carried firmware text is large: it is handed over only to a download.
    FirmwareDownloadStates firmware{engine, CarriedFirmware{}};

    static const CarriedFirmware& carried() {
        static const CarriedFirmware firmware = carriedFirmware();
        return firmware;
    }

    void start(int operation, uint8_t argument) {
        switch (operation) {
            case 0: engine.readAll(); break;
            case 1: engine.writeAll(); break;
            case 2: engine.queryVersionFromMenu(); break;
            case 3: engine.setClock(); break;
            case 4: engine.lifeSignalTest(); break;
            case 5: engine.restart(); break;
            case 6: engine.lineSimulatorWrite(); break;
            case 7:
                phonebook.setSize(argument % 2 ? PhonebookStates::kLargeSize : PhonebookStates::kSmallSize);
                phonebook.startRead();
                break;
            case 8:
                table.setRowCount(1 + argument % 250);
                for (int row = 1; row < table.rowCount(); row += 7) table.setCell(row, PhonebookTable::kNumber, "+3630" + std::to_string(row));
                phonebook.startWrite();
                break;
            case 9: commands.startPinOff("1234"); break;
            case 10: commands.startSmsCentre("+36309888000"); break;
            case 11: commands.startBalance(); break;
            case 12: commands.startDataCall("+36301234567"); break;
            case 13: commands.startVoiceCall("+36301234567"); break;
            case 14: commands.startSmsTest("+36301234567", "teszt"); break;
            case 15: commands.startImei(); break;
            case 16: polling.start(); break;
            case 17: monitor.start(); break;
            case 18: eventLog.start(); break;
            case 19: history.start(); break;
            case 20: uploads.startSound(0x0300, std::make_unique<Samples>(argument * 97u), argument * 97u, argument % 2); break;
            case 21: uploads.startDataImage(); break;
            case 22: firmware.open(); break;
            case 23:
                firmware.setFirmware(carried());
                firmware.startDownload();
                break;
            case 24: leave.start(); break;
            case 25: engine.abandonOperation(); break;
            default: break;
        }
    }
};

}  // namespace vardeck::fuzz
