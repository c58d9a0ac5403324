#pragma once
#include "sim/DeviceModel.h"

#include <cstdio>
#include <span>
#include <string>

namespace vardeck::sim {

// One modem line as a line of text: CR as \r, LF as \n, Ctrl-Z as ^Z, other
// control bytes and DEL as \xHH, a backslash as \\ (so the escapes stay
// unambiguous); every other byte as it is.
std::string escapeModemLine(std::span<const uint8_t> line);

// The file of --modem-log: one escaped line per line the modem received,
// flushed at once so a reader sees each line while the simulator runs.
class ModemLogFile {
public:
    ModemLogFile() = default;
    ~ModemLogFile();
    ModemLogFile(const ModemLogFile&) = delete;
    ModemLogFile& operator=(const ModemLogFile&) = delete;

    // Creates or empties the file; false with a one-line message.
    bool open(const std::string& path, std::string& error);
    void write(std::span<const uint8_t> line);

private:
    std::FILE* file_ = nullptr;
};

}  // namespace vardeck::sim
