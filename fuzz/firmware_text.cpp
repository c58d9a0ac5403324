// The firmware text: two hex digits a byte, line breaks and other characters between
// them. Any text gives the full 65536 bytes or a reason, never a partial image.
#include "fuzz/FuzzInput.h"
#include "z4link/FirmwareImage.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string reason;
    const auto firmware = unpackFirmwareText(fuzz::asText({data, size}), reason);
    VARDECK_FUZZ_CHECK(firmware.has_value() == reason.empty());
    return 0;
}
