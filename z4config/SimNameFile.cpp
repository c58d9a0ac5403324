#include "z4config/SimNameFile.h"

#include <charconv>
#include <vector>

#include "z4config/Cp1250.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {
namespace {

// A file is taken as UTF-8 when it is valid UTF-8, else as code page 1250 (a plain
// ASCII file reads the same either way).
std::string toUtf8(std::string_view bytes, bool utf8) {
    if (utf8) return std::string(bytes);
    return cp1250BytesToUtf8(bytes);
}

}  // namespace

std::string writeSimNames(const SimNames& names) {
    std::string out = std::to_string(names.rowCount) + "\r\n";
    // The UTF-8 texts' sizes bound their CP1250 sizes: one allocation for the file.
    std::size_t size = out.size() + 4 * SimNames::kRows;
    for (int row = 0; row < SimNames::kRows; ++row) {
        size += names.numbers[static_cast<std::size_t>(row)].size() + names.names[static_cast<std::size_t>(row)].size();
    }
    out.reserve(size);
    for (int row = 0; row < SimNames::kRows; ++row) {
        out += utf8ToCp1250Bytes(names.numbers[static_cast<std::size_t>(row)]);
        out += "\r\n";
        out += utf8ToCp1250Bytes(names.names[static_cast<std::size_t>(row)]);
        out += "\r\n";
    }
    return out;
}

std::optional<SimNames> readSimNames(std::string_view bytes, std::string& reason) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0 || (u < 0x20 && c != '\r' && c != '\n' && c != '\t')) {
            reason = "not a text file";
            return std::nullopt;
        }
    }
    const bool utf8 = controls::utf8Valid(bytes);
    std::vector<std::string_view> lines;
    lines.reserve(SimNames::kLines + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lines.size() > SimNames::kLines) {
            reason = "more than " + std::to_string(SimNames::kLines) + " lines";
            return std::nullopt;
        }
        start = end + 1;
    }
    if (lines.size() < SimNames::kLines) {
        reason = std::to_string(lines.size()) + " lines instead of " + std::to_string(SimNames::kLines);
        return std::nullopt;
    }
    SimNames names;
    const std::string_view count = lines[0];
    auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), names.rowCount);
    if (ec != std::errc() || end != count.data() + count.size() || names.rowCount < 0 ||
        names.rowCount > SimNames::kRows + 1) {
        reason = "the first line is no row count from 0 to " + std::to_string(SimNames::kRows + 1);
        return std::nullopt;
    }
    for (int row = 0; row < SimNames::kRows; ++row) {
        names.numbers[static_cast<std::size_t>(row)] = toUtf8(lines[static_cast<std::size_t>(1 + 2 * row)], utf8);
        names.names[static_cast<std::size_t>(row)] = toUtf8(lines[static_cast<std::size_t>(2 + 2 * row)], utf8);
    }
    return names;
}

}  // namespace vardeck::z4config
