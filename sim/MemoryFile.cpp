#include "sim/MemoryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vardeck::sim {

namespace {
std::string describeErrno(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}
}  // namespace

bool loadMemoryFile(const std::string& path, std::span<uint8_t> memory, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (status.type() != std::filesystem::file_type::regular) {
        error = "memory file " + path + " is not a regular file";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = describeErrno("cannot open memory file", path);
        return false;
    }
    // One byte more than fits tells a too-long file from one that fits exactly.
    std::string content(memory.size() + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) {
        error = "cannot read memory file " + path;
        return false;
    }
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > memory.size()) {
        error = "memory file " + path + " is longer than the device's " + std::to_string(memory.size()) +
                " bytes";
        return false;
    }
    std::memcpy(memory.data(), content.data(), got);
    return true;
}

bool loadExactFile(const std::string& path, std::span<uint8_t> memory, const std::string& what, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (status.type() != std::filesystem::file_type::regular) {
        error = what + " " + path + " is not a regular file";
        return false;
    }
    std::vector<uint8_t> content;
    if (!readDataFile(path, memory.size(), what, content, error)) return false;
    if (content.size() != memory.size()) {
        error = what + " " + path + " is " + std::to_string(content.size()) + " bytes, not " +
                std::to_string(memory.size());
        return false;
    }
    std::copy(content.begin(), content.end(), memory.begin());
    return true;
}

bool saveMemoryFile(const std::string& path, std::span<const uint8_t> memory, std::string& error) {
    return writeFileAtomically(path, memory, "memory file", error);
}

bool writeFileAtomically(const std::string& path, std::span<const uint8_t> content, const std::string& what,
                         std::string& error) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = describeErrno("cannot write " + what, temporary);
            return false;
        }
        out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + what + " " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = describeErrno("cannot replace " + what, path);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool readDataFile(const std::string& path, std::size_t maxSize, const std::string& what,
                  std::vector<uint8_t>& content, std::string& error) {
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() != std::filesystem::file_type::regular) {
        error = what + " " + path + " is missing or not a regular file";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = describeErrno("cannot open " + what, path);
        return false;
    }
    // One byte more than allowed tells a too-long file from one that fits exactly.
    std::string bytes(maxSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        error = "cannot read " + what + " " + path;
        return false;
    }
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > maxSize) {
        error = what + " " + path + " is longer than " + std::to_string(maxSize) + " bytes";
        return false;
    }
    content.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(got));
    return true;
}

}  // namespace vardeck::sim
