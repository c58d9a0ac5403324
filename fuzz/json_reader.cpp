// The JSON reader with its limits: any text is refused with a message or read; what it
// reads is written and read back to the same document.
#include "controls/Json.h"
#include "fuzz/FuzzInput.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string error;
    // A small depth limit lets the fuzzer reach it with short inputs.
    const controls::JsonLimits limits{1u << 20, 16};
    const auto value = controls::parseJson(fuzz::asText({data, size}), error, limits);
    if (!value) {
        VARDECK_FUZZ_CHECK(!error.empty());
        return 0;
    }
    const std::string written = controls::writeJson(*value);
    const auto again = controls::parseJson(written, error, limits);
    VARDECK_FUZZ_CHECK(again.has_value());
    VARDECK_FUZZ_CHECK(controls::writeJson(*again) == written);
    return 0;
}
