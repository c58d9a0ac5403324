#include "sim/GsmModem.h"

#include <algorithm>
#include <string_view>

namespace vardeck::sim {

namespace {

// The balance enquiry of the Hungarian carriers, sent as a voice dial.
constexpr std::string_view kBalanceCode = "*102#";
// +CME ERROR codes of a SIM.
constexpr int kWrongPassword = 16;
constexpr int kInvalidIndex = 21;
// Empty locations with an index divisible by this answer ERROR instead of OK:
// some SIMs do, and the program must take both for "empty".
constexpr int kErrorForEmptyEvery = 50;
constexpr long kMaxTypeOfNumber = 255;

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperText(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

bool isDialCharacter(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '*' || c == '#'; }

// Reads the arguments of a command: numbers, quoted texts and the commas between.
class ArgReader {
public:
    explicit ArgReader(std::string_view text) : text_(text) {}

    std::optional<long> number() {
        constexpr std::size_t kMaxDigits = 6;
        std::size_t digits = 0;
        long value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (++digits > kMaxDigits) return std::nullopt;
            value = value * 10 + (text_[pos_++] - '0');
        }
        if (digits == 0) return std::nullopt;
        return value;
    }
    // "text": the bytes between the quotes, which cannot hold a quote.
    std::optional<std::string> quoted() {
        if (pos_ >= text_.size() || text_[pos_] != '"') return std::nullopt;
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) return std::nullopt;
        std::string value(text_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        return value;
    }
    bool comma() {
        if (pos_ >= text_.size() || text_[pos_] != ',') return false;
        ++pos_;
        return true;
    }
    bool atEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// An optional ",type" after a number (129 national, 145 international).
bool optionalType(ArgReader& args) {
    if (!args.comma()) return true;
    const auto type = args.number();
    return type && *type <= kMaxTypeOfNumber;
}

std::size_t findAttention(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (upper(text[i]) == 'A' && upper(text[i + 1]) == 'T') return i;
    }
    return std::string_view::npos;
}

}  // namespace

Bytes defaultGsmBalanceText() {
    const std::string text =
        "Egyenleg: 1234 Ft, \xE8rv\xE8nyes 2027.01.31-ig. Percd\xECj: 39 Ft. "
        "Sz\xE0mla lek\xE8rdezve 12:30 \xF2rakor.";
    return Bytes(text.begin(), text.end());
}

GsmModem::GsmModem(GsmModemSettings settings) : settings_(std::move(settings)) {}

void GsmModem::receive(std::span<const uint8_t> bytes, SimTime now) {
    advanceTo(now);
    for (uint8_t byte : bytes) {
        emit(Bytes{byte});
        takeByte(byte);
    }
}

void GsmModem::advanceTo(SimTime now) {
    now_ = std::max(now_, now);
    auto firstLater = std::find_if(pending_.begin(), pending_.end(), [this](const Pending& p) { return p.due > now_; });
    for (auto it = pending_.begin(); it != firstLater; ++it) output_.push_back(Emission{it->due, std::move(it->bytes)});
    pending_.erase(pending_.begin(), firstLater);
}

std::optional<SimTime> GsmModem::nextWakeup() const {
    if (pending_.empty()) return std::nullopt;
    return pending_.front().due;
}

std::vector<Emission> GsmModem::takeOutput() {
    std::vector<Emission> out;
    out.swap(output_);
    return out;
}

void GsmModem::reset() {
    line_.clear();
    lineTooLong_ = false;
    messageNumber_.reset();
    pending_.clear();
}

void GsmModem::clearHistory() {
    lines_.clear();
    calls_.clear();
    messages_.clear();
}

void GsmModem::emit(Bytes bytes) {
    // The echo of one input leaves as one piece.
    if (!output_.empty() && output_.back().due == now_) {
        output_.back().bytes.insert(output_.back().bytes.end(), bytes.begin(), bytes.end());
        return;
    }
    output_.push_back(Emission{now_, std::move(bytes)});
}

void GsmModem::answer(const std::string& text, SimTime after) {
    const SimTime due = now_ + settings_.timing.answer + after;
    const auto place = std::upper_bound(pending_.begin(), pending_.end(), due,
                                        [](SimTime t, const Pending& p) { return t < p.due; });
    pending_.insert(place, Pending{due, Bytes(text.begin(), text.end())});
}

void GsmModem::takeByte(uint8_t byte) {
    // The LF of a CR LF belongs to no line.
    if (byte == '\n' && line_.empty() && !lineTooLong_) return;
    if (messageNumber_ && byte == kCtrlZ) {
        completeMessage();
        return;
    }
    if (!messageNumber_ && byte == '\r') {
        completeLine();
        return;
    }
    if (line_.size() >= kMaxLine) {
        lineTooLong_ = true;
        return;
    }
    line_.push_back(byte);
}

void GsmModem::record(const Bytes& line) {
    lines_.push_back(line);
    if (lineObserver_) lineObserver_(line);
}

void GsmModem::completeLine() {
    if (lineTooLong_) {
        ++droppedLines_;
        line_.clear();
        lineTooLong_ = false;
        return;
    }
    Bytes raw = line_;
    raw.push_back('\r');
    record(raw);
    std::string command;
    for (uint8_t b : line_) {
        if (b != '\n') command.push_back(static_cast<char>(b));
    }
    line_.clear();
    execute(command);
}

void GsmModem::completeMessage() {
    const std::string number = *messageNumber_;
    messageNumber_.reset();
    if (lineTooLong_) {
        ++droppedLines_;
        line_.clear();
        lineTooLong_ = false;
        error();
        return;
    }
    Bytes raw = line_;
    raw.push_back(kCtrlZ);
    record(raw);
    messages_.push_back(ModemMessage{now_, number, line_});
    line_.clear();
    answer("\r\n+CMGS: " + std::to_string(++messagesSent_) + "\r\n\r\nOK\r\n");
}

void GsmModem::execute(const std::string& line) {
    const std::size_t start = findAttention(line);
    if (start == std::string::npos) return;  // not a command: no answer
    const std::string body = line.substr(start + 2);
    if (body.empty()) {
        ok();
        return;
    }
    if (upper(body[0]) == 'D') {
        dial(body.substr(1));
        return;
    }
    const std::size_t equals = body.find('=');
    const std::string name = upperText(std::string_view(body).substr(0, equals));
    if (equals == std::string::npos) {
        if (name == "+CGSN") {
            answer("\r\n" + settings_.imei + "\r\n\r\nOK\r\n");
        } else {
            error();
        }
        return;
    }
    const std::string args = body.substr(equals + 1);
    if (name == "+CPBS") {
        // Only the SIM's own phonebook is there.
        upperText(args) == "\"SM\"" ? ok() : error();
    } else if (name == "+CPBR") {
        phonebookRead(args);
    } else if (name == "+CPBW") {
        phonebookWrite(args);
    } else if (name == "+CPIN") {
        ArgReader reader(args);
        const auto pin = reader.quoted();
        if (!pin || !reader.atEnd()) return error();
        *pin == settings_.pin ? ok() : cmeError(kWrongPassword);
    } else if (name == "+CLCK") {
        lockFacility(args);
    } else if (name == "+CSCA") {
        ArgReader reader(args);
        const auto number = reader.quoted();
        if (!number || !optionalType(reader) || !reader.atEnd()) return error();
        smsCentre_ = *number;
        ok();
    } else if (name == "+CMGS") {
        ArgReader reader(args);
        const auto number = reader.quoted();
        if (!number || number->empty() || !optionalType(reader) || !reader.atEnd()) return error();
        messageNumber_ = *number;
        answer("\r\n> ");
    } else {
        error();
    }
}

void GsmModem::dial(const std::string& dialString) {
    const bool voice = !dialString.empty() && dialString.back() == ';';
    const std::string number = voice ? dialString.substr(0, dialString.size() - 1) : dialString;
    if (voice && number == kBalanceCode) {
        ok();
        std::string reply = "\r\n+CUSD: 0,\"";
        reply.append(settings_.balanceText.begin(), settings_.balanceText.end());
        reply += "\",15\r\n";
        answer(reply, settings_.timing.balance);
        return;
    }
    if (number.empty() || !std::all_of(number.begin(), number.end(), isDialCharacter)) return error();
    calls_.push_back(ModemCall{now_, number, voice});
    if (voice) {
        ok();
    } else {
        answer("\r\nNO CARRIER\r\n", settings_.timing.dataCall);
    }
}

void GsmModem::phonebookRead(const std::string& args) {
    ArgReader reader(args);
    const auto index = reader.number();
    if (!index || !reader.atEnd()) return error();
    if (!SimPhonebook::validIndex(static_cast<int>(*index))) return cmeError(kInvalidIndex);
    const PhonebookEntry& entry = settings_.phonebook.at(static_cast<int>(*index));
    if (entry.empty()) {
        (*index % kErrorForEmptyEvery == 0) ? error() : ok();
        return;
    }
    answer("\r\n+CPBR: " + std::to_string(*index) + ",\"" + entry.number + "\",129,\"" + entry.name +
           "\"\r\n\r\nOK\r\n");
}

void GsmModem::phonebookWrite(const std::string& args) {
    ArgReader reader(args);
    const auto index = reader.number();
    if (!index) return error();
    std::string number;
    std::string name;
    if (!reader.atEnd()) {
        const auto quotedNumber = reader.comma() ? reader.quoted() : std::nullopt;
        if (!quotedNumber) return error();
        number = *quotedNumber;
        if (reader.comma()) {
            const auto type = reader.number();
            if (!type || *type > kMaxTypeOfNumber) return error();
            if (reader.comma()) {
                const auto quotedName = reader.quoted();
                if (!quotedName) return error();
                name = *quotedName;
            }
        }
        if (!reader.atEnd()) return error();
    }
    if (!settings_.phonebook.set(static_cast<int>(*index), std::move(number), std::move(name))) {
        return cmeError(kInvalidIndex);
    }
    ok();
}

void GsmModem::lockFacility(const std::string& args) {
    ArgReader reader(args);
    const auto facility = reader.quoted();
    if (!facility || upperText(*facility) != "SC" || !reader.comma()) return error();
    const auto mode = reader.number();
    if (!mode || *mode > 1 || !reader.comma()) return error();
    const auto password = reader.quoted();
    if (!password || !reader.atEnd()) return error();
    if (*password != settings_.pin) return cmeError(kWrongPassword);
    pinRequest_ = *mode == 1;
    ok();
}

}  // namespace vardeck::sim
