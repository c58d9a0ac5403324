#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace vardeck::sim {

// A device's memory kept in a plain binary file between runs of the simulator.

// Fills the start of `memory` from the file; a shorter file leaves the rest as
// it was. A missing file is not an error (the device starts blank and the file
// is made at exit); a file longer than the memory, or one that cannot be read,
// is refused with a message in `error`.
bool loadMemoryFile(const std::string& path, std::span<uint8_t> memory, std::string& error);

// Writes all of `memory` to the file, through a temporary file renamed over it,
// so that an interrupted save never leaves a half-written memory behind.
bool saveMemoryFile(const std::string& path, std::span<const uint8_t> memory, std::string& error);

}  // namespace vardeck::sim
