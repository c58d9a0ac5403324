#include "sim/Z4StatusMemory.h"

#include <algorithm>
#include <array>

namespace vardeck::sim {

std::vector<uint8_t> makeZ4StatusMemory() {
    std::vector<uint8_t> memory(kZ4StatusMemorySize, 0x00);
    uint8_t* block = memory.data() + kZ4StatusBlockAddress;
    block[z4status::kInputs] = 0x00;
    block[z4status::kRegistration] = 1;
    block[z4status::kErrorCode] = 0;
    block[z4status::kSignal] = 18;
    block[z4status::kFlags] = 0x80;
    const char clock[] = "1230";
    std::copy_n(clock, 4, block + z4status::kGsmClock);
    block[z4status::kTemperature] = 21;
    block[z4status::kContactIdStage] = 0;
    // Account 1234, message type 18, new event 130 (burglary), partition 01,
    // zone 003, and the check digit that makes the digit sum a multiple of 15.
    constexpr std::array<uint8_t, z4status::kContactIdDigits> lastMessage{
        1, 2, 3, 4, 1, 8, 1, 1, 3, 10, 10, 1, 10, 10, 3, 7};
    std::copy(lastMessage.begin(), lastMessage.end(), block + z4status::kLastContactId);
    return memory;
}

}  // namespace vardeck::sim
