#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vardeck::sim {

// The Z-4 module's status memory: live values the module keeps apart from its
// configuration, read one byte a frame with command 02. The status view polls
// the block from 512: 16 bytes, or 32 on the Contact ID model.
inline constexpr std::size_t kZ4StatusMemorySize = 1024;
inline constexpr uint16_t kZ4StatusBlockAddress = 512;

// Offsets inside the status block.
namespace z4status {
inline constexpr std::size_t kInputs = 0;         // bit n: input n+1 active
inline constexpr std::size_t kRegistration = 1;   // 1: registered on the home network
inline constexpr std::size_t kErrorCode = 2;      // 0: no error
inline constexpr std::size_t kSignal = 3;         // 0 to 31
inline constexpr std::size_t kFlags = 4;          // tamper, supply, outputs, armed, bit 7 memory good
inline constexpr std::size_t kGsmClock = 5;       // four ASCII digits hh mm
inline constexpr std::size_t kTemperature = 9;    // bits 0-6 degrees, bit 7 below zero
inline constexpr std::size_t kContactIdStage = 11;
inline constexpr std::size_t kLastContactId = 16; // 16 digits, 10 standing for 0
inline constexpr std::size_t kContactIdDigits = 16;
}  // namespace z4status

// A status memory that looks like a healthy module at rest: registered on its
// home network with good signal, no error, inputs and outputs quiet, memory
// good, 21 degrees, and a last Contact ID message on record.
std::vector<uint8_t> makeZ4StatusMemory();

}  // namespace vardeck::sim
