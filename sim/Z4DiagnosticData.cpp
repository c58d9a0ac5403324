#include "sim/Z4DiagnosticData.h"

#include <algorithm>
#include <random>
#include <string_view>

namespace vardeck::sim {

Bytes makeZ4EventLog() {
    struct Event {
        uint8_t source;
        const char* time;  // hhmm
        uint8_t signal;
        uint8_t value;     // temperature in degrees
    };
    static constexpr Event events[] = {
        {1, "0712", 18, 19},   // input 1
        {2, "0745", 17, 20},   // input 2
        {9, "0903", 19, 21},   // tamper
        {3, "1031", 16, 22},   // input 3
        {10, "1158", 15, 23},  // supply voltage
        {13, "1342", 18, 41},  // temperature max
        {4, "1517", 21, 24},   // input 4
        {14, "0208", 20, 2},   // temperature min
        {1, "2236", 19, 18},   // input 1
    };
    Bytes log;
    for (const Event& e : events) {
        Bytes record(kZ4EventRecordSize, 0x00);
        record[z4event::kSource] = e.source;
        std::copy_n(e.time, 4, record.begin() + z4event::kTime);
        record[z4event::kSignal] = e.signal;
        record[z4event::kValue] = e.value;
        log.insert(log.end(), record.begin(), record.end());
    }
    return log;
}

Bytes makeZ4History() {
    constexpr std::size_t kRecorded = 1024;
    Bytes history(kZ4HistorySize, 0xFF);
    // Raw mt19937 output: the same samples with every standard library.
    std::mt19937 random(90);
    int level = 18;
    for (std::size_t i = 0; i < kRecorded; ++i) {
        level = std::clamp(level + static_cast<int>(random() % 5) - 2, 8, 27);
        history[i] = static_cast<uint8_t>(level);
    }
    return history;
}

Bytes makeZ4MonitorText() {
    static constexpr std::string_view text =
        "AT+CREG?\r\n"
        "+CREG: 0,1\r\n"
        "\r\nOK\r\n"
        "AT+CSQ\r\n"
        "+CSQ: 18,0\r\n"
        "\r\nOK\r\n"
        "AT+COPS?\r\n"
        "+COPS: 0,0,\"Telekom HU\"\r\n"
        "\r\nOK\r\n"
        "AT+CCLK?\r\n"
        "+CCLK: \"25/03/14,12:30:05+04\"\r\n"
        "\r\nOK\r\n"
        "AT+CMGL=\"REC UNREAD\"\r\n"
        "\r\nOK\r\n";
    return Bytes(text.begin(), text.end());
}

}  // namespace vardeck::sim
