#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardeck::z4config {

// Files that installers keep for years (profiles, the personal profile) and the small
// text files of the start directory are read with a bound and written whole or not at all.

struct FileBytes {
    bool ok = false;
    std::vector<std::uint8_t> bytes;
    bool truncated = false;  // the file holds more than maxBytes; bytes are its first maxBytes
    std::string error;       // the system's reason when not ok
};

// Reads at most maxBytes of a regular file (a folder, device or pipe is refused, so a
// chosen special file cannot block or flood the program).
FileBytes readFileBounded(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a new file beside path, flushes it to the disk and renames it over
// path, so a failure at any point leaves the previous file as it was. A replaced file
// keeps its permissions. Returns the system's reason on failure, else an empty text.
std::string writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace vardeck::z4config
