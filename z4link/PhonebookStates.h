#pragma once
#include <functional>
#include <string>

#include "z4link/TransferEngineStates.h"

namespace vardeck {

class GsmModeStates;

// The SIM phonebook as the operations see it: rows 1 and up of a table with the
// columns SIM index, number and name (row 0 is the header). Texts are the modem's
// bytes (code page 1250).
class PhonebookTable {
public:
    static constexpr int kIndex = 0, kNumber = 1, kName = 2;
    virtual ~PhonebookTable() = default;
    // Rows including the header.
    virtual int rowCount() const = 0;
    virtual void setRowCount(int rows) = 0;
    virtual std::string cell(int row, int column) const = 0;
    virtual void setCell(int row, int column, const std::string& text) = 0;
};

// The modem lines of the phonebook commands, exactly as sent.
std::string phonebookSelectLine();                       // AT+CPBS="SM" CR LF
std::string phonebookReadLine(int index);                // AT+CPBR=nnn CR
// AT+CPBW=nnn,"number",129,"name" CR; the name cut to 12 characters, "SIM" and the
// index when empty. A double quote would end the field early, so none goes out.
std::string phonebookWriteLine(int index, const std::string& number, const std::string& name);

// One entry the modem answered to a read: the fields as the module's answer
// gives them, each bounded.
struct PhonebookEntry {
    std::string index;
    std::string number;
    std::string name;
};
// Parses the entry from the colon of "+CPBR:" at `colon` (the reply's own framing:
// index after one space up to a comma, number after the comma and quote, name after
// the next quote). Reads only below `fill`.
PhonebookEntry parsePhonebookEntry(const class ReceiveBuffer& rx, int colon);

// SIM phonebook read (states 29, 30) and write (39, 40), through GSM modem mode.
// A read fills consecutive rows from the occupied locations; a write puts row k into
// location k and skips rows without a number.
class PhonebookStates : public TransferStates {
public:
    static constexpr int kSmallSize = 100;
    static constexpr int kLargeSize = 250;

    PhonebookStates(TransferEngine& engine, GsmModeStates& gsm, PhonebookTable& table);

    void setSize(int size) { size_ = size == kLargeSize ? kLargeSize : kSmallSize; }
    int size() const { return size_; }
    void startRead();
    void startWrite();
    bool running() const;
    int index() const { return index_; }

    // The read or write has ended; `leftModemMode` is false when the module was
    // left in GSM modem mode (a read whose last location held an entry).
    std::function<void(bool leftModemMode)> onDone;
    // The buttons BitBtn5 (read) and BitBtn6 (write) follow these.
    std::function<void(bool readEnabled, bool writeEnabled)> onButtons;
    // The phonebook's own gauge: progress of max, shown or hidden.
    std::function<void(int progress, int max, bool visible)> onGauge;

    bool handles(int state) const override;
    bool ownReplyShape(int state) const override;
    void send(TransferEngine& engine, int state) override;
    void receive(TransferEngine& engine, int state) override;

private:
    void receiveRead(TransferEngine& engine);
    void receiveWrite(TransferEngine& engine);
    void finishRead(TransferEngine& engine, bool empty);
    void buttons(bool read, bool write) {
        if (onButtons) onButtons(read, write);
    }
    void gauge(int progress, int max, bool visible) {
        progress_ = progress;
        gaugeMax_ = max;
        if (onGauge) onGauge(progress, max, visible);
    }
    void advance() { gauge(progress_ + 1, gaugeMax_, true); }

    TransferEngine& engine_;
    GsmModeStates& gsm_;
    PhonebookTable& table_;
    int size_ = kSmallSize;
    int index_ = 1;
    int row_ = 1;
    int progress_ = 0;
    int gaugeMax_ = 0;
};

}  // namespace vardeck
