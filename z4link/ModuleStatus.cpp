#include "z4link/ModuleStatus.h"

namespace vardeck {
namespace {

constexpr int kContactIdModel = 100;
constexpr int kMemoryCheckModel = 71;

std::string registrationText(int code) {
    switch (code) {
        case 0: return "Hálozatra nincs feljelentkezve";
        case 1: return "Saját hálózatra feljelentkezve";
        case 2: return "Hálozatra nincs feljelentkezve, előző roaming volt";
        case 3: return "Roaming hálózatra feljelentkezve";
        default: return "Ismeretlen állapot: " + std::to_string(code);
    }
}

std::string errorText(int code) {
    switch (code) {
        case 0: return "Nincs hiba";
        case 1: return "Modem konfigurálás";
        case 2: return "GSM modul nem látható";
        case 3: return "SIM kártya nincs behelyezve";
        case 4: return "SIM kártya PIN kóddal zárolva";
        case 10: return "GSM Modem módban van";
        case 12: return "GSM monitor mode";
        default: return "Ismeretlen hiba: " + std::to_string(code);
    }
}

// The Contact ID sending stage replaces the error text while there is no error.
std::optional<std::string> contactIdStageText(int stage) {
    switch (stage) {
        case 1: return "CID: Tárcsázás";
        case 2: return "CID: Felvéve a vonal/ Handshake várása";
        case 3: return "CID: handshake OK";
        case 4: return "CID: Send DTMF";
        case 5: return "CID: CID send ok";
        default: return std::nullopt;
    }
}

void decodeLastContactId(const StatusBlock& block, ModuleStatus& s) {
    s.hasLastContactId = true;
    std::string message;
    for (int i = 16; i < 32; ++i) message += contactIdDigitChar(block[static_cast<std::size_t>(i)]);
    if (message[0] == 'x') {
        s.lastContactId = "Not";
        return;
    }
    s.lastContactId = message;
    // Characters counted from 1: account 1-4, qualifier 7, event 8-10, partition and zone 11-15.
    s.account = message.substr(0, 4);
    s.partitionZone = message.substr(10, 5);
    const char qualifier = message[6];
    if (qualifier == '1') s.event = "E" + message.substr(7, 3);
    if (qualifier == '3') s.event = "R" + message.substr(7, 3);
}

}  // namespace

bool reportsLastContactId(int deviceType, int firmwareVersion) {
    return deviceType == kContactIdModel && firmwareVersion > 24;
}

int statusBlockLength(int deviceType, int firmwareVersion) {
    return reportsLastContactId(deviceType, firmwareVersion) ? kStatusBlockLong : kStatusBlockShort;
}

SignalBand signalBand(int strength) {
    if (strength > 20) return SignalBand::BrightGreen;
    if (strength > 15) return SignalBand::Green;
    if (strength > 10) return SignalBand::Blue;
    if (strength > 5) return SignalBand::Yellow;
    return SignalBand::Red;
}

char contactIdDigitChar(uint8_t digit) {
    if (digit == 10) return '0';
    if (digit >= 1 && digit <= 9) return static_cast<char>('0' + digit);
    if (digit >= 11 && digit <= 15) return static_cast<char>('B' + (digit - 11));
    if (digit == 63) return '?';
    return 'x';
}

ModuleStatus decodeModuleStatus(const StatusBlock& raw, int length, int deviceType, int firmwareVersion) {
    StatusBlock block{};
    for (int i = 0; i < length && i < kStatusBlockLong; ++i) block[static_cast<std::size_t>(i)] = raw[static_cast<std::size_t>(i)];

    ModuleStatus s;
    for (int i = 0; i < 4; ++i) s.inputs[static_cast<std::size_t>(i)] = (block[0] >> i) & 1;
    s.registration = block[1];
    s.registrationText = registrationText(block[1]);
    s.errorCode = block[2];
    s.errorText = errorText(block[2]);
    if (block[2] == 0) {
        if (auto stage = contactIdStageText(block[11])) s.errorText = *stage;
    }
    s.signal = block[3];
    s.band = signalBand(block[3]);
    const uint8_t flags = block[4];
    s.tamper = flags & 0x01;
    s.supply = flags & 0x02;
    s.output1 = flags & 0x04;
    s.output2 = flags & 0x08;
    s.armed = flags & 0x10;
    s.memoryGood = flags & 0x80;
    if (deviceType == kMemoryCheckModel && !s.memoryGood) s.errorText = "MEMORY FAULT";
    // The clock digits are shown as they come; anything but a printable ASCII
    // character would garble the status bar, so it becomes "?".
    auto clockChar = [&](int i) {
        const uint8_t c = block[static_cast<std::size_t>(i)];
        return (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    };
    s.gsmTime = {clockChar(5), clockChar(6), ':', clockChar(7), clockChar(8)};
    const int magnitude = block[9] & 0x7F;
    s.temperature = (block[9] & 0x80) ? -magnitude : magnitude;
    if (reportsLastContactId(deviceType, firmwareVersion) && length >= kStatusBlockLong) decodeLastContactId(block, s);
    return s;
}

}  // namespace vardeck
