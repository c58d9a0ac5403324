#include "sim/SimNameFile.h"

#include "sim/MemoryFile.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace vardeck::sim {

namespace {

// Far more than the longest file of this format (250 rows of long texts); a
// bigger file is something else and is not read into memory whole.
constexpr std::size_t kMaxFileSize = 1024 * 1024;
constexpr std::size_t kMaxCountDigits = 3;

bool splitLines(std::string_view text, std::vector<std::string_view>& lines, std::string& error) {
    constexpr auto kMaxLines = static_cast<std::size_t>(kSimNameFileLines);
    std::size_t start = 0;
    while (start < text.size() && lines.size() <= kMaxLines) {
        const std::size_t newline = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, newline - start);
        // The first NUL or CR of the line, in the order they stand: a CR is allowed
        // only right before the line's LF.
        const std::size_t nul = line.find('\0');
        const std::size_t cr = line.find('\r');
        if (nul < cr) {
            error = "holds a NUL byte";
            return false;
        }
        const bool crEndsLine = cr + 1 == line.size() && newline < text.size();
        if (cr != std::string_view::npos && !crEndsLine) {
            error = "holds a CR that does not end a line (line " + std::to_string(lines.size() + 1) + ")";
            return false;
        }
        lines.push_back(crEndsLine ? line.substr(0, cr) : line);
        start = newline + 1;
    }
    if (lines.size() > kMaxLines) {
        error = "has more than " + std::to_string(kSimNameFileLines) + " lines";
        return false;
    }
    return true;
}

bool validRowCount(std::string_view line) {
    if (line.empty() || line.size() > kMaxCountDigits) return false;
    int value = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= kSimNameFileMaxRowCount;
}

}  // namespace

bool parseSimNameFile(std::string_view text, SimPhonebook& phonebook, std::string& error) {
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<std::size_t>(kSimNameFileLines) + 1);
    if (!splitLines(text, lines, error)) return false;
    if (lines.empty() || !validRowCount(lines[0])) {
        const std::string first = lines.empty() ? std::string() : std::string(lines[0].substr(0, 20));
        error = "line 1 is not a row count from 0 to " + std::to_string(kSimNameFileMaxRowCount) + " ('" + first + "')";
        return false;
    }
    SimPhonebook read;
    for (int row = 1; row <= SimPhonebook::kLocations; ++row) {
        const auto numberLine = static_cast<std::size_t>(2 * row - 1);
        if (numberLine >= lines.size()) break;
        const std::string_view name = numberLine + 1 < lines.size() ? lines[numberLine + 1] : std::string_view();
        read.set(row, std::string(lines[numberLine]), std::string(name));
    }
    phonebook = std::move(read);
    return true;
}

std::string formatSimNameFile(const SimPhonebook& phonebook) {
    std::string text = std::to_string(phonebook.lastOccupied() + 1) + "\r\n";
    for (int row = 1; row <= SimPhonebook::kLocations; ++row) {
        const PhonebookEntry& entry = phonebook.at(row);
        text.append(entry.number).append("\r\n").append(entry.name).append("\r\n");
    }
    return text;
}

bool loadSimNameFile(const std::string& path, SimPhonebook& phonebook, std::string& error) {
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found) {
        phonebook = SimPhonebook{};
        return true;
    }
    std::vector<uint8_t> content;
    if (!readDataFile(path, kMaxFileSize, "SIM name file", content, error)) return false;
    const std::string_view text(reinterpret_cast<const char*>(content.data()), content.size());
    std::string reason;
    if (!parseSimNameFile(text, phonebook, reason)) {
        error = "SIM name file " + path + " " + reason;
        return false;
    }
    return true;
}

bool saveSimNameFile(const std::string& path, const SimPhonebook& phonebook, std::string& error) {
    const std::string text = formatSimNameFile(phonebook);
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return writeFileAtomically(path, bytes, "SIM name file", error);
}

}  // namespace vardeck::sim
