#include "z4link/PhonebookStates.h"

#include <algorithm>

#include "z4link/AtReply.h"
#include "z4link/GsmModeStates.h"
#include "z4link/NumberText.h"
#include "z4link/TransferEngine.h"

namespace vardeck {
namespace {

constexpr int kCountdown = 20;
constexpr std::size_t kFieldLimit = 33;  // characters of a number or name taken from an answer
constexpr std::size_t kWrittenName = 12;
constexpr int kEntryLinePairs = 3;       // CR LF pairs up to the end of an entry
constexpr int kEmptyAnswer = 14;         // after the 12-byte echo of a read line and CR LF

std::string withoutQuotes(const std::string& text) {
    std::string out = text;
    out.erase(std::remove(out.begin(), out.end(), '"'), out.end());
    return out;
}

// Reads from `from` up to the next double quote, at most kFieldLimit characters;
// returns the position of that quote (or where reading stopped).
int readQuoted(const ReceiveBuffer& rx, int from, std::string& out) {
    int p = from;
    while (p < rx.fill() && rx.at(p) != '"' && out.size() < kFieldLimit) out += static_cast<char>(rx.at(p++));
    return p;
}

}  // namespace

std::string phonebookSelectLine() { return "AT+CPBS=\"SM\"\r\n"; }

std::string phonebookReadLine(int index) { return "AT+CPBR=" + phonebookIndexText(index) + "\r"; }

std::string phonebookWriteLine(int index, const std::string& number, const std::string& name) {
    std::string written = withoutQuotes(name).substr(0, std::min(kWrittenName, name.size()));
    if (name.empty()) written = "SIM" + std::to_string(index);
    return "AT+CPBW=" + phonebookIndexText(index) + ",\"" + withoutQuotes(number) + "\",129,\"" + written + "\"\r";
}

PhonebookEntry parsePhonebookEntry(const ReceiveBuffer& rx, int c) {
    PhonebookEntry e;
    int d = c + 1;
    for (int p = c + 2; p <= c + 4 && p < rx.fill() && rx.at(p) != ','; ++p) {
        e.index += static_cast<char>(rx.at(p));
        d = p;
    }
    int p = readQuoted(rx, d + 3, e.number);
    // After the number's closing quote: at most 9 characters up to the name's quote.
    p += 1;
    const int limit = p + 9;
    while (p < rx.fill() && p < limit && rx.at(p) != '"') ++p;
    if (p < rx.fill() && rx.at(p) == '"') readQuoted(rx, p + 1, e.name);
    return e;
}

PhonebookStates::PhonebookStates(TransferEngine& engine, GsmModeStates& gsm, PhonebookTable& table)
    : engine_(engine), gsm_(gsm), table_(table) {
    engine.addStates(*this);
}

bool PhonebookStates::handles(int state) const {
    return state == z4state::kPhonebookSelect || state == z4state::kPhonebookRead ||
           state == z4state::kPhonebookWriteSelect || state == z4state::kPhonebookWrite;
}

bool PhonebookStates::ownReplyShape(int state) const { return state != z4state::kPhonebookSelect; }

bool PhonebookStates::running() const { return handles(engine_.vars().state); }

void PhonebookStates::startRead() {
    const int rows = std::min(table_.rowCount(), size_ + 1);
    for (int row = 1; row < rows; ++row) {
        for (int col = 0; col < 3; ++col) table_.setCell(row, col, "");
    }
    gauge(0, size_, true);
    buttons(false, false);
    index_ = 1;
    row_ = 1;
    gsm_.enter(z4state::kPhonebookSelect, true);
}

void PhonebookStates::startWrite() {
    gauge(0, std::max(0, table_.rowCount() - 1), true);
    buttons(true, false);
    index_ = 1;
    gsm_.enter(z4state::kPhonebookWriteSelect, true);
}

void PhonebookStates::send(TransferEngine& engine, int state) {
    Z4Link& link = engine.link();
    switch (state) {
        case z4state::kPhonebookSelect:
            link.sendAtLine(phonebookSelectLine());
            engine.vars().state = z4state::kPhonebookRead;
            engine.vars().countdown = kCountdown;
            break;
        case z4state::kPhonebookRead:
            link.sendAtLine(phonebookReadLine(index_));
            engine.showStatusMessage("GSM phonebook read...");
            engine.vars().countdown = kCountdown;
            break;
        case z4state::kPhonebookWriteSelect:
            link.sendAtLine(phonebookSelectLine());
            engine.vars().countdown = kCountdown;
            break;
        default: {
            engine.vars().countdown = kCountdown;
            while (index_ <= size_ && (index_ >= table_.rowCount() || table_.cell(index_, PhonebookTable::kNumber).empty()))
                ++index_;
            if (index_ <= size_) {
                link.sendAtLine(phonebookWriteLine(index_, table_.cell(index_, PhonebookTable::kNumber),
                                                   table_.cell(index_, PhonebookTable::kName)));
                engine.showStatusMessage("GSM phonebook write...");
                link.clearReceive();
            } else {
                gauge(progress_, gaugeMax_, false);
                engine.showStatusMessage("Phonebook write OK");
                buttons(true, true);
                engine.vars().state = z4state::kLeaveMode;
                if (onDone) onDone(true);
            }
            break;
        }
    }
}

void PhonebookStates::receive(TransferEngine& engine, int state) {
    ReceiveBuffer& rx = engine.link().rx();
    switch (state) {
        case z4state::kPhonebookRead: receiveRead(engine); break;
        case z4state::kPhonebookWriteSelect:
            if (endsWithOkCrLf(rx)) {
                rx.clear();
                engine.vars().state = z4state::kPhonebookWrite;
                engine.sendStep();
            } else if (rx.fill() > 6) {
                rx.clear();  // the echo; the "OK" comes with a later notification
            }
            break;
        case z4state::kPhonebookWrite: receiveWrite(engine); break;
        default: break;
    }
}

void PhonebookStates::receiveRead(TransferEngine& engine) {
    ReceiveBuffer& rx = engine.link().rx();
    // An empty location: the answer right after the 12-byte echo and CR LF.
    const bool empty = (okAt(rx, kEmptyAnswer) && rx.at(kEmptyAnswer + 2) == '\r' && rx.at(kEmptyAnswer + 3) == '\n') ||
                       errorAt(rx, kEmptyAnswer);
    if (empty) {
        rx.clear();
        advance();
        if (index_ >= size_) {
            finishRead(engine, true);
        } else {
            ++index_;
            engine.sendStep();
        }
        return;
    }
    if (countCrLf(rx) < kEntryLinePairs) return;
    const int tag = findPhonebookTag(rx);
    if (tag < 0) return;
    const int colon = tag + 2;
    const PhonebookEntry entry = parsePhonebookEntry(rx, colon);
    // Never past the table: one row per location read, at most the phonebook size.
    if (row_ <= size_) {
        if (table_.rowCount() <= row_) table_.setRowCount(row_ + 1);
        table_.setCell(row_, PhonebookTable::kIndex, entry.index);
        table_.setCell(row_, PhonebookTable::kNumber, entry.number);
        table_.setCell(row_, PhonebookTable::kName, entry.name);
        ++row_;
        table_.setRowCount(row_);
    }
    rx.clear();
    advance();
    if (index_ >= size_) {
        finishRead(engine, false);
    } else {
        ++index_;
        engine.sendStep();
    }
}

void PhonebookStates::finishRead(TransferEngine& engine, bool empty) {
    engine.showStatusMessage("GSM phonebook read, ready");
    buttons(true, true);
    gauge(progress_, gaugeMax_, false);
    // After an empty last location the module is taken out of modem mode; after an
    // entry it stays there (it needs a restart).
    engine.vars().state = empty ? z4state::kLeaveMode : z4state::kIdle;
    if (onDone) onDone(empty);
}

void PhonebookStates::receiveWrite(TransferEngine& engine) {
    ReceiveBuffer& rx = engine.link().rx();
    if (!endsWithOkCrLf(rx)) return;
    ++index_;
    advance();
    rx.clear();
    engine.sendStep();
}

}  // namespace vardeck
