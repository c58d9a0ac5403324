#include "sim/ModemLog.h"

#include <cerrno>
#include <cstring>

namespace vardeck::sim {

std::string escapeModemLine(std::span<const uint8_t> line) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : line) {
        switch (b) {
            case '\r': text += "\\r"; break;
            case '\n': text += "\\n"; break;
            case 26: text += "^Z"; break;
            case '\\': text += "\\\\"; break;
            default:
                if (b < 0x20 || b == 0x7F) {
                    text += "\\x";
                    text += digits[b >> 4];
                    text += digits[b & 0x0F];
                } else {
                    text += static_cast<char>(b);
                }
        }
    }
    return text;
}

ModemLogFile::~ModemLogFile() {
    if (file_) std::fclose(file_);
}

bool ModemLogFile::open(const std::string& path, std::string& error) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        error = "cannot write modem log " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void ModemLogFile::write(std::span<const uint8_t> line) {
    if (!file_) return;
    const std::string text = escapeModemLine(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
}

}  // namespace vardeck::sim
