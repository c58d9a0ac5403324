#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardeck::sim {

// A device's memory kept in a plain binary file between runs of the simulator.

// Fills the start of `memory` from the file; a shorter file leaves the rest as
// it was. A missing file is not an error (the device starts blank and the file
// is made at exit); a file longer than the memory, or one that cannot be read,
// is refused with a message in `error`.
bool loadMemoryFile(const std::string& path, std::span<uint8_t> memory, std::string& error);

// Fills all of `memory` from a file of exactly its size (a flash image). A
// missing file is not an error (the memory stays as it is and the file is made
// at exit); a file of another size, or one that cannot be read, is refused with
// a message in `error` naming it as `what` ("flash file"), `memory` unchanged.
bool loadExactFile(const std::string& path, std::span<uint8_t> memory, const std::string& what, std::string& error);

// Writes all of `memory` to the file, through a temporary file renamed over it,
// so that an interrupted save never leaves a half-written memory behind.
bool saveMemoryFile(const std::string& path, std::span<const uint8_t> memory, std::string& error);

// Writes `content` to the file through a temporary file renamed over it; a
// failure is reported in `error` naming the file as `what` ("memory file").
bool writeFileAtomically(const std::string& path, std::span<const uint8_t> content, const std::string& what,
                         std::string& error);

// Reads a whole data file of at most `maxSize` bytes into `content`. A missing,
// unreadable or longer file is refused with a message in `error` that names it
// as `what` ("event log file").
bool readDataFile(const std::string& path, std::size_t maxSize, const std::string& what,
                  std::vector<uint8_t>& content, std::string& error);

}  // namespace vardeck::sim
